#pragma once

#include <string>

#include "Delayer.h"
#include "SoundPlayer.h"

namespace vantorel {

// Time that never passes and sound that is never heard: for drawing pictures of the table and
// measuring it, where the show's pacing would only be in the way.
class NoDelay final : public Delayer {
  public:
    void Delay(double) override {}
    void Interrupt() override {}
};

class NoSound final : public SoundPlayer {
  public:
    void Play(const std::string&, SoundMode) override {}
};

}  // namespace vantorel
