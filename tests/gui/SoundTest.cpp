#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QtEndian>
#include <array>
#include <memory>

#include "SdlSoundPlayer.h"

// Played on SDL's dummy driver, which consumes audio at the real rate without a sound card.
namespace vantorel {
namespace {

constexpr double AtOnceMs = 50.0;  // room for a loaded machine; nothing waits for a sound
// The mixer works in passes of 512 frames (11.6 ms) and may report a sound's end up to a pass
// before it is heard. A waited-for sound is waited for from several points of a pass, and a tenth
// of a pass short is already a sound cut early; lateness is only scheduling, which load stretches.
constexpr double MixerPassMs = 512.0 / 44100.0 * 1e3;
constexpr double LongestExtraMs = 500.0;
constexpr int Plays = 4;

double MsTaken(SdlSoundPlayer& player, const QString& path, SoundMode mode) {
    QElapsedTimer clock;
    clock.start();
    player.Play(path.toStdString(), mode);
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// The playing time of a canonical 44-byte-header wave file: its data size over its byte rate.
double WaveMs(const QString& path) {
    QFile file(path);
    std::array<char, 44> header{};
    if (!file.open(QIODevice::ReadOnly) || file.read(header.data(), 44) != 44 ||
        QByteArray(header.data() + 36, 4) != "data")
        return 0.0;
    return qFromLittleEndian<quint32>(header.data() + 40) * 1e3 /
           qFromLittleEndian<quint32>(header.data() + 28);
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
    EXPECT_LT(MsTaken(player, "/no/such/file.wav", SoundMode::Wait), AtOnceMs) << "a missing file";
}

TEST(SoundTest, WithoutADeviceAWaitReturnsAtOnce) {
    // An unknown driver name is the one sure way to have SDL find no device.
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    EXPECT_LT(MsTaken(*std::make_unique<SdlSoundPlayer>(),
                      QCoreApplication::applicationDirPath() + "/alert.wav", SoundMode::Wait),
              AtOnceMs);
    qputenv("SDL_AUDIODRIVER", driver);
}

}  // namespace
}  // namespace vantorel
