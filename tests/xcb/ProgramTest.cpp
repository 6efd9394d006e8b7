#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include "ReferenceImage.h"

// The program as a player starts it, on the test command's X display with its window manager.
namespace vantorel {
namespace {

// Runs an X client to its end, ten seconds at most, and gives what it printed.
QString XClient(const QString& command) {
    QStringList arguments = QProcess::splitCommand(command);
    QProcess process;
    process.start(arguments.takeFirst(), arguments);
    if (!process.waitForFinished(10000)) process.kill();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// A window's frame as X and the window manager tell it, read until it settles after the window
// maps.
QRect XFrame(const QString& window) {
    static const QRegularExpression pattern(
        R"(left X:\s*(-?\d+)\s+Absolute upper-left Y:\s*(-?\d+).*Width: (\d+)\s+Height: (\d+).*= (\d+), (\d+), (\d+), (\d+))",
        QRegularExpression::DotMatchesEverythingOption);
    QRect last;
    for (int poll = 0; poll < 20; ++poll) {
        QTest::qWait(200);
        const auto m = pattern.match(XClient("xwininfo -id " + window) +
                                     XClient("xprop -id " + window + " _NET_FRAME_EXTENTS"));
        const auto n = [&m](int i) { return m.captured(i).toInt(); };
        const QRect now(n(1) - n(5), n(2) - n(7), n(3) + n(5) + n(6), n(4) + n(7) + n(8));
        if (m.hasMatch() && now == last) return now;
        last = now;
    }
    return {};
}

// Centred within a pixel: twice each offset, so that half a pixel reads 1.
void ExpectCentred(const QRect& inner, const QRect& outer, const char* what) {
    const QPoint twice =
        inner.topLeft() + inner.bottomRight() - outer.topLeft() - outer.bottomRight();
    EXPECT_TRUE(std::abs(twice.x()) <= 2 && std::abs(twice.y()) <= 2)
        << what << " off centre by " << twice.x() / 2.0 << ", " << twice.y() / 2.0 << " px";
}

// Whether card place 1..5 of a table window shows picture n on screen. The places stand as
// designed, under the menu bar.
bool Shows(const QImage& window, int place, int n) {
    const QImage card = window.copy(56 + 128 * (place - 1), window.height() - 422 + 64, 113, 201);
    CardPlace named(nullptr);
    named.SetPicture(n);
    const QImage reference = testing::Reference(testing::CardReference(named), card.pixel(0, 0));
    return testing::PixelsOff(card, reference) <= testing::PixelsAllowedOff;
}

// The window "Vantorel" maps centred on the screen with the start-up hand (Ace, King, Queen, Jack
// and Ten of one suit); the pay table opens centred on it; Game > Exit ends the program with
// status 0, and so does the close box at once in the middle of a deal, once the first card has
// turned with its sound.
TEST(ProgramTest, OpensCentredOnTheStartUpTableAndEndsWithStatusZero) {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "the program needs an X display";
    for (const std::string end : {"Game > Exit", "the close box during a deal"}) {
        QFile::remove("sdlaudio.raw");  // where SDL's disk driver writes what the program plays
        QProcess game;
        game.start(QCoreApplication::applicationDirPath() + "/vantorel");
        const auto find = [pid = QString::number(game.processId())](const QString& title) {
            return XClient("xdotool search --all --sync --onlyvisible --pid " + pid +
                           " --name \"^" + title + "$\"");
        };
        const QString table = find("Vantorel");
        const auto screen = [&table] {
            return QGuiApplication::primaryScreen()->grabWindow(table.toULong()).toImage();
        };
        bool startUp = false;
        for (int look = 0; look < 50 && !table.isEmpty() && !startUp; ++look) {
            QTest::qWait(100);  // until it is painted
            const QImage shown = screen();
            for (int ace = 1; ace <= 40 && !startUp; ace += 13)
                startUp = Shows(shown, 1, ace) && Shows(shown, 2, ace + 12) &&
                          Shows(shown, 3, ace + 11) && Shows(shown, 4, ace + 10) &&
                          Shows(shown, 5, ace + 9);
        }
        EXPECT_TRUE(startUp) << end << (table.isEmpty() ? ": no window" : ": no start-up hand");
        const auto menu = [&table](const QString& keys) {  // opened by a click on its first menu
            XClient("xdotool mousemove --window " + table + " 20 8 click 1 sleep 0.3 key " + keys);
        };
        if (end == "Game > Exit") {
            const QRect frame = XFrame(table);
            ASSERT_GT(frame.width(), 746) << "no frame: is a window manager running?";
            ExpectCentred(frame, QGuiApplication::primaryScreen()->geometry(), "the table");
            menu("Right Right Return");  // Help > Winning Hands
            ExpectCentred(XFrame(find("Vantorel - Winning Hands")), frame, "the pay table");
            XClient("xdotool key Return");  // O.K
            menu("Up Return");              // Game > Exit, the last item
        } else {
            // New Game and Deal by Enter on the main button, which has the focus.
            XClient("xdotool windowactivate --sync " + table +
                    " key Return sleep 0.3 key Return sleep 1.5");
            const QImage dealing = screen();
            EXPECT_TRUE(!Shows(dealing, 1, 53) && Shows(dealing, 5, 53))
                << "the first card is not turned alone";
            QFile played("sdlaudio.raw");
            EXPECT_TRUE(played.open(QIODevice::ReadOnly) &&
                        played.readAll().count('\0') < played.size())
                << "the first card turned in silence";
            XClient("xdotool key alt+F4");  // openbox's close
        }
        EXPECT_TRUE(game.waitForFinished(2500)) << end;
        EXPECT_EQ(std::pair(QProcess::NormalExit, 0), std::pair(game.exitStatus(), game.exitCode()))
            << end;
    }
}

}  // namespace
}  // namespace vantorel
