#pragma once

#include <vector>

#include "Delayer.h"

class QElapsedTimer;

namespace vantorel {

// Waits on Qt's event queue: the window stays live while the engine paces its show, and the
// processor sleeps instead of spinning. A modal window opened during a wait holds the wait until
// it closes, because the wait can only end once control comes back to its own event loop.
class QtDelayer final : public Delayer {
  public:
    QtDelayer() = default;
    QtDelayer(const QtDelayer&) = delete;
    QtDelayer& operator=(const QtDelayer&) = delete;
    ~QtDelayer() override = default;

    void Delay(double Seconds) override;
    // Ends every wait under way. Waits nest only when an event handled during one wait starts
    // another, and whoever interrupts means to leave them all. With no wait under way this does
    // nothing, and the next wait runs its full length.
    void Interrupt() override;

  private:
    struct Wait;
    void RunWait(Wait& wait, const QElapsedTimer& clock, double endSeconds);

    // The waits under way, innermost last. Each lives on the stack of its own Delay call.
    std::vector<Wait*> waits_;
};

}  // namespace vantorel
