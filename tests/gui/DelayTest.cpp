#include <gtest/gtest.h>

#include <QDialog>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <limits>

#include "QtDelayer.h"

// These run on the real clock, so they are few and short; each one's timing bounds are loose
// enough for a busy machine and tight enough to catch a wait that ends early or hangs.
namespace vantorel {
namespace {

constexpr double AtOnceMs = 50.0;      // what "returns at once" allows, on a loaded machine
constexpr double PromptlyMs = 1000.0;  // an interrupted ten-second wait must end well inside this

double MsSince(const QElapsedTimer& clock) {
    constexpr double NsPerMs = 1e6;
    return static_cast<double>(clock.nsecsElapsed()) / NsPerMs;
}

double MsTaken(QtDelayer& delayer, double seconds) {
    QElapsedTimer clock;
    clock.start();
    delayer.Delay(seconds);
    return MsSince(clock);
}

TEST(QtDelayerTest, NothingToWaitForReturnsAtOnceWithoutProcessingEvents) {
    QtDelayer delayer;
    // 1e-50 is too small for single precision: the end time rounds to zero.
    for (const double seconds : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(), 1e-50}) {
        int processed = 0;
        {
            // The receiver goes at the end of the block and takes its pending event with it, so
            // nothing of this test is left for a later wait to process.
            QObject receiver;
            QMetaObject::invokeMethod(
                &receiver, [&processed] { ++processed; }, Qt::QueuedConnection);
            EXPECT_LT(MsTaken(delayer, seconds), AtOnceMs) << seconds;
        }
        EXPECT_EQ(0, processed) << seconds;
    }
}

TEST(QtDelayerTest, ProcessesPendingEventsAndWaitsItsFullTime) {
    QtDelayer delayer;
    QObject receiver;
    int processed = 0;
    QMetaObject::invokeMethod(
        &receiver, [&processed] { ++processed; }, Qt::QueuedConnection);
    const double took = MsTaken(delayer, 0.05);
    EXPECT_EQ(1, processed);
    EXPECT_GE(took, 50.0);
    EXPECT_LT(took, PromptlyMs);
}

TEST(QtDelayerTest, AModalWindowOpenedDuringAWaitHoldsTheWaitUntilItCloses) {
    constexpr int OpenAfterMs = 10;
    constexpr int CloseAfterMs = 200;
    QtDelayer delayer;
    QObject context;
    QElapsedTimer clock;
    double closedAt = -1.0;
    QTimer::singleShot(OpenAfterMs, &context, [&] {
        QDialog dialog;
        QTimer::singleShot(CloseAfterMs, &dialog, &QDialog::accept);
        dialog.exec();
        closedAt = MsSince(clock);
    });
    clock.start();
    delayer.Delay(0.05);
    const double returnedAt = MsSince(clock);

    ASSERT_GE(closedAt, 0.0) << "the modal dialog never opened";
    EXPECT_GE(returnedAt, closedAt);
    EXPECT_GE(returnedAt, static_cast<double>(CloseAfterMs));
}

// Waits nest when an event handled during one wait starts another; one Interrupt ends them all.
TEST(QtDelayerTest, InterruptEndsEveryLongWaitUnderWayPromptly) {
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
}

TEST(QtDelayerTest, InterruptWithNoWaitUnderWayLeavesTheNextWaitWhole) {
    QtDelayer delayer;
    delayer.Interrupt();
    EXPECT_GE(MsTaken(delayer, 0.05), 50.0);
}

}  // namespace
}  // namespace vantorel
