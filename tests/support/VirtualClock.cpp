#include "VirtualClock.h"

#include <algorithm>
#include <sstream>

namespace vantorel::testing {

void VirtualClock::At(double atSeconds, std::function<void()> action) {
    schedule_.push_back({atSeconds, std::move(action)});
    std::stable_sort(schedule_.begin(), schedule_.end(),
                     [](const Scheduled& a, const Scheduled& b) { return a.at < b.at; });
}

void VirtualClock::Delay(double Seconds) {
    const float end = static_cast<float>(Seconds);
    if (end <= 0.0f) return;
    interrupted_ = false;
    waits_.push_back(end);
    std::ostringstream entry;
    entry << "wait " << end;
    log_.push_back(entry.str());

    const double until = now_ + end;
    while (!schedule_.empty() && schedule_.front().at <= until) {
        Scheduled next = std::move(schedule_.front());
        schedule_.erase(schedule_.begin());
        now_ = std::max(now_, next.at);
        next.action();
        if (interrupted_) {
            ++interruptsSeen_;
            interrupted_ = false;
            return;
        }
    }
    now_ = until;
}

}  // namespace vantorel::testing
