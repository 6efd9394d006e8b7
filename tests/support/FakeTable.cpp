#include "FakeTable.h"

#include <filesystem>
#include <sstream>

namespace vantorel::testing {

void FakeTable::SetText(Control control, const std::string& text) {
    const bool changed = texts_[control] != text;
    texts_[control] = text;
    log_.push_back((control == Control::Bet_Value ? "stake " : "score ") + text);
    if (control == Control::Bet_Value && changed && onBetValueChange) onBetValueChange();
}

void VirtualClock::Delay(double Seconds) {
    if (!(Seconds > 0.0)) return;
    interrupted_ = false;
    std::ostringstream entry;
    entry << "wait " << Seconds;
    log_.push_back(entry.str());
    const double until = now_ + Seconds;
    while (!schedule_.empty() && schedule_.begin()->first <= until) {
        auto next = schedule_.extract(schedule_.begin());
        now_ = std::max(now_, next.key());
        next.mapped()();
        if (interrupted_) {
            ++interrupts;
            return;
        }
    }
    now_ = until;
}

float ScriptedRandom::Next() {
    if (queue_.empty()) return UnitFromBits(static_cast<std::uint32_t>(fallback_()));
    const float u = queue_.front();
    queue_.pop_front();
    return u;
}

void ScriptedRandom::QueueCard(int card) {
    // The middle of each interval, so RandomCard lands exactly on the suit and the rank.
    queue_.push_back((static_cast<float>((card - 1) / 13) + 0.5f) / 4.0f);
    queue_.push_back((static_cast<float>((card - 1) % 13) + 0.5f) / 13.0f);
}

void RecordingSound::Play(const std::string& path, SoundMode mode) {
    ++plays;
    log_.push_back("sound " + std::filesystem::path(path).filename().string() +
                   (mode == SoundMode::Wait ? " wait" : " async"));
}

}  // namespace vantorel::testing
