// Synthesises the game's two sounds into the folder named on the command line:
//   cflip.wav  a card flipped onto the table: two short bursts of filtered noise;
//   alert.wav  a short bright chime of two decaying sine partials.
// Both are 16-bit PCM mono at 44.1 kHz and come out byte for byte the same on every build: the
// noise comes from a fixed-seed generator whose sequence the C++ standard pins down.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace vantorel {
namespace {

constexpr int SampleRate = 44100;
constexpr int BitsPerSample = 16;
constexpr int Channels = 1;
constexpr double FullScale = 32767.0;
// Both sounds peak here, a little below full scale, so they never clip once mixed.
constexpr double PeakLevel = 0.7;
constexpr double TwoPi = 2.0 * std::numbers::pi;

using Samples = std::vector<double>;

int SampleCount(double seconds) {
    return static_cast<int>(std::lround(seconds * SampleRate));
}
double TimeOf(int sample) {
    return static_cast<double>(sample) / SampleRate;
}

// A second-order band-pass filter (the usual audio-cookbook form, 0 dB at its centre): it gives
// white noise the papery colour of card stock.
class BandPass {
  public:
    BandPass(double centreHz, double q) {
        const double w0 = TwoPi * centreHz / SampleRate;
        const double alpha = std::sin(w0) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        b0_ = alpha / a0;
        b2_ = -alpha / a0;
        a1_ = -2.0 * std::cos(w0) / a0;
        a2_ = (1.0 - alpha) / a0;
    }

    double Process(double x) {
        const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

  private:
    double b0_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// White noise in [-1, 1) from the standard's Mersenne Twister, whose output sequence is fixed by
// the standard (the library's distributions are not, so the scaling is done here).
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : engine_(seed) {}
    double Next() {
        const auto centred = static_cast<std::int64_t>(engine_()) - (std::int64_t{1} << 31);
        return static_cast<double>(centred) / static_cast<double>(std::int64_t{1} << 31);
    }

  private:
    std::mt19937 engine_;
};

// A fast rise and an exponential fall, the shape of anything struck.
double StrikeEnvelope(double t, double attack, double decay) {
    if (t < 0.0) return 0.0;
    const double rise = t < attack ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack) : 1.0;
    return rise * std::exp(-t / decay);
}

// The last few milliseconds fade to silence so a sound never ends on a click.
void FadeOutTail(Samples& samples, double seconds) {
    const int fade = std::min(SampleCount(seconds), static_cast<int>(samples.size()));
    const int first = static_cast<int>(samples.size()) - fade;
    for (int i = 0; i < fade; ++i) {
        samples[first + i] *= 0.5 + 0.5 * std::cos(std::numbers::pi * (i + 1) / fade);
    }
}

void Normalise(Samples& samples) {
    double peak = 0.0;
    for (const double s : samples) peak = std::max(peak, std::abs(s));
    if (peak <= 0.0) return;
    for (double& s : samples) s *= PeakLevel / peak;
}

// The card leaves the hand with a crisp snap and lands a moment later with a softer, duller tap.
Samples CardFlip() {
    constexpr double Length = 0.075;
    constexpr double LandingAt = 0.030;
    constexpr std::uint32_t Seed = 20040329;

    struct Click {
        double at, attack, decay, level;
        BandPass colour;
    };
    std::array<Click, 2> clicks{
        Click{0.0, 0.0008, 0.0070, 1.0, BandPass(3200.0, 0.9)},
        Click{LandingAt, 0.0015, 0.0120, 0.55, BandPass(1400.0, 0.7)},
    };

    Noise noise(Seed);
    Samples samples(SampleCount(Length));
    for (int i = 0; i < static_cast<int>(samples.size()); ++i) {
        const double white = noise.Next();
        double s = 0.0;
        for (Click& click : clicks) {
            s += click.level * StrikeEnvelope(TimeOf(i) - click.at, click.attack, click.decay) *
                 click.colour.Process(white);
        }
        samples[i] = s;
    }
    FadeOutTail(samples, 0.005);
    Normalise(samples);
    return samples;
}

// A short two-note chime (G6 with the D7 a fifth above); it is heard at every step of a win's
// count-up, a thousand times for a Royal Flush, so it stays brief.
Samples Alert() {
    constexpr double Length = 0.070;
    struct Partial {
        double hz, level, decay;
    };
    constexpr std::array<Partial, 2> partials{
        Partial{1567.98, 1.0, 0.024},
        Partial{2349.32, 0.45, 0.015},
    };
    constexpr double Attack = 0.002;

    Samples samples(SampleCount(Length));
    for (int i = 0; i < static_cast<int>(samples.size()); ++i) {
        const double t = TimeOf(i);
        double s = 0.0;
        for (const Partial& p : partials) {
            s += p.level * StrikeEnvelope(t, Attack, p.decay) * std::sin(TwoPi * p.hz * t);
        }
        samples[i] = s;
    }
    FadeOutTail(samples, 0.004);
    Normalise(samples);
    return samples;
}

void PutLittleEndian(std::vector<char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFU));
}

void PutTag(std::vector<char>& out, const char (&tag)[5]) {
    out.insert(out.end(), tag, tag + 4);
}

// A canonical 44-byte RIFF header followed by the samples.
bool WriteWave(const std::filesystem::path& file, const Samples& samples) {
    constexpr std::uint32_t BytesPerSample = BitsPerSample / 8;
    constexpr std::uint32_t FmtChunkSize = 16;
    constexpr std::uint32_t PcmFormat = 1;
    constexpr std::uint32_t HeaderAfterRiffSize = 36;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * BytesPerSample);

    std::vector<char> out;
    PutTag(out, "RIFF");
    PutLittleEndian(out, HeaderAfterRiffSize + dataSize, 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutLittleEndian(out, FmtChunkSize, 4);
    PutLittleEndian(out, PcmFormat, 2);
    PutLittleEndian(out, Channels, 2);
    PutLittleEndian(out, SampleRate, 4);
    PutLittleEndian(out, SampleRate * Channels * BytesPerSample, 4);
    PutLittleEndian(out, Channels * BytesPerSample, 2);
    PutLittleEndian(out, BitsPerSample, 2);
    PutTag(out, "data");
    PutLittleEndian(out, dataSize, 4);
    for (const double s : samples) {
        const auto pcm =
            static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * FullScale));
        PutLittleEndian(out, static_cast<std::uint16_t>(pcm), 2);
    }

    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(stream);
}

}  // namespace
}  // namespace vantorel

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_waves OUTPUT_FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);

    bool ok = vantorel::WriteWave(folder / "cflip.wav", vantorel::CardFlip());
    ok = vantorel::WriteWave(folder / "alert.wav", vantorel::Alert()) && ok;
    if (!ok) {
        std::cerr << "make_waves: cannot write the wave files into " << folder << '\n';
        return 1;
    }
    return 0;
}
