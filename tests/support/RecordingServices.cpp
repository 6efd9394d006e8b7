#include "RecordingServices.h"

#include <filesystem>

namespace vantorel::testing {

void RecordingSound::Play(const std::string& path, SoundMode mode) {
    ++plays_;
    log_.push_back(std::string("sound ") + std::filesystem::path(path).filename().string() +
                   (mode == SoundMode::Wait ? " wait" : " async"));
}

void RecordingStatistics::ShowStatistics() {
    ++openings_;
    log_.push_back("statistics");
    if (whileOpen) whileOpen();
}

}  // namespace vantorel::testing
