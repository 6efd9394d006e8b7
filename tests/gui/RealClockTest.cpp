#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "FakeTable.h"
#include "QtDelayer.h"
#include "Table.h"

namespace vantorel {
namespace {

// The program's own loop on the real clock: Game > New Game during a deal asks first, No lets the
// deal go on, and closing the window after the first card ends the deal and the program at once.
TEST(RealClockTest, AnsweringNoThenClosingDuringADealEndsTheProgramAtOnce) {
    testing::EventLog log;
    QtDelayer delayer;
    testing::RecordingSound sound{log};
    testing::ScriptedRandom random;
    Table table{TableServices{delayer, sound, random}, "/opt/vantorel"};
    table.show();
    auto* placeBet = table.findChild<QPushButton*>("Place_Bet");
    QString question;
    QTimer::singleShot(0, placeBet, &QPushButton::click);   // New Game
    QTimer::singleShot(10, placeBet, &QPushButton::click);  // Deal: five seconds unless ended
    QTimer::singleShot(300, &table, [&] {
        QTimer::singleShot(100, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            question = box->windowTitle() + "|" + box->text();
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
            box->button(QMessageBox::No)->click();
        });
        table.findChild<QAction*>("Menus_Game_New")->trigger();
    });
    QTimer::singleShot(1500, &table, &QWidget::close);
    QTimer::singleShot(6000, &table, [] { QCoreApplication::exit(1); });  // a watchdog

    QApplication::setQuitOnLastWindowClosed(true);
    QElapsedTimer clock;
    clock.start();
    const int code = QApplication::exec();
    QApplication::setQuitOnLastWindowClosed(false);

    EXPECT_EQ(0, code) << "the program ran on after its window closed";
    EXPECT_LT(clock.elapsed(), 2800);
    EXPECT_EQ("Vantorel|Starting a new game now will clear your current score.\r\n\r\n" +
                  QString(28, ' ') + "Are you sure?",
              question);
    EXPECT_EQ(95, table.Data().Score) << "No keeps the game";
    EXPECT_EQ(1, sound.plays) << "one card turned before the close";
}

}  // namespace
}  // namespace vantorel
