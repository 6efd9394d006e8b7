#include "QtDelayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace vantorel {

namespace {

// QTimer takes whole milliseconds in an int; a longer wait is made of several timer runs.
constexpr double LongestTimerRunMs = 24.0 * 60 * 60 * 1000;
// Longer waits are cut to this, which keeps every conversion of the end time in range.
constexpr double LongestWaitSeconds = 365.0 * 24 * 60 * 60;
constexpr double NanosecondsPerSecond = 1e9;
constexpr double MillisecondsPerSecond = 1e3;

}  // namespace

struct QtDelayer::Wait {
    QEventLoop loop;
    bool interrupted = false;
};

void QtDelayer::Delay(double Seconds) {
    // The end time is kept in single precision, as the game has always measured its waits. NaN,
    // zero and negative values all fail the "later than now" test and return before anything is
    // processed.
    const float endTime = static_cast<float>(std::min(Seconds, LongestWaitSeconds));
    if (!(endTime > 0.0F)) return;

    if (QCoreApplication::instance() == nullptr) {
        // Without an application there is no event queue to wait on; sleep instead, so that the
        // wait still lasts as long as asked.
        std::this_thread::sleep_for(std::chrono::duration<double>(endTime));
        return;
    }

    QElapsedTimer clock;  // monotonic: neither midnight nor a change of the wall clock moves it
    clock.start();
    Wait wait;
    // The wait is listed for Interrupt only while it runs, however it ends.
    struct Listing {
        std::vector<Wait*>& waits;
        Wait& wait;
        Listing(std::vector<Wait*>& all, Wait& one) : waits(all), wait(one) {
            waits.push_back(&wait);
        }
        ~Listing() { waits.erase(std::find(waits.begin(), waits.end(), &wait)); }
        Listing(const Listing&) = delete;
        Listing& operator=(const Listing&) = delete;
    } const listing(waits_, wait);
    RunWait(wait, clock, static_cast<double>(endTime));
}

void QtDelayer::RunWait(Wait& wait, const QElapsedTimer& clock, double endSeconds) {
    const auto elapsedSeconds = [&clock] {
        return static_cast<double>(clock.nsecsElapsed()) / NanosecondsPerSecond;
    };

    // A precise timer, since the coarse default may fire up to 5% early, which on a one-second
    // card turn is a visible 50 ms.
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    bool timerFired = false;
    QObject::connect(&timer, &QTimer::timeout, &wait.loop, [&wait, &timerFired] {
        timerFired = true;
        // Inside a modal window's own loop this only asks our loop to end; our exec() returns
        // once the modal loop has returned, so the modal window holds the wait.
        wait.loop.quit();
    });

    while (!wait.interrupted) {
        const double remaining = endSeconds - elapsedSeconds();
        if (remaining <= 0.0) return;
        // Rounded up, so an early timer comes back with at least one millisecond still to wait
        // rather than spinning on zero-length timers.
        const double remainingMs =
            std::clamp(std::ceil(remaining * MillisecondsPerSecond), 1.0, LongestTimerRunMs);
        timerFired = false;
        timer.start(static_cast<int>(remainingMs));
        wait.loop.exec();
        timer.stop();
        // Only our own timer sends us round again. Anything else that ended the loop (an
        // interrupt, or the application quitting, which ends every loop and lets no new one
        // run) ends the wait.
        if (!timerFired) return;
    }
}

void QtDelayer::Interrupt() {
    for (Wait* wait : waits_) {
        wait->interrupted = true;
        wait->loop.quit();
    }
}

}  // namespace vantorel
