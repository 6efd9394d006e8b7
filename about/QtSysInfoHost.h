#pragma once

#include "SysInfo.h"

class QWidget;

namespace vantorel {

// Starts the system information program as a process of its own and shows the launcher's message
// modal over `owner`.
class QtSysInfoHost final : public SysInfoHost {
  public:
    explicit QtSysInfoHost(QWidget& owner) : owner_(owner) {}
    bool StartProgram(const std::string& path) override;
    void ShowMessage(const std::string& prompt) override;

  private:
    QWidget& owner_;
};

}  // namespace vantorel
