#include <gtest/gtest.h>

#include <QAction>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "VirtualTable.h"

namespace vantorel {
namespace {

QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

int Field(const QString& text, const char* name) {
    return QRegularExpression(QString(name) + R"(:\s*(-?\d+))").match(text).captured(1).toInt();
}

// The frame as the X server and the window manager tell it, read until two readings agree (the
// window manager frames and places a window a little after it is mapped).
QRect XFrame(const QWidget& window) {
    const QString id = QString::number(window.winId());
    QRect last;
    for (int poll = 0; poll < 20; ++poll) {
        QTest::qWait(200);
        const QString info = Output("xwininfo", {"-id", id});
        const auto e = QRegularExpression(R"(= (\d+), (\d+), (\d+), (\d+))")
                           .match(Output("xprop", {"-id", id, "_NET_FRAME_EXTENTS"}));
        const QRect now(Field(info, "Absolute upper-left X") - e.captured(1).toInt(),
                        Field(info, "Absolute upper-left Y") - e.captured(3).toInt(),
                        Field(info, "Width") + e.captured(1).toInt() + e.captured(2).toInt(),
                        Field(info, "Height") + e.captured(3).toInt() + e.captured(4).toInt());
        if (e.hasMatch() && now == last) return now;
        last = now;
    }
    return {};
}

// The table's frame, title bar included, opens centred on the screen, and a window opened from it
// centred on the table's frame, each within a pixel (doubled here, so that half a pixel reads 1).
TEST(CentringTest, FramesDrawnByTheWindowManagerAreCentred) {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "frames need an X display";
    const QString root = Output("xwininfo", {"-root"});
    ASSERT_FALSE(root.isEmpty()) << "xwininfo (x11-utils) is needed to read the frames";
    const auto expectCentred = [](const QRect& inner, const QRect& outer) {
        const QPoint off = inner.topLeft() * 2 + QPoint(inner.width(), inner.height()) -
                           outer.topLeft() * 2 - QPoint(outer.width(), outer.height());
        EXPECT_TRUE(std::abs(off.x()) <= 2 && std::abs(off.y()) <= 2)
            << "frame at " << inner.x() << ',' << inner.y() << " size " << inner.width() << 'x'
            << inner.height() << " inside " << outer.width() << 'x' << outer.height();
    };
    testing::VirtualTable f;
    f.table.show();
    const QRect table = XFrame(f.table);
    ASSERT_GT(table.height(), f.table.height()) << "the table has no title bar";
    expectCentred(table, QRect(0, 0, Field(root, "Width"), Field(root, "Height")));
    QRect window;
    testing::AnswerModal([&] { f.Find<QAction>("Menus_Help_Hands").trigger(); },
                         [&window](QDialog& open) {
                             window = XFrame(open);
                             open.findChild<QPushButton*>("Close_Winning_Hands")->click();
                         });
    ASSERT_TRUE(window.isValid()) << "the pay table was not framed";
    expectCentred(window, table);
}

}  // namespace
}  // namespace vantorel
