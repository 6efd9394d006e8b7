#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "SdlSoundPlayer.h"

// Played on SDL's dummy driver (set by the test runner), which consumes audio at the real rate
// without a sound card, so a waited-for sound takes its real length.
namespace vantorel {
namespace {

using namespace std::string_view_literals;

// "At once" leaves room for a loaded machine and sanitizer builds; what matters is that nothing
// waits for a sound's length.
constexpr double AtOnceMs = 50.0;
constexpr double MsPerSecond = 1e3;
// The mixer works in passes of 512 sample frames at 44100 frames a second, 11.6 ms, and reports a
// sound's end when its last samples are mixed, a pass before they are heard. A waited-for sound
// lasts its whole length: half a pass short is already a sound cut a pass early. Lateness is only
// scheduling, which a loaded machine stretches.
constexpr double MixerPassMs = 512.0 / 44100.0 * 1e3;
constexpr double LongestExtraMs = 500.0;

double MsTaken(SdlSoundPlayer& player, const std::string& path, SoundMode mode) {
    constexpr double NsPerMs = 1e6;
    QElapsedTimer clock;
    clock.start();
    player.Play(path, mode);
    return static_cast<double>(clock.nsecsElapsed()) / NsPerMs;
}

std::string InProgramFolder(const char* name) {
    return (QCoreApplication::applicationDirPath() + '/' + QString::fromLatin1(name)).toStdString();
}

// The playing time of a PCM wave file: the size of its data over its byte rate.
std::optional<double> WaveSeconds(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const auto u32 = [&bytes](std::size_t at) {  // little-endian
        std::uint32_t value = 0;
        for (std::size_t i = 4; i-- > 0;)
            value = value << 8U | static_cast<unsigned char>(bytes[at + i]);
        return value;
    };
    std::uint32_t byteRate = 0;
    // Chunks follow "RIFF", the file size and "WAVE"; each is a tag, a size and padded data.
    for (std::size_t at = 12; at + 8 <= bytes.size(); at += 8 + u32(at + 4) + (u32(at + 4) & 1U)) {
        const std::string_view tag = std::string_view(bytes).substr(at, 4);
        if (tag == "fmt " && at + 20 <= bytes.size()) byteRate = u32(at + 16);
        if (tag == "data" && byteRate != 0) return static_cast<double>(u32(at + 4)) / byteRate;
    }
    return std::nullopt;
}

class SoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!player_.HasDevice()) {
            GTEST_SKIP() << "SDL_mixer could not open an audio device, not even SDL's dummy one";
        }
    }

    SdlSoundPlayer player_;
};

TEST_F(SoundTest, WaitLastsTheSoundAndAsyncReturnsAtOnce) {
    for (const char* file : {"cflip.wav", "alert.wav"}) {
        SCOPED_TRACE(file);
        const std::string path = InProgramFolder(file);
        const std::optional<double> seconds = WaveSeconds(path);
        ASSERT_TRUE(seconds.has_value()) << path << " is missing or not a PCM wave file";
        const double lengthMs = *seconds * MsPerSecond;

        const double waited = MsTaken(player_, path, SoundMode::Wait);
        EXPECT_GE(waited, lengthMs - MixerPassMs / 2) << "the sound lasts " << lengthMs << " ms";
        EXPECT_LT(waited, lengthMs + LongestExtraMs);
        // The file is loaded by now, so only the start of the sound is measured.
        EXPECT_LT(MsTaken(player_, path, SoundMode::Async), lengthMs / 2);
    }
}

TEST_F(SoundTest, AnUnplayableFileIsSilentAndReturnsAtOnce) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string missing = folder.filePath("missing.wav").toStdString();
    const std::string empty = folder.filePath("empty.wav").toStdString();
    const std::string corrupt = folder.filePath("corrupt.wav").toStdString();
    std::ofstream(empty, std::ios::binary).flush();
    // A wave header that promises a format chunk and then breaks off into noise.
    std::ofstream(corrupt, std::ios::binary)
        << "RIFF\x24\x08\0\0WAVEfmt \x10\0\0\0garbage, not a sound"sv;
    for (const std::string& path : {missing, empty, corrupt}) {
        EXPECT_LT(MsTaken(player_, path, SoundMode::Wait), AtOnceMs) << path;
        EXPECT_LT(MsTaken(player_, path, SoundMode::Async), AtOnceMs) << path;
    }
}

// With no device at all a waited-for sound returns at once, so the game keeps its pace. An
// unknown driver name is the one sure way to have SDL find no device here.
TEST(SoundWithoutDeviceTest, WaitModeReturnsAtOnce) {
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    {
        SdlSoundPlayer player;
        EXPECT_FALSE(player.HasDevice());
        EXPECT_LT(MsTaken(player, InProgramFolder("alert.wav"), SoundMode::Wait), AtOnceMs);
    }
    qputenv("SDL_AUDIODRIVER", driver);
}

}  // namespace
}  // namespace vantorel
