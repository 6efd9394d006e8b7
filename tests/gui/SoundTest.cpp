#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include "SdlSoundPlayer.h"

// Played on SDL's dummy driver, which consumes audio at the real rate without a sound card.
namespace vantorel {
namespace {

constexpr double AtOnceMs = 50.0;  // room for a loaded machine; nothing waits for a sound
// The mixer works in passes of 512 frames at 44100 a second (11.6 ms) and reports a sound's end up
// to a pass before it is heard, by where in a pass the sound began. A waited-for sound lasts its
// whole length, so a tenth of a pass short is already a sound cut early; lateness is only
// scheduling, which load stretches. Each sound is waited for a few times, each starting at a
// later point of a pass, so one that stops early from any starting point is caught.
constexpr double MixerPassMs = 512.0 / 44100.0 * 1e3;
constexpr double LongestExtraMs = 500.0;
constexpr int Plays = 4;

double MsTaken(SdlSoundPlayer& player, const QString& path, SoundMode mode) {
    QElapsedTimer clock;
    clock.start();
    player.Play(path.toStdString(), mode);
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// A PCM wave file's playing time: its data size over its byte rate, read from the header.
double WaveMs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 0.0;
    const QByteArray bytes = file.readAll();
    const auto u32 = [&bytes](qsizetype at) {  // little-endian
        quint32 value = 0;
        for (qsizetype i = at + 3; i >= at && i < bytes.size(); --i)
            value = value << 8U | static_cast<quint8>(bytes[i]);
        return value;
    };
    double byteRate = 0.0;
    for (qsizetype at = 12; at + 8 <= bytes.size(); at += 8 + u32(at + 4) + (u32(at + 4) & 1U)) {
        if (bytes.mid(at, 4) == "fmt ") byteRate = u32(at + 16);
        if (bytes.mid(at, 4) == "data" && byteRate > 0) return u32(at + 4) / byteRate * 1e3;
    }
    return 0.0;
}

TEST(SoundTest, WaitLastsTheWholeSoundAndAsyncReturnsAtOnce) {
    SdlSoundPlayer player;
    ASSERT_TRUE(player.HasDevice()) << "SDL's dummy audio driver did not open";
    for (const char* file : {"/cflip.wav", "/alert.wav"}) {
        const QString path = QCoreApplication::applicationDirPath() + file;
        const double lengthMs = WaveMs(path);
        ASSERT_GT(lengthMs, 0.0) << file << " is missing or not a PCM wave file";
        for (int play = 0; play < Plays; ++play) {
            QThread::usleep(static_cast<unsigned long>(play * MixerPassMs * 1e3 / Plays));
            const double waited = MsTaken(player, path, SoundMode::Wait);
            EXPECT_GE(waited, lengthMs - MixerPassMs / 10) << file << " lasts " << lengthMs;
            EXPECT_LT(waited, lengthMs + LongestExtraMs) << file;
        }
        EXPECT_LT(MsTaken(player, path, SoundMode::Async), lengthMs / 2) << file;
    }
}

TEST(SoundTest, AMissingFileOrNoDeviceIsSilentAndReturnsAtOnce) {
    {
        SdlSoundPlayer player;
        EXPECT_LT(MsTaken(player, QDir::tempPath() + "/missing.wav", SoundMode::Wait), AtOnceMs);
    }
    // An unknown driver name is the one sure way to have SDL find no device.
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    {
        SdlSoundPlayer none;
        const QString alert = QCoreApplication::applicationDirPath() + "/alert.wav";
        EXPECT_LT(MsTaken(none, alert, SoundMode::Wait), AtOnceMs);
    }
    qputenv("SDL_AUDIODRIVER", driver);
}

}  // namespace
}  // namespace vantorel
