// Time from constructing the main window to its first painted frame, and the peak memory of a
// process that has shown it.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include "NullServices.h"
#include "Random.h"
#include "Table.h"

namespace {

// Ends the loop when the watched widget (a card place, the last thing drawn) has been painted.
class FirstPaint final : public QObject {
  public:
    explicit FirstPaint(QEventLoop& loop) : loop_(loop) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted_ = true;
            QTimer::singleShot(0, &loop_, &QEventLoop::quit);  // after the paint has finished
        }
        return QObject::eventFilter(watched, event);
    }
    bool painted_ = false;

  private:
    QEventLoop& loop_;
};

void BM_TableToFirstFrame(benchmark::State& state) {
    vantorel::NoDelay delayer;
    vantorel::NoSound sound;
    vantorel::ClockRandom random;
    for (auto _ : state) {
        QEventLoop loop;
        FirstPaint watcher(loop);
        vantorel::Table table(vantorel::TableServices{delayer, sound, random});
        QWidget* lastCard = table.findChild<QWidget*>("Cardimg_5");
        lastCard->installEventFilter(&watcher);
        table.show();
        if (!watcher.painted_) loop.exec();
        benchmark::DoNotOptimize(watcher.painted_);
        state.PauseTiming();
        table.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
// The first window of a run also draws every picture it shows; later ones find them cached.
BENCHMARK(BM_TableToFirstFrame)
    ->Name("TableToFirstFrame/cold")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_TableToFirstFrame)
    ->Name("TableToFirstFrame/warm")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
