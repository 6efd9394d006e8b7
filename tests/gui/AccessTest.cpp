#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>

#include "CardPlace.h"
#include "VirtualTable.h"
#include "WinningHands.h"

// The table played by keyboard alone, and what a screen reader is told of it.
namespace vantorel {
namespace {

using testing::VirtualTable;

std::string FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName().toStdString() : "nothing";
}

void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "no control has the focus";
    QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
}

// Space and Enter on the main button start the game, deal and draw; Tab reaches a hold button and
// Space holds; after the deal and after the draw the focus is back on the main button, so the
// player can go on pressing Enter, and the score box shows no selected text.
TEST(KeyboardTest, ARoundPlayedByKeysKeepsTheFocusOnTheMainButton) {
    VirtualTable f;
    f.table.show();
    f.table.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.table));
    auto* main = &f.Find<QPushButton>("Place_Bet");
    auto* card1 = &f.Find<CardPlace>("Cardimg_1");
    auto* scoreBox = &f.Find<QLineEdit>("Score_Value");
    ASSERT_EQ("Place_Bet", FocusName());

    Press(Qt::Key_Space);
    EXPECT_EQ("Deal", main->text());
    Press(Qt::Key_Return);
    EXPECT_EQ("Draw", main->text()) << "Enter on the focused main button did not deal";
    EXPECT_EQ("Place_Bet", FocusName()) << "after the deal";
    EXPECT_FALSE(scoreBox->hasSelectedText());

    Press(Qt::Key_Tab);
    EXPECT_EQ("HC_1", FocusName());
    Press(Qt::Key_Space);
    EXPECT_EQ("Clear", f.Find<QPushButton>("HC_1").text());
    const int held = card1->Picture();
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ("Place_Bet", FocusName());
    Press(Qt::Key_Enter);
    EXPECT_EQ("Deal", main->text()) << "Enter on the focused main button did not draw";
    EXPECT_EQ(held, card1->Picture()) << "the held card was drawn again";
    EXPECT_EQ("Place_Bet", FocusName()) << "after the draw";
    EXPECT_FALSE(scoreBox->hasSelectedText());

    // No button is the default while another control has the focus: Enter in the stake box
    // deals nothing.
    f.Find<QLineEdit>("Bet_Value").setFocus();
    Press(Qt::Key_Return);
    EXPECT_EQ("Deal", main->text());
}

// Escape leaves the pay table open; it closes by O.K or its close box.
TEST(KeyboardTest, EscapeDoesNotCloseTheWinningHands) {
    GameData game;
    game.ShowPayTable = FlagTrue;
    WinningHands window(game, nullptr);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(FlagTrue, game.ShowPayTable);
}

// Each card place names its picture to a screen reader.
TEST(AccessTest, CardPlacesNameTheirPictures) {
    const struct {
        int picture;
        const char* name;
    } rows[] = {{1, "Ace of Diamonds"},
                {26, "King of Clubs"},
                {37, "Jack of Hearts"},
                {49, "Ten of Spades"},
                {53, "card back"},
                {54, "card back"},
                {55, "win"}};
    CardPlace place(nullptr);
    for (const auto& row : rows) {
        place.SetPicture(row.picture);
        EXPECT_EQ(row.name, place.accessibleName().toStdString()) << row.picture;
    }
}

// The frame is sizable below the design size; nothing inside moves or shrinks.
TEST(AccessTest, TheTableShrinksBelowItsDesignSize) {
    VirtualTable f;
    auto* main = &f.Find<QPushButton>("Place_Bet");
    const QRect before = main->geometry();
    f.table.resize(300, 200);
    EXPECT_EQ(QSize(300, 200), f.table.size());
    EXPECT_EQ(before, main->geometry());
}

}  // namespace
}  // namespace vantorel
