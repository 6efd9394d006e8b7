#pragma once

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "Delayer.h"
#include "Random.h"
#include "SoundPlayer.h"
#include "TableControls.h"

namespace vantorel::testing {

// One log shared by the fakes: the exact sequence of pictures, texts, sounds and waits a piece of
// the game produced.
using EventLog = std::vector<std::string>;

// A table without a window. Writing Bet_Value runs the change handler inside the write, and not
// for the same text, as the real text box does.
class FakeTable final : public TableControls {
  public:
    explicit FakeTable(EventLog& log) : log_(log) {}

    void ShowPicture(int place, int picture) override {
        pictures_.at(place) = picture;
        log_.push_back("picture " + std::to_string(place) + "=" + std::to_string(picture));
    }
    void SetCaption(Control control, const std::string& caption) override {
        captions_[control] = caption;
    }
    void SetText(Control control, const std::string& text) override;
    std::string Text(Control control) const override { return Find(texts_, control, std::string()); }
    void SetEnabled(Control control, bool enabled) override { enabled_[control] = enabled; }
    void Refresh(Control) override {}
    void SetViewStatsEnabled(bool enabled) override { viewStats_ = enabled; }
    bool Checked(Option option) const override { return checks_.at(option); }
    void SetChecked(Option option, bool checked) override { checks_[option] = checked; }

    std::function<void()> onBetValueChange;

    std::array<int, 5> Pictures() const {
        return {pictures_[1], pictures_[2], pictures_[3], pictures_[4], pictures_[5]};
    }
    std::string Caption(Control control) const { return Find(captions_, control, std::string()); }
    bool Enabled(Control control) const { return Find(enabled_, control, false); }
    bool ViewStatsEnabled() const { return viewStats_; }

  private:
    template <typename Map, typename Value>
    static Value Find(const Map& map, Control control, Value otherwise) {
        const auto it = map.find(control);
        return it == map.end() ? otherwise : it->second;
    }

    EventLog& log_;
    std::array<int, 6> pictures_{};
    std::map<Control, std::string> captions_;
    std::map<Control, std::string> texts_;
    std::map<Control, bool> enabled_;
    std::map<Option, bool> checks_{{Option::Sound, true},
                                   {Option::QuickPlay, false},
                                   {Option::StatAfterGame, true},
                                   {Option::Limit, true}};
    bool viewStats_ = false;
};

// Time that passes only when the game waits. Events scripted at a moment run inside the wait that
// spans it, as window events run inside a real wait.
class VirtualClock final : public Delayer {
  public:
    explicit VirtualClock(EventLog& log) : log_(log) {}
    void Delay(double Seconds) override;
    void Interrupt() override { interrupted_ = true; }
    void At(double atSeconds, std::function<void()> action) {
        schedule_.insert({atSeconds, std::move(action)});
    }
    double Now() const { return now_; }
    int Interrupts() const { return interrupts_; }

  private:
    EventLog& log_;
    double now_ = 0.0;
    std::multimap<double, std::function<void()>> schedule_;
    bool interrupted_ = false;
    int interrupts_ = 0;
};

// Chance on a script: exactly the numbers a test queues, then a seeded generator.
class ScriptedRandom final : public RandomSource {
  public:
    float Next() override;
    void Reseed() override { ++reseeds; }
    // Queues the two numbers that make RandomCard give `card` (1..52).
    void QueueCard(int card);
    void QueueCards(const std::vector<int>& cards) {
        for (int card : cards) QueueCard(card);
    }
    void QueueNumber(float u) { queue_.push_back(u); }
    std::size_t Queued() const { return queue_.size(); }
    int reseeds = 0;

  private:
    std::deque<float> queue_;
    std::mt19937 fallback_{12345};
};

// Logs each sound by its file name and mode instead of playing it.
class RecordingSound final : public SoundPlayer {
  public:
    explicit RecordingSound(EventLog& log) : log_(log) {}
    void Play(const std::string& path, SoundMode mode) override;
    int plays = 0;

  private:
    EventLog& log_;
};

// Logs the opening of the statistics window and runs `whileOpen` as if from inside it.
class RecordingStatistics final : public StatisticsWindow {
  public:
    explicit RecordingStatistics(EventLog& log) : log_(log) {}
    void ShowStatistics() override {
        log_.push_back("statistics");
        if (whileOpen) whileOpen();
    }
    std::function<void()> whileOpen;

  private:
    EventLog& log_;
};

}  // namespace vantorel::testing
