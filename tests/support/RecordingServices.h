#pragma once

#include <string>

#include "FakeTable.h"
#include "SoundPlayer.h"
#include "TableControls.h"

namespace vantorel::testing {

// Logs every sound instead of playing it.
class RecordingSound final : public SoundPlayer {
  public:
    explicit RecordingSound(EventLog& log) : log_(log) {}
    void Play(const std::string& path, SoundMode mode) override;
    int Plays() const { return plays_; }

  private:
    EventLog& log_;
    int plays_ = 0;
};

// Logs the opening of the statistics window and runs whatever the test wants while it is "open".
class RecordingStatistics final : public StatisticsWindow {
  public:
    explicit RecordingStatistics(EventLog& log) : log_(log) {}
    void ShowStatistics() override;
    int Openings() const { return openings_; }
    std::function<void()> whileOpen;

  private:
    EventLog& log_;
    int openings_ = 0;
};

}  // namespace vantorel::testing
