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

// One log shared by the fakes: the pictures, texts, sounds and waits in the order they came.
using EventLog = std::vector<std::string>;

// A table without a window; a new text in Bet_Value runs its change handler, as the box does.
// Opening the statistics is logged, and `whileStatisticsOpen` runs as if from inside the window.
class FakeTable final : public TableControls, public StatisticsWindow {
  public:
    explicit FakeTable(EventLog& log) : log_(log) {}
    void ShowPicture(int place, int picture) override {
        pictures_.at(place - 1) = picture;
        log_.push_back("picture " + std::to_string(place) + "=" + std::to_string(picture));
    }
    void SetCaption(Control control, const std::string& text) override {
        captions_[control] = text;
    }
    void SetText(Control control, const std::string& text) override;
    std::string Text(Control control) const override { return texts_.at(control); }
    void SetEnabled(Control control, bool enabled) override { enabled_[control] = enabled; }
    void Refresh(Control) override {}
    void SetViewStatsEnabled(bool enabled) override { viewStats_ = enabled; }
    bool Checked(Option option) const override { return checks_.at(option); }
    void SetChecked(Option option, bool checked) override { checks_[option] = checked; }
    void ShowStatistics() override {
        log_.push_back("statistics");
        if (whileStatisticsOpen) whileStatisticsOpen();
    }

    std::function<void()> onBetValueChange, whileStatisticsOpen;
    const std::array<int, 5>& Pictures() const { return pictures_; }
    std::string Caption(Control control) const { return captions_.at(control); }
    bool Enabled(Control control) const { return enabled_.at(control); }
    bool ViewStatsEnabled() const { return viewStats_; }

  private:
    EventLog& log_;
    std::array<int, 5> pictures_{};
    std::map<Control, std::string> captions_, texts_;
    std::map<Control, bool> enabled_;
    std::map<Option, bool> checks_{{Option::Sound, true},
                                   {Option::QuickPlay, false},
                                   {Option::StatAfterGame, true},
                                   {Option::Limit, true}};
    bool viewStats_ = false;
};

// Time that passes only when the game waits; an event scripted for a moment runs inside that wait.
class VirtualClock final : public Delayer {
  public:
    explicit VirtualClock(EventLog& log) : log_(log) {}
    void Delay(double Seconds) override;
    void Interrupt() override { interrupted_ = true; }
    void At(double atSeconds, std::function<void()> action) {
        schedule_.insert({atSeconds, std::move(action)});
    }
    double Now() const { return now_; }
    int interrupts = 0;

  private:
    EventLog& log_;
    double now_ = 0.0;
    std::multimap<double, std::function<void()>> schedule_;
    bool interrupted_ = false;
};

// Chance on a script: the numbers a test queues, then a seeded generator.
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
    int reseeds = 0;

  private:
    std::deque<float> queue_;
    std::mt19937 fallback_{12345};
};

// Logs each sound by its file name and mode instead of playing it.
struct RecordingSound final : SoundPlayer {
    explicit RecordingSound(EventLog& log) : log_(log) {}
    void Play(const std::string& path, SoundMode mode) override;
    int plays = 0;
    EventLog& log_;
};

}  // namespace vantorel::testing
