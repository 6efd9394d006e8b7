// Wave playback through SDL_mixer: the one backend of SdlSoundPlayer.

#include <SDL.h>
#include <SDL_mixer.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "SdlSoundPlayer.h"
#include "SoundLibraryLog.h"

namespace vantorel {

namespace {

// Enough mixing channels that overlapping card flips never run out.
constexpr int MixChannels = 16;
// Channel 0 is kept for sounds that are waited for, so their end can be told from any other.
constexpr int WaitChannel = 0;
constexpr int ReservedChannels = 1;
constexpr int OutputChannels = 2;
// About 12 ms of audio per mixer pass at 44.1 kHz: short enough that a waited-for sound ends
// close to when it is heard to end.
constexpr int ChunkSamples = 512;
// A waited-for sound whose end is never reported (a stalled device) still lets the game go on
// this long after it should have ended.
constexpr std::chrono::milliseconds WaitSlack{1000};

// The mixer reports the end of a channel through one plain function, called on its audio thread
// (or on ours, when a channel is halted). This is what that function and a waiting Play share.
struct WaitChannelEnd {
    std::mutex mutex;
    std::condition_variable ended;
    bool done = true;
};

WaitChannelEnd& WaitState() {
    static WaitChannelEnd state;
    return state;
}

void SDLCALL OnChannelFinished(int channel) {
    if (channel != WaitChannel) return;
    WaitChannelEnd& state = WaitState();
    {
        const std::lock_guard lock(state.mutex);
        state.done = true;
    }
    state.ended.notify_all();
}

}  // namespace

void SdlSoundPlayer::ChunkDeleter::operator()(Mix_Chunk* chunk) const {
    Mix_FreeChunk(chunk);
}

SdlSoundPlayer::~SdlSoundPlayer() {
    if (device_ != DeviceState::Open) return;
    Mix_HaltChannel(-1);
    Mix_ChannelFinished(nullptr);
    chunks_.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSoundPlayer::HasDevice() {
    if (device_ == DeviceState::NotTried) {
        device_ = OpenDevice() ? DeviceState::Open : DeviceState::Unavailable;
    }
    return device_ == DeviceState::Open;
}

bool SdlSoundPlayer::OpenDevice() {
    // SDL would otherwise take over Ctrl+C and the termination signal for its own event queue,
    // which this program never reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Vantorel");
    QuietSoundLibraryLog();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, OutputChannels, ChunkSamples) !=
        0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(MixChannels);
    Mix_ReserveChannels(ReservedChannels);
    Mix_ChannelFinished(OnChannelFinished);

    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    bytesPerSecond_ = static_cast<double>(frequency) * channels * (SDL_AUDIO_BITSIZE(format) / 8);
    return true;
}

Mix_Chunk* SdlSoundPlayer::Chunk(const std::string& path) {
    if (const auto found = chunks_.find(path); found != chunks_.end()) return found->second.get();
    ChunkPtr chunk(Mix_LoadWAV(path.c_str()));
    if (!chunk) return nullptr;
    return chunks_.emplace(path, std::move(chunk)).first->second.get();
}

void SdlSoundPlayer::Play(const std::string& path, SoundMode mode) {
    if (!HasDevice()) return;
    Mix_Chunk* const chunk = Chunk(path);
    if (chunk == nullptr) return;
    switch (mode) {
        case SoundMode::Async:
            Mix_PlayChannel(-1, chunk, 0);
            return;
        case SoundMode::Wait:
            PlayToEnd(*chunk);
            return;
    }
}

void SdlSoundPlayer::PlayToEnd(Mix_Chunk& chunk) const {
    WaitChannelEnd& state = WaitState();
    // The wait channel is idle here, since every waited-for sound is waited out; halting it
    // anyway makes sure no end of an earlier sound is taken for the end of this one.
    Mix_HaltChannel(WaitChannel);
    {
        const std::lock_guard lock(state.mutex);
        state.done = false;
    }
    const auto start = std::chrono::steady_clock::now();
    if (Mix_PlayChannel(WaitChannel, &chunk, 0) < 0) return;

    const std::chrono::duration<double> length(bytesPerSecond_ > 0.0 ? chunk.alen / bytesPerSecond_
                                                                     : 0.0);
    std::unique_lock lock(state.mutex);
    const bool ended =
        state.ended.wait_for(lock, length + WaitSlack, [&state] { return state.done; });
    lock.unlock();
    if (!ended) Mix_HaltChannel(WaitChannel);
    // The mixer reports the end once the last samples are mixed, a pass before they are heard;
    // a sound is never over before its own length has passed.
    std::this_thread::sleep_until(start + length);
}

}  // namespace vantorel
