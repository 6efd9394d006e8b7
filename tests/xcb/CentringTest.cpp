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

// The frame as X and the window manager tell it, read until it settles after the window maps.
QRect XFrame(const QWidget& window) {
    const WId id = window.winId();
    static const QRegularExpression pattern(
        R"(left X:\s*(-?\d+)\s+Absolute upper-left Y:\s*(-?\d+).*Width: (\d+)\s+Height: (\d+).*= (\d+), (\d+), (\d+), (\d+))",
        QRegularExpression::DotMatchesEverythingOption);
    QRect last;
    for (int poll = 0; poll < 20; ++poll) {
        QTest::qWait(200);
        QProcess sh;
        sh.start("sh", {"-c", QString("xwininfo -id %1; xprop -id %1 _NET_FRAME_EXTENTS").arg(id)});
        sh.waitForFinished(5000);
        const auto m = pattern.match(sh.readAllStandardOutput());
        const auto n = [&m](int i) { return m.captured(i).toInt(); };
        const QRect now(n(1) - n(5), n(2) - n(7), n(3) + n(5) + n(6), n(4) + n(7) + n(8));
        if (m.hasMatch() && now == last) return now;
        last = now;
    }
    return {};
}

// Centred within a pixel: twice each offset, so that half a pixel reads 1.
void ExpectCentred(const QRect& inner, const QRect& outer) {
    const QPoint twice =
        inner.topLeft() + inner.bottomRight() - outer.topLeft() - outer.bottomRight();
    EXPECT_TRUE(std::abs(twice.x()) <= 2 && std::abs(twice.y()) <= 2)
        << "off centre by " << twice.x() / 2.0 << ", " << twice.y() / 2.0 << " px";
}

// The table's frame opens centred on the screen, and a window opened from it on the table's.
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
