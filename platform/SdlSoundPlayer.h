#pragma once

#include <memory>
#include <string>
#include <unordered_map>

#include "SoundPlayer.h"

struct Mix_Chunk;

namespace vantorel {

// Plays wave files through SDL_mixer. The audio device is opened on the first sound and closed
// when the player goes; loaded sounds are kept by path, since the same two files play over and
// over. Every failure is silent: with no device, or a missing or unreadable file, Play returns at
// once and the game goes on as if the sound had played. The mixer is process-wide, so a program
// keeps one player.
class SdlSoundPlayer final : public SoundPlayer {
  public:
    SdlSoundPlayer() = default;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;
    ~SdlSoundPlayer() override;

    // Async may overlap a sound still playing (two card flips a second apart never cut each
    // other short). Wait blocks the calling thread without processing window events.
    void Play(const std::string& path, SoundMode mode) override;

    // Opens the device if that has not been tried yet; false when there is none to play on.
    // A failed attempt is not repeated: a win's count-up would otherwise retry at every step.
    bool HasDevice();

  private:
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };
    using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

    enum class DeviceState { NotTried, Open, Unavailable };

    bool OpenDevice();
    // The loaded sound for path, or null when it cannot be read; failures are not kept, so a
    // file that turns up later is played.
    Mix_Chunk* Chunk(const std::string& path);
    void PlayToEnd(Mix_Chunk& chunk) const;

    DeviceState device_ = DeviceState::NotTried;
    double bytesPerSecond_ = 0.0;  // of the mixer's output, to know how long a sound lasts
    std::unordered_map<std::string, ChunkPtr> chunks_;
};

}  // namespace vantorel
