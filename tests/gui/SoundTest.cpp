#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <array>
#include <cstdint>
#include <fstream>
#include <optional>
#include <ostream>
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
constexpr double NsPerMs = 1e6;
constexpr double MsPerSecond = 1e3;
// A waited-for sound may end up to one mixer pass early (the mixer reports the end when the last
// samples are mixed) and late by scheduling; these bounds allow both.
constexpr double ShortestWaitShare = 0.9;
constexpr double LongestExtraMs = 500.0;

double MsTaken(SdlSoundPlayer& player, const std::string& path, SoundMode mode) {
    QElapsedTimer clock;
    clock.start();
    player.Play(path, mode);
    return static_cast<double>(clock.nsecsElapsed()) / NsPerMs;
}

std::string InProgramFolder(const char* name) {
    return (QCoreApplication::applicationDirPath() + '/' + QString::fromLatin1(name)).toStdString();
}

std::uint32_t LittleEndian(const std::array<unsigned char, 4>& bytes) {
    return bytes[0] | (bytes[1] << 8U) | (bytes[2] << 16U) |
           (static_cast<std::uint32_t>(bytes[3]) << 24U);
}

// The playing time of a PCM wave file, from its byte rate and the size of its data.
std::optional<double> WaveSeconds(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::array<char, 4> tag{};
    std::array<unsigned char, 4> size{};
    in.seekg(12);  // past "RIFF", the file size and "WAVE"
    std::uint32_t byteRate = 0;
    while (in.read(tag.data(), 4) && in.read(reinterpret_cast<char*>(size.data()), 4)) {
        const std::string name(tag.data(), 4);
        const std::uint32_t length = LittleEndian(size);
        if (name == "fmt ") {
            std::array<unsigned char, 16> fmt{};
            in.read(reinterpret_cast<char*>(fmt.data()), 16);
            byteRate = LittleEndian({fmt[8], fmt[9], fmt[10], fmt[11]});
            in.seekg(length - 16, std::ios::cur);
        } else if (name == "data") {
            if (byteRate == 0) return std::nullopt;
            return static_cast<double>(length) / byteRate;
        } else {
            in.seekg(length + (length & 1U), std::ios::cur);
        }
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

struct WaveRow {
    const char* name;
    const char* file;
};

void PrintTo(const WaveRow& row, std::ostream* out) {
    *out << row.name;
}

class ShippedSound : public SoundTest, public ::testing::WithParamInterface<WaveRow> {};

TEST_P(ShippedSound, WaitModeReturnsWhenTheSoundHasEnded) {
    const std::string path = InProgramFolder(GetParam().file);
    const std::optional<double> seconds = WaveSeconds(path);
    ASSERT_TRUE(seconds.has_value()) << path << " is missing or not a PCM wave file";
    const double lengthMs = *seconds * MsPerSecond;

    const double took = MsTaken(player_, path, SoundMode::Wait);
    EXPECT_GE(took, ShortestWaitShare * lengthMs) << "the sound lasts " << lengthMs << " ms";
    EXPECT_LT(took, lengthMs + LongestExtraMs);
}

TEST_P(ShippedSound, AsyncModeReturnsAtOnce) {
    const std::string path = InProgramFolder(GetParam().file);
    const std::optional<double> seconds = WaveSeconds(path);
    ASSERT_TRUE(seconds.has_value()) << path << " is missing or not a PCM wave file";
    player_.Play(path, SoundMode::Async);  // the first play also loads the file
    EXPECT_LT(MsTaken(player_, path, SoundMode::Async), *seconds * MsPerSecond / 2);
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedSound,
                         ::testing::Values(WaveRow{"CardFlip", "cflip.wav"},
                                           WaveRow{"Alert", "alert.wav"}),
                         [](const ::testing::TestParamInfo<WaveRow>& row) {
                             return std::string(row.param.name);
                         });

enum class BadFile { Missing, Empty, Corrupt };

struct BadRow {
    const char* name;
    BadFile file;
    SoundMode mode;
};

void PrintTo(const BadRow& row, std::ostream* out) {
    *out << row.name;
}

class UnplayableSound : public SoundTest, public ::testing::WithParamInterface<BadRow> {
  protected:
    std::string PathFor(BadFile file) const {
        const QString path = folder_.filePath(QStringLiteral("bad.wav"));
        switch (file) {
            case BadFile::Missing:
                break;
            case BadFile::Empty:
                std::ofstream(path.toStdString(), std::ios::binary);
                break;
            case BadFile::Corrupt:
                // A wave header that promises a format chunk and then breaks off into noise.
                std::ofstream(path.toStdString(), std::ios::binary)
                    << "RIFF\x24\x08\0\0WAVEfmt \x10\0\0\0garbage, not a sound"sv;
                break;
        }
        return path.toStdString();
    }

    QTemporaryDir folder_;
};

TEST_P(UnplayableSound, IsSilentAndReturnsAtOnce) {
    ASSERT_TRUE(folder_.isValid());
    const BadRow& row = GetParam();
    EXPECT_LT(MsTaken(player_, PathFor(row.file), row.mode), AtOnceMs);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnplayableSound,
    ::testing::Values(BadRow{"MissingWait", BadFile::Missing, SoundMode::Wait},
                      BadRow{"MissingAsync", BadFile::Missing, SoundMode::Async},
                      BadRow{"EmptyWait", BadFile::Empty, SoundMode::Wait},
                      BadRow{"EmptyAsync", BadFile::Empty, SoundMode::Async},
                      BadRow{"CorruptWait", BadFile::Corrupt, SoundMode::Wait},
                      BadRow{"CorruptAsync", BadFile::Corrupt, SoundMode::Async}),
    [](const ::testing::TestParamInfo<BadRow>& row) { return std::string(row.param.name); });

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
