#pragma once

#include <string>

namespace vantorel {

enum class SoundMode {
    Wait,   // return when the sound has ended; no window events are processed meanwhile
    Async,  // start the sound and return at once
};

// Plays a wave file. Failure of any kind (no device, no file, a bad file) is silent.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    virtual void Play(const std::string& path, SoundMode mode) = 0;
};

}  // namespace vantorel
