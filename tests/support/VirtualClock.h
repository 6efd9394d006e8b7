#pragma once

#include <functional>
#include <vector>

#include "Delayer.h"
#include "FakeTable.h"

namespace vantorel::testing {

// Time that passes only when the game waits: a 50-second payout runs in microseconds. Events can
// be scripted at chosen moments (a menu command in the middle of a flash); they run inside the wait
// that spans their moment, as window events run inside a real wait.
class VirtualClock final : public Delayer {
  public:
    explicit VirtualClock(EventLog& log) : log_(log) {}

    void Delay(double Seconds) override;
    void Interrupt() override { interrupted_ = true; }

    // Runs `action` inside the wait that reaches `atSeconds` of virtual time.
    void At(double atSeconds, std::function<void()> action);

    double Now() const { return now_; }
    const std::vector<double>& Waits() const { return waits_; }
    int Interrupts() const { return interruptsSeen_; }

  private:
    struct Scheduled {
        double at;
        std::function<void()> action;
    };

    EventLog& log_;
    double now_ = 0.0;
    std::vector<double> waits_;
    std::vector<Scheduled> schedule_;
    bool interrupted_ = false;
    int interruptsSeen_ = 0;
};

}  // namespace vantorel::testing
