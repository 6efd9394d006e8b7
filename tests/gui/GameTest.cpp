#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <array>

#include "CardPlace.h"
#include "VirtualTable.h"

// A whole game on the real main window, played by keys and clicks as a player plays it, with the
// clock and the cards under the test's control.
namespace vantorel {
namespace {

using Five = std::array<int, 5>;

// A key goes to the focused control, or to the window when no control has the focus. Gives the
// control that has the focus afterwards.
std::string Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : QApplication::activeWindow(), key, modifiers);
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString()
                                       : "nothing";
}

std::string Walk(int presses) {
    std::string names;
    for (int i = 0; i < presses; ++i) names += Press(Qt::Key_Tab) + " ";
    return names;
}

struct GameTable : testing::VirtualTable {
    GameTable() {
        table.show();
        QApplication::setActiveWindow(&table);
    }
    // The cards for the five places, then ten spares for the repeat check.
    void Next(const Five& cards) {
        random.QueueCards({cards.begin(), cards.end()});
        for (int i = 0; i < 10; ++i) random.QueueCard(2);
    }
    // The window opens, modal; the player closes it by keys, and the window manager makes the
    // table active again. The New Game question is answered No.
    void OpenAndClose(const char* item) {
        EXPECT_TRUE(testing::AnswerModal(
            [&] { Find<QAction>(item).trigger(); },
            [](QDialog& w) {
                if (auto* question = qobject_cast<QMessageBox*>(&w)) {  // New Game's, answered No
                    EXPECT_EQ(
                        "Vantorel|Starting a new game now will clear your current score.\r\n\r\n" +
                            QString(28, ' ') + "Are you sure?",
                        question->windowTitle() + "|" + question->text());
                    EXPECT_EQ(question->button(QMessageBox::Yes), question->defaultButton());
                }
                qobject_cast<QMessageBox*>(&w) ? QTest::keyClick(&w, Qt::Key_Escape)
                                               : QTest::keyClick(w.focusWidget(), Qt::Key_Return);
                EXPECT_FALSE(w.isVisible()) << w.objectName().toStdString() << " is still open";
            }))
            << item;
        table.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&table)) << item;
    }
    QString Text(const QString& name) { return Find<QLineEdit>(name).text(); }
    Five Pictures() {
        Five pictures{};
        for (int place = 1; place <= 5; ++place)
            pictures[place - 1] = Find<CardPlace>(QString("Cardimg_%1").arg(place)).Picture();
        return pictures;
    }
};

// Tab walks the table in its order. After the deal and the draw the focus is on the main button,
// also when a window or the New Game question was opened and closed on the way, unless the player
// put it elsewhere.
TEST(GameTest, AWholeGameByKeysAndClicksWithWindowsOpenedOnTheWay) {
    GameTable t;
    EXPECT_EQ("Place_Bet", Press(Qt::Key_Space));  // New Game
    EXPECT_EQ("Bet_Down", Press(Qt::Key_Tab));
    Press(Qt::Key_Space);  // "<"
    EXPECT_EQ("Bet_Up", Press(Qt::Key_Tab));
    for (int i = 0; i < 2; ++i) Press(Qt::Key_Space);  // ">", twice
    EXPECT_EQ(" 6", t.Text("Bet_Value"));
    EXPECT_EQ("Bet_Value", Press(Qt::Key_Tab));
    QTest::keyClicks(QApplication::focusWidget(), "10");  // over the text, which Tab selects
    EXPECT_EQ("Score_Value Place_Bet ", Walk(2));

    t.Next({11, 24, 29, 42, 7});  // two Jacks, two Threes and a Seven
    t.clock.At(1.5, [&] { t.OpenAndClose("Menus_Game_ViewStats"); });
    t.clock.At(2.5, [&] { t.OpenAndClose("Menus_Game_New"); });  // answered No
    EXPECT_EQ("Place_Bet", Press(Qt::Key_Return)) << "after the deal";
    EXPECT_EQ(" 90", t.Text("Score_Value"));
    t.OpenAndClose("Menus_Options_Deck");
    for (const char* hold : {"HC_2", "HC_3", "HC_4"})
        QTest::mouseClick(&t.Find<QPushButton>(hold), Qt::LeftButton);
    EXPECT_EQ("HC_3 HC_2 Score_Value Place_Bet HC_1 ", Walk(5));
    t.OpenAndClose("Menus_Help_About");
    EXPECT_EQ("HC_1", Press(Qt::Key_Space)) << "the focus the player put there";
    EXPECT_EQ("Clear", t.Find<QPushButton>("HC_1").text());
    EXPECT_EQ("Place_Bet", Press(Qt::Key_Tab, Qt::ShiftModifier));
    t.Next({3, 3, 3, 3, 52});
    // This time the player moves the focus while the cards turn, and it stays where it was put.
    t.clock.At(t.clock.Now() + 0.5, [] { EXPECT_EQ("Score_Value", Press(Qt::Key_Tab)); });
    t.clock.At(t.clock.Now() + 1.5, [&] { t.OpenAndClose("Menus_Help_Hands"); });
    EXPECT_EQ("Score_Value", Press(Qt::Key_Enter)) << "after the draw";
    QTest::keyClicks(QApplication::focusWidget(), "9");  // the score is shown, not typed over
    EXPECT_EQ((Five{11, 24, 29, 42, 52}), t.Pictures());
    EXPECT_EQ(" 110", t.Text("Score_Value")) << "Two Pairs pay twice the stake";
    EXPECT_EQ("Place_Bet Bet_Down Bet_Up Bet_Value ", Walk(4));

    // Without the limit the whole score may be staked, and lost.
    t.Find<QAction>("menus_options_limit").trigger();
    QTest::keyClicks(QApplication::focusWidget(), "110");
    t.Next({2, 17, 32, 47, 10});
    QTest::mouseClick(&t.Find<QPushButton>("Place_Bet"), Qt::LeftButton);  // Deal
    EXPECT_EQ(" 0", t.Text("Score_Value"));
    t.Next({16, 31, 46, 9, 25});
    t.random.QueueNumber(0.9f);  // spades for the start-up hand
    QString shown;
    testing::AnswerModal([&] { Press(Qt::Key_Return); },  // Draw: the game ends
                         [&](QDialog& window) {
                             shown = window.windowTitle() + " over " + t.Text("Score_Value");
                             window.close();
                         });
    EXPECT_EQ("Vantorel - Game Statistics over Game Over", shown);
    EXPECT_EQ("New Game", t.Find<QPushButton>("Place_Bet").text());
    EXPECT_EQ((Five{40, 52, 51, 50, 49}), t.Pictures());
    // Game > Exit while the next deal's first card is up ends the deal there, and the program.
    t.Find<QPushButton>("Place_Bet").click();  // New Game
    const int plays = t.sound.plays;
    t.clock.At(t.clock.Now() + 1.5, [&] { t.Find<QAction>("Menus_Game_Exit").trigger(); });
    t.Find<QPushButton>("Place_Bet").click();  // Deal
    EXPECT_FALSE(t.table.isVisible()) << "Game > Exit";
    EXPECT_EQ(plays + 1, t.sound.plays) << "cards turned after the exit";
}

}  // namespace
}  // namespace vantorel
