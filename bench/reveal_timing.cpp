// The card reveal's pace on the real clock: a real deal on the real main window, five cards turned
// up one second apart. Reports the process's CPU time over the deal (the waits must sleep, not
// spin) and how late each wait ends.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <vector>

#include "NullServices.h"
#include "QtDelayer.h"
#include "Random.h"
#include "Table.h"
#include "Timing.h"

namespace {

constexpr int CardsTurned = 5;
constexpr double PercentPerUnit = 100.0;

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The real waits, each timed from the moment the engine asks for it.
class TimedDelayer final : public vantorel::Delayer {
  public:
    void Delay(double Seconds) override {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point start = Clock::now();
        real_.Delay(Seconds);
        lateMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count() -
                         Seconds * 1000.0);
    }
    void Interrupt() override { real_.Interrupt(); }

    std::vector<double> lateMs;

  private:
    vantorel::QtDelayer real_;
};

void RevealFiveCards(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;

    TimedDelayer delayer;
    vantorel::NoSound sound;
    vantorel::ClockRandom random;
    vantorel::Table table(vantorel::TableServices{delayer, sound, random});
    table.show();
    auto* placeBet = table.findChild<QPushButton*>("Place_Bet");
    std::vector<double>& lateMs = delayer.lateMs;
    double cpuSeconds = 0.0;
    double wallSeconds = 0.0;

    for (auto _ : state) {
        state.PauseTiming();
        if (table.Data().State() != vantorel::GameState::Betting) placeBet->click();  // New Game
        state.ResumeTiming();
        const double cpuBefore = ProcessCpuSeconds();
        const Clock::time_point wallBefore = Clock::now();
        placeBet->click();  // Deal: five cards, each after a wait of one second
        cpuSeconds += ProcessCpuSeconds() - cpuBefore;
        wallSeconds += std::chrono::duration<double>(Clock::now() - wallBefore).count();
        if (lateMs.size() != CardsTurned) state.SkipWithError("the deal did not wait five times");
    }

    std::sort(lateMs.begin(), lateMs.end());
    state.counters["cpu_pct_of_core"] = PercentPerUnit * cpuSeconds / wallSeconds;
    state.counters["late_median_ms"] = lateMs[lateMs.size() / 2];
    state.counters["late_min_ms"] = lateMs.front();
    state.counters["late_max_ms"] = lateMs.back();
}

// One sequence is the measurement: five real seconds, as a player sees it.
BENCHMARK(RevealFiveCards)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The offscreen platform needs no display; a real one is used when the caller names it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
