#pragma once

namespace vantorel {

// The engine's waits. A wait keeps the program's window events flowing, so the menus stay live
// while cards turn and wins are counted up.
class Delayer {
  public:
    virtual ~Delayer() = default;
    // Returns when Seconds have passed by a monotonic clock, processing window events meanwhile.
    // Zero or less returns at once without processing anything.
    virtual void Delay(double Seconds) = 0;
    // Ends the wait under way, if any, as soon as the event being handled has finished.
    virtual void Interrupt() = 0;
};

}  // namespace vantorel
