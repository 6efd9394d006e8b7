#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QtEndian>
#include <mutex>
#include <tuple>

#include "SdlSoundPlayer.h"

// Played on SDL's dummy driver, which consumes audio at the real rate without a sound card, and
// heard as the mixer hands its output to the device.
namespace vantorel {
namespace {

constexpr double PassMs = 512.0 / 44100.0 * 1e3;  // the mixer works in passes of 512 frames

QString WavePath(const char* name) {
    return QCoreApplication::applicationDirPath() + "/" + name;
}

// A wave file that the build wrote beside the program; its length and loudest sample, read as the
// mono 16-bit 44.1 kHz file that its header must say it is.
QByteArray WaveFile(const char* name) {
    QFile file(WavePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(44, '\0');
}
double LengthMs(const QByteArray& wave) {
    return static_cast<double>(wave.size() - 44) / 88.2;
}
int Peak(const QByteArray& wave) {
    int peak = 0;
    for (qsizetype i = 44; i + 1 < wave.size(); i += 2)
        peak = std::max(peak, std::abs(int{qFromLittleEndian<qint16>(wave.constData() + i)}));
    return peak;
}

// The build writes mono 16-bit PCM at 44.1 kHz, and headers that say so: a header that says stereo
// plays the samples at double pitch in half the time. The alert sounds at each step of a win's
// count-up, each followed by a 0.05 s pause, so a Royal Flush's 1000 steps take about two minutes;
// a card flip is a snap and a landing, long over when the next card turns a second later.
TEST(SoundTest, EachWaveFileSaysWhatItHoldsAndLastsAsLongAsItsPart) {
    for (const auto& [name, shortestMs, longestMs] :
         {std::tuple{"cflip.wav", 40, 100}, {"alert.wav", 50, 90}}) {
        const QByteArray wave = WaveFile(name);
        // "RIFF", "WAVE", "fmt " of 16 bytes: PCM, 1 channel, 44100 frames and 88200 bytes a
        // second, 2 bytes a frame, 16 bits; "data". Then the sizes of the file and of the data.
        EXPECT_EQ("5249464657415645666d7420100000000100010044ac0000885801000200100064617461",
                  (wave.left(4) + wave.mid(8, 32)).toHex())
            << name;
        EXPECT_EQ(std::pair(wave.size() - 8, wave.size() - 44),
                  std::pair(qsizetype{qFromLittleEndian<quint32>(wave.constData() + 4)},
                            qsizetype{qFromLittleEndian<quint32>(wave.constData() + 40)}))
            << name;
        EXPECT_TRUE(LengthMs(wave) >= shortestMs && LengthMs(wave) <= longestMs)
            << name << ": " << LengthMs(wave) << " ms";
    }
}

// What the mixer has handed to the device, filled on its thread: the frames from the first one
// heard to the last, and the loudest sample.
struct {
    std::mutex mutex;
    qint64 frames = 0, first = -1, last = -1;
    int peak = 0;
} heard;

void SDLCALL Listen(void*, Uint8* stream, int bytes) {
    const auto* samples = reinterpret_cast<const Sint16*>(stream);  // 16-bit stereo
    const std::lock_guard lock(heard.mutex);
    for (int i = 0; i < bytes / 2; ++i) {
        if (samples[i] == 0) continue;
        heard.first = heard.first < 0 ? heard.frames + i / 2 : heard.first;
        heard.last = heard.frames + i / 2;
        heard.peak = std::max(heard.peak, std::abs(int{samples[i]}));
    }
    heard.frames += bytes / 4;
}

// Each sound is heard once, whole and as loud as its file: a card flip is playing as soon as the
// call returns; a waited-for sound returns after its own length, neither double nor a part of it.
TEST(SoundTest, EachSoundIsHeardOnceWholeAndAsLoudAsItsFile) {
    SdlSoundPlayer player;
    ASSERT_TRUE(player.HasDevice()) << "SDL's dummy audio driver did not open";
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    ASSERT_TRUE(Mix_QuerySpec(&frequency, &format, &channels) && format == AUDIO_S16SYS &&
                channels == 2);
    Mix_SetPostMix(Listen, nullptr);
    for (const auto& [name, mode] :
         {std::pair{"cflip.wav", SoundMode::Async}, {"alert.wav", SoundMode::Wait}}) {
        const QByteArray wave = WaveFile(name);
        double fastestMs = 1e9;
        for (int play = 0; play < 3; ++play) {
            QThread::msleep(4 * play);  // starts spread over a pass
            std::unique_lock lock(heard.mutex);
            heard.first = heard.last = -1;
            heard.peak = 0;
            lock.unlock();
            QElapsedTimer clock;
            const auto ms = [&clock] { return static_cast<double>(clock.nsecsElapsed()) / 1e6; };
            clock.start();
            player.Play(WavePath(name).toStdString(), mode);
            if (mode == SoundMode::Async) {
                EXPECT_GT(Mix_Playing(-1), 0) << name << " is not playing after the call";
            } else {
                EXPECT_GE(ms(), LengthMs(wave) - PassMs / 10) << name << " cut short";
            }
            while (Mix_Playing(-1) > 0 && clock.elapsed() < 2000) QThread::usleep(200);
            fastestMs = std::min(fastestMs, ms());
            QThread::msleep(35);  // until the last pass reaches the listener
            lock.lock();
            EXPECT_NEAR(LengthMs(wave),
                        static_cast<double>(heard.last - heard.first + 1) * 1e3 / frequency, PassMs)
                << name;
            EXPECT_NEAR(Peak(wave), heard.peak, Peak(wave) / 10) << name;
        }
        // A loaded machine only makes a sound late, so the fastest of three tells one played twice.
        EXPECT_LT(fastestMs, LengthMs(wave) * 1.5) << name << " lasts " << LengthMs(wave) << " ms";
    }
    Mix_SetPostMix(nullptr, nullptr);
    QElapsedTimer clock;
    clock.start();
    player.Play("/no/such/file.wav", SoundMode::Wait);
    EXPECT_LT(clock.elapsed(), 50) << "a missing file is waited for";
}

}  // namespace
}  // namespace vantorel
