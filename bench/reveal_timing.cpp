// The card reveal's pace on the real clock: five one-second waits in a row, as a deal turns up
// five cards, under a live application with a window to repaint. Reports the process's CPU time
// over the sequence (the waits must sleep, not spin) and how late each wait ends.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QLabel>
#include <algorithm>
#include <chrono>
#include <vector>

#include "QtDelayer.h"
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

void RevealFiveCards(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    using Ms = std::chrono::duration<double, std::milli>;
    constexpr double WaitMs = vantorel::timing::BeforeEachCard * 1000.0;

    vantorel::QtDelayer delayer;
    QLabel card(QStringLiteral("back"));
    card.show();
    std::vector<double> lateMs;
    double cpuSeconds = 0.0;
    double wallSeconds = 0.0;

    for (auto _ : state) {
        const double cpuBefore = ProcessCpuSeconds();
        const Clock::time_point wallBefore = Clock::now();
        for (int i = 1; i <= CardsTurned; ++i) {
            const Clock::time_point start = Clock::now();
            delayer.Delay(vantorel::timing::BeforeEachCard);
            lateMs.push_back(Ms(Clock::now() - start).count() - WaitMs);
            card.setText(QStringLiteral("card %1").arg(i));  // repainted during the next wait
        }
        cpuSeconds += ProcessCpuSeconds() - cpuBefore;
        wallSeconds += std::chrono::duration<double>(Clock::now() - wallBefore).count();
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
    const QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
