#include <gtest/gtest.h>

#include <QDialog>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <limits>
#include <ostream>
#include <string>

#include "QtDelayer.h"

// These run on the real clock, so they are few and short; each one's timing bounds are loose
// enough for a busy machine and tight enough to catch a wait that ends early or hangs.
namespace vantorel {
namespace {

constexpr double AtOnceMs = 50.0;      // what "returns at once" allows, on a loaded machine
constexpr double PromptlyMs = 1000.0;  // an interrupted ten-second wait must end well inside this
constexpr double NsPerMs = 1e6;

double MsSince(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / NsPerMs;
}

struct NoWaitRow {
    const char* name;
    double seconds;
};

void PrintTo(const NoWaitRow& row, std::ostream* out) {
    *out << row.name;
}

class DelayWithNothingToWait : public ::testing::TestWithParam<NoWaitRow> {};

TEST_P(DelayWithNothingToWait, ReturnsAtOnceWithoutProcessingEvents) {
    QtDelayer delayer;
    int processed = 0;
    {
        // The receiver goes at the end of the block and takes its pending event with it, so
        // nothing of this test is left for the next one to process.
        QObject receiver;
        QMetaObject::invokeMethod(
            &receiver, [&processed] { ++processed; }, Qt::QueuedConnection);
        QElapsedTimer clock;
        clock.start();
        delayer.Delay(GetParam().seconds);
        EXPECT_LT(MsSince(clock), AtOnceMs);
    }
    EXPECT_EQ(0, processed);
}

INSTANTIATE_TEST_SUITE_P(
    Seconds, DelayWithNothingToWait,
    ::testing::Values(NoWaitRow{"Zero", 0.0}, NoWaitRow{"Negative", -1.0},
                      NoWaitRow{"NotANumber", std::numeric_limits<double>::quiet_NaN()},
                      // Too small for single precision: the end time rounds to zero.
                      NoWaitRow{"RoundsToZero", 1e-50}),
    [](const ::testing::TestParamInfo<NoWaitRow>& row) { return std::string(row.param.name); });

TEST(QtDelayerTest, ProcessesPendingEventsAndWaitsItsFullTime) {
    QtDelayer delayer;
    QObject receiver;
    int processed = 0;
    QMetaObject::invokeMethod(
        &receiver, [&processed] { ++processed; }, Qt::QueuedConnection);
    QElapsedTimer clock;
    clock.start();
    delayer.Delay(0.05);
    const double took = MsSince(clock);
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

TEST(QtDelayerTest, InterruptEndsALongWaitPromptly) {
    QtDelayer delayer;
    QObject context;
    QTimer::singleShot(20, &context, [&delayer] { delayer.Interrupt(); });
    QElapsedTimer clock;
    clock.start();
    delayer.Delay(10.0);
    EXPECT_LT(MsSince(clock), PromptlyMs);
}

TEST(QtDelayerTest, InterruptEndsNestedWaitsTogether) {
    QtDelayer delayer;
    QObject context;
    double innerReturnedAt = -1.0;
    QElapsedTimer clock;
    QTimer::singleShot(10, &context, [&] {
        QTimer::singleShot(20, &context, [&delayer] { delayer.Interrupt(); });
        delayer.Delay(10.0);
        innerReturnedAt = MsSince(clock);
    });
    clock.start();
    delayer.Delay(10.0);
    const double outerReturnedAt = MsSince(clock);

    ASSERT_GE(innerReturnedAt, 0.0) << "the inner wait never started";
    EXPECT_LT(innerReturnedAt, PromptlyMs);
    EXPECT_LT(outerReturnedAt, PromptlyMs);
}

TEST(QtDelayerTest, InterruptWithNoWaitUnderWayLeavesTheNextWaitWhole) {
    QtDelayer delayer;
    delayer.Interrupt();
    QElapsedTimer clock;
    clock.start();
    delayer.Delay(0.05);
    EXPECT_GE(MsSince(clock), 50.0);
}

}  // namespace
}  // namespace vantorel
