#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "CardPlace.h"
#include "QtDelayer.h"
#include "RecordingServices.h"
#include "ScriptedRandom.h"
#include "Table.h"

namespace vantorel {
namespace {

// The round's waits on the real event queue: a close or a new game in the middle of a deal must
// end the deal at once, not after its five seconds.
struct RealTable {
    testing::EventLog log;
    QtDelayer delayer;
    testing::RecordingSound sound{log};
    testing::ScriptedRandom random;
    Table table{TableServices{delayer, sound, random}, "/opt/vantorel"};

    RealTable() {
        table.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&table));
        Click("Place_Bet");  // New Game: no wait
    }
    void Click(const char* name) {
        QTest::mouseClick(table.findChild<QPushButton*>(name), Qt::LeftButton);
    }
    int Picture(int place) {
        return table.findChild<CardPlace*>(QString("Cardimg_%1").arg(place))->Picture();
    }
};

TEST(TableRealClockTest, ClosingTheWindowDuringTheDealEndsItAtOnce) {
    RealTable t;
    QTimer::singleShot(1300, &t.table, [&t] { t.table.close(); });
    QElapsedTimer clock;
    clock.start();
    t.Click("Place_Bet");  // Deal: five seconds of waits unless abandoned
    EXPECT_LT(clock.elapsed(), 2500);
    EXPECT_FALSE(t.table.isVisible());
    EXPECT_EQ(t.Picture(1), t.table.Data().Hand[1]);  // turned at one second
    EXPECT_EQ(t.Picture(2), RedBackPicture);          // never turned
    EXPECT_EQ(t.sound.Plays(), 1);
}

TEST(TableRealClockTest, ANewGameConfirmedDuringTheDealStartsCleanly) {
    RealTable t;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            qobject_cast<QDialog*>(modal)->done(0);
    });
    QTimer::singleShot(400, &t.table, [&] {
        QTimer::singleShot(200, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Vantorel");
            EXPECT_TRUE(
                box->text().startsWith("Starting a new game now will clear your current score."));
            EXPECT_TRUE(box->text().endsWith(QString(28, ' ') + "Are you sure?"));
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
            box->button(QMessageBox::Yes)->click();
        });
        watchdog.start(5000);
        t.table.findChild<QAction*>("Menus_Game_New")->trigger();
    });
    QElapsedTimer clock;
    clock.start();
    t.Click("Place_Bet");  // Deal
    EXPECT_LT(clock.elapsed(), 2500);
    const GameData& data = t.table.Data();
    EXPECT_EQ(data.State(), GameState::Betting);
    EXPECT_EQ(data.Score, 100);
    EXPECT_EQ(data.HandStats[GameData::HandsPlayed], 0);
    for (int place = 1; place <= 5; ++place) EXPECT_EQ(t.Picture(place), RedBackPicture) << place;
    EXPECT_EQ(t.sound.Plays(), 0);
    // The new game deals as any other.
    t.table.findChild<QAction*>("Menus_Options_QPlay")->setChecked(true);
    QTimer::singleShot(100, &t.table, [&t] { t.table.close(); });
    t.Click("Place_Bet");
}

TEST(TableRealClockTest, AnsweringNoLeavesTheRoundToFinish) {
    RealTable t;
    QTimer::singleShot(300, &t.table, [&] {
        QTimer::singleShot(100, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::No)->click();
        });
        t.table.findChild<QAction*>("Menus_Game_New")->trigger();
    });
    t.Click("Place_Bet");  // Deal, to the end
    EXPECT_EQ(t.table.Data().State(), GameState::CardsOut);
    EXPECT_EQ(t.table.Data().Score, 95);
    EXPECT_EQ(t.sound.Plays(), 5);
    for (int place = 1; place <= 5; ++place)
        EXPECT_EQ(t.Picture(place), t.table.Data().Hand[place]) << place;
}

}  // namespace
}  // namespace vantorel

namespace vantorel {
namespace {

// The program's own loop: closing the window in the middle of a deal ends the deal and the
// program with it, instead of running the round on without a window.
TEST(TableRealClockTest, TheProgramEndsWhenTheWindowClosesDuringADeal) {
    testing::EventLog log;
    QtDelayer delayer;
    testing::RecordingSound sound{log};
    testing::ScriptedRandom random;
    Table table{TableServices{delayer, sound, random}, "/opt/vantorel"};
    table.show();
    auto* placeBet = table.findChild<QPushButton*>("Place_Bet");
    QTimer::singleShot(0, placeBet, &QPushButton::click);   // New Game
    QTimer::singleShot(10, placeBet, &QPushButton::click);  // Deal: five seconds unless abandoned
    QTimer::singleShot(1200, &table, &QWidget::close);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(4000);

    QApplication::setQuitOnLastWindowClosed(true);
    QElapsedTimer clock;
    clock.start();
    const int code = QApplication::exec();
    QApplication::setQuitOnLastWindowClosed(false);

    EXPECT_EQ(code, 0) << "the program ran on after its window closed";
    EXPECT_LT(clock.elapsed(), 2500);
    EXPECT_EQ(sound.Plays(), 1);  // the one card turned before the close
}

}  // namespace
}  // namespace vantorel
