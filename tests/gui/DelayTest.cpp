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
// and an Interrupt with no wait under way leaves the next wait whole, with the window live.
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

    int processed = 0;
    QMetaObject::invokeMethod(
        &context, [&processed] { ++processed; }, Qt::QueuedConnection);
    const double took = MsTaken(delayer, 0.05);
    EXPECT_EQ(1, processed);
    EXPECT_GE(took, 50.0);
    EXPECT_LT(took, PromptlyMs);
}

}  // namespace
}  // namespace vantorel
