#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <optional>

#include "VirtualTable.h"

namespace vantorel {
namespace {

using testing::VirtualTable;

QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

int Field(const QString& text, const QString& name) {
    const auto match = QRegularExpression(name + R"(:\s*(-?\d+))").match(text);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The outer frame of a window as the X server and the window manager tell it, not as the toolkit
// believes it: the client's place on the root window, widened by the frame extents that the
// window manager published for it.
std::optional<QRect> XFrame(WId window) {
    const QString info = Output("xwininfo", {"-id", QString::number(window)});
    const auto extents =
        QRegularExpression(R"(= (\d+), (\d+), (\d+), (\d+))")
            .match(Output("xprop", {"-id", QString::number(window), "_NET_FRAME_EXTENTS"}));
    if (info.isEmpty() || !extents.hasMatch()) return std::nullopt;
    const int left = extents.captured(1).toInt(), right = extents.captured(2).toInt();
    const int top = extents.captured(3).toInt(), bottom = extents.captured(4).toInt();
    return QRect(Field(info, "Absolute upper-left X") - left,
                 Field(info, "Absolute upper-left Y") - top, Field(info, "Width") + left + right,
                 Field(info, "Height") + top + bottom);
}

// A window manager frames and places a window a little after it is mapped: the frame is read
// until two readings agree.
std::optional<QRect> SettledXFrame(const QWidget& window) {
    constexpr int PollMs = 200, Polls = 20;
    std::optional<QRect> last;
    for (int poll = 0; poll < Polls; ++poll) {
        QTest::qWait(PollMs);
        const auto now = XFrame(window.winId());
        if (now && now == last) return now;
        last = now;
    }
    return last;
}

QPoint CentreOffset(const QRect& inner, const QRect& outer) {
    // Twice the offset, so that a centre half a pixel off reads 1.
    return (inner.topLeft() * 2 + QPoint(inner.width(), inner.height())) -
           (outer.topLeft() * 2 + QPoint(outer.width(), outer.height()));
}

// Under a window manager the table's frame, title bar included, opens centred on the screen, and
// a window opened from it has its frame centred on the table's frame: each within a pixel.
TEST(CentringTest, FramesDrawnByTheWindowManagerAreCentred) {
    if (QGuiApplication::platformName() != "xcb") {
        GTEST_SKIP()
            << "no X display: the frames a window manager draws can only be measured on one";
    }
    const QString root = Output("xwininfo", {"-root"});
    ASSERT_FALSE(root.isEmpty()) << "xwininfo (x11-utils) is needed to read the frames";
    const QRect screen(0, 0, Field(root, "Width"), Field(root, "Height"));

    VirtualTable f;
    f.table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.table));
    const auto table = SettledXFrame(f.table);
    ASSERT_TRUE(table) << "the window manager published no frame for the table";
    EXPECT_GT(table->height(), f.table.height()) << "the table has no title bar";
    const QPoint tableOff = CentreOffset(*table, screen);
    EXPECT_LE(std::abs(tableOff.x()), 2) << "table frame " << table->x() << ',' << table->y();
    EXPECT_LE(std::abs(tableOff.y()), 2) << "table frame " << table->x() << ',' << table->y();

    std::optional<QRect> window;
    QTimer::singleShot(0, &f.table, [&window] {
        auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (open == nullptr) return;
        if (QTest::qWaitForWindowExposed(open)) window = SettledXFrame(*open);
        open->findChild<QPushButton*>("Close_Winning_Hands")->click();
    });
    QTimer::singleShot(10000, &f.table, [] {
        if (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget())) open->reject();
    });
    f.Find<QAction>("Menus_Help_Hands").trigger();
    ASSERT_TRUE(window) << "the pay table was not framed";
    const QPoint windowOff = CentreOffset(*window, *table);
    EXPECT_LE(std::abs(windowOff.x()), 2) << "window frame " << window->x() << ',' << window->y();
    EXPECT_LE(std::abs(windowOff.y()), 2) << "window frame " << window->x() << ',' << window->y();
    std::printf("table frame off centre by %.1f,%.1f px; window by %.1f,%.1f px\n",
                tableOff.x() / 2.0, tableOff.y() / 2.0, windowOff.x() / 2.0, windowOff.y() / 2.0);
}

}  // namespace
}  // namespace vantorel
