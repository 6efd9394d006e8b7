#include <gtest/gtest.h>

#include <QAction>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include "VirtualTable.h"

namespace vantorel {
namespace {

// The outer frame as the X server and the window manager tell it, read until two readings agree:
// the window manager frames and places a window a little after it is mapped.
QRect XFrame(const QWidget& window) {
    QRect last;
    for (int poll = 0; poll < 20; ++poll) {
        QTest::qWait(200);
        QProcess tools;
        const QString id = QString::number(window.winId());
        tools.start("sh",
                    {"-c", "xwininfo -id " + id + "; xprop -id " + id + " _NET_FRAME_EXTENTS"});
        tools.waitForFinished(5000);
        const auto m =
            QRegularExpression(
                R"(upper-left X:\s*(-?\d+)\s+Absolute upper-left Y:\s*(-?\d+).*Width: (\d+)\s+Height: (\d+).*= (\d+), (\d+), (\d+), (\d+))",
                QRegularExpression::DotMatchesEverythingOption)
                .match(tools.readAllStandardOutput());
        const auto n = [&m](int i) { return m.captured(i).toInt(); };
        const QRect now(n(1) - n(5), n(2) - n(7), n(3) + n(5) + n(6), n(4) + n(7) + n(8));
        if (m.hasMatch() && now == last) return now;
        last = now;
    }
    return {};
}

// Centred within a pixel: twice each offset, so that half a pixel reads 1.
void ExpectCentred(const QRect& inner, const QRect& outer) {
    const QPoint off = inner.topLeft() * 2 + QPoint(inner.width(), inner.height()) -
                       outer.topLeft() * 2 - QPoint(outer.width(), outer.height());
    EXPECT_TRUE(std::abs(off.x()) <= 2 && std::abs(off.y()) <= 2)
        << "frame " << inner.width() << 'x' << inner.height() << " at " << inner.x() << ','
        << inner.y() << " in " << outer.width() << 'x' << outer.height() << " at " << outer.x()
        << ',' << outer.y();
}

// The table's frame, title bar included, opens centred on the screen, and a window opened from it
// centred on the table's frame.
TEST(CentringTest, FramesDrawnByTheWindowManagerAreCentred) {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "frames need an X display";
    testing::VirtualTable f;
    f.table.show();
    const QRect table = XFrame(f.table);
    ASSERT_GT(table.height(), f.table.height()) << "no title bar: is a window manager running?";
    ExpectCentred(table, QGuiApplication::primaryScreen()->geometry());
    QRect window;
    testing::AnswerModal([&] { f.Find<QAction>("Menus_Help_Hands").trigger(); },
                         [&window](QDialog& open) {
                             window = XFrame(open);
                             open.findChild<QPushButton*>("Close_Winning_Hands")->click();
                         });
    ExpectCentred(window, table);
}

}  // namespace
}  // namespace vantorel
