#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "QtDelayer.h"

// On the real clock, so few and short; the bounds are loose for a busy machine and tight enough to
// catch a wait that ends early or hangs.
namespace vantorel {
namespace {

constexpr double PromptlyMs = 1000.0;  // an interrupted ten-second wait ends well inside this

double MsTaken(QtDelayer& delayer, double seconds) {
    QElapsedTimer clock;
    clock.start();
    delayer.Delay(seconds);
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// Waits nest when an event handled during one wait starts another; one Interrupt ends them all,
// and the next wait is whole.
TEST(QtDelayerTest, WaitsItsFullTimeUnlessInterrupted) {
    QtDelayer delayer;
    QObject context;
    double innerTook = -1.0;
    QTimer::singleShot(10, &context, [&] {
        QTimer::singleShot(20, &context, [&delayer] { delayer.Interrupt(); });
        innerTook = MsTaken(delayer, 10.0);
    });
    const double outerTook = MsTaken(delayer, 10.0);
    ASSERT_GE(innerTook, 0.0) << "the inner wait never started";
    EXPECT_LT(innerTook, PromptlyMs);
    EXPECT_LT(outerTook, PromptlyMs);

    EXPECT_GE(MsTaken(delayer, 0.05), 50.0) << "an interrupt from before cut the next wait short";
}

}  // namespace
}  // namespace vantorel
