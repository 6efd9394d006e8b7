#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>

#include "CardPlace.h"
#include "VirtualTable.h"

// Whole games on the real main window through clicks and keystrokes, with the clock and the cards
// under the test's control.
namespace vantorel {
namespace {

using Five = std::array<int, 5>;

struct GameTable : testing::VirtualTable {
    GameTable() {
        table.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&table));
    }
    // A button that is switched off takes no click.
    void Click(const QString& name) {
        QPushButton& button = Find<QPushButton>(name);
        ASSERT_TRUE(button.isEnabled()) << name.toStdString() << " is switched off";
        QTest::mouseClick(&button, Qt::LeftButton);
    }
    void TypeStake(const QString& typed) {
        QTest::keyClick(&Find<QLineEdit>("Bet_Value"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&Find<QLineEdit>("Bet_Value"), typed);
    }
    // The cards for the five places, then ten spares for the duplicate check.
    void Next(const Five& cards) {
        random.QueueCards({cards.begin(), cards.end()});
        for (int i = 0; i < 10; ++i) random.QueueCard(2);
    }
    QString Text(const QString& name) { return Find<QLineEdit>(name).text(); }
    QString Caption(const QString& name) { return Find<QPushButton>(name).text(); }
    Five Pictures() {
        Five pictures{};
        for (int place = 1; place <= 5; ++place)
            pictures[place - 1] = Find<CardPlace>(QString("Cardimg_%1").arg(place)).Picture();
        return pictures;
    }
};

TEST(GameTest, AWholeGameThroughAWinToGameOverThenExit) {
    GameTable t;
    t.Click("Place_Bet");  // New Game
    EXPECT_EQ(" 100", t.Text("Score_Value"));
    t.TypeStake("10");
    t.Click("Bet_Down");
    EXPECT_EQ(" 9", t.Text("Bet_Value"));
    t.Click("Bet_Up");
    EXPECT_EQ(" 10", t.Text("Bet_Value"));

    t.Next({11, 24, 29, 42, 7});  // two Jacks, two Threes and a Seven
    t.Click("Place_Bet");         // Deal
    EXPECT_EQ(" 90", t.Text("Score_Value"));
    EXPECT_EQ("Draw", t.Caption("Place_Bet"));
    for (int place = 1; place <= 4; ++place) t.Click(QString("HC_%1").arg(place));
    EXPECT_EQ("Clear", t.Caption("HC_1"));
    t.Next({3, 3, 3, 3, 52});
    t.Click("Place_Bet");  // Draw: Two Pairs pay twice the stake
    EXPECT_EQ((Five{11, 24, 29, 42, 52}), t.Pictures());
    EXPECT_EQ(" 110", t.Text("Score_Value"));
    EXPECT_EQ("Deal", t.Caption("Place_Bet"));

    // Without the limit the whole score may be staked, and lost.
    t.Find<QAction>("menus_options_limit").trigger();
    t.TypeStake("110");
    t.Next({2, 17, 32, 47, 10});
    t.Click("Place_Bet");  // Deal
    EXPECT_EQ(" 0", t.Text("Score_Value"));
    t.Next({16, 31, 46, 9, 25});
    t.random.QueueNumber(0.9f);  // spades for the start-up hand
    QString shown;
    testing::AnswerModal([&] { t.Click("Place_Bet"); },  // Draw: the game ends
                         [&](QDialog& window) {
                             shown = window.windowTitle() + " over " + t.Text("Score_Value");
                             window.findChild<QPushButton*>("Close_Winning_Hands")->click();
                         });
    EXPECT_EQ("Vantorel - Game Statistics over Game Over", shown);
    EXPECT_EQ("New Game", t.Caption("Place_Bet"));
    EXPECT_EQ((Five{40, 52, 51, 50, 49}), t.Pictures());
    EXPECT_FALSE(t.Find<QLineEdit>("Bet_Value").isEnabled());
    t.Find<QAction>("Menus_Game_Exit").trigger();
    EXPECT_FALSE(t.table.isVisible()) << "Game > Exit";
}

}  // namespace
}  // namespace vantorel
