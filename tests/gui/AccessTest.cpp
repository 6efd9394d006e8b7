#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "CardPlace.h"
#include "VirtualTable.h"
#include "WinningHands.h"

// The table played by keyboard alone, and what a screen reader is told of it.
namespace vantorel {
namespace {

// Presses `key` on the control with the focus and names the control that has it then.
std::string Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (QWidget* focus = QApplication::focusWidget()) QTest::keyClick(focus, key, modifiers);
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName().toStdString() : "nothing";
}

// Space and Enter on the main button start, deal and draw, Tab reaches a hold button and Space
// holds; after the deal and the draw the focus is back on the main button.
TEST(KeyboardTest, ARoundPlayedByKeysKeepsTheFocusOnTheMainButton) {
    testing::VirtualTable f;
    f.table.show();
    f.table.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.table));
    auto& main = f.Find<QPushButton>("Place_Bet");
    EXPECT_EQ("Place_Bet", Press(Qt::Key_Space));
    EXPECT_EQ("Deal", main.text());
    EXPECT_EQ("Place_Bet", Press(Qt::Key_Return)) << "after the deal";
    EXPECT_EQ("HC_1", Press(Qt::Key_Tab));
    Press(Qt::Key_Space);
    EXPECT_EQ("Clear", f.Find<QPushButton>("HC_1").text());
    const int held = f.Find<CardPlace>("Cardimg_1").Picture();
    EXPECT_EQ("Place_Bet", Press(Qt::Key_Tab, Qt::ShiftModifier));
    EXPECT_EQ("Place_Bet", Press(Qt::Key_Enter)) << "after the draw";
    EXPECT_EQ("Deal", main.text());
    EXPECT_EQ(held, f.Find<CardPlace>("Cardimg_1").Picture()) << "the held card was replaced";
}

// Escape leaves the pay table open; a card place names its picture; the window shrinks freely.
TEST(AccessTest, EscapeKeepsThePayTableCardPlacesAreNamedAndTheTableShrinks) {
    GameData game;
    WinningHands window(game, nullptr);
    window.show();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible()) << "Escape closed the pay table";
    CardPlace place(nullptr);
    for (const auto& [picture, name] :
         {std::pair{40, "Ace of Spades"}, {53, "card back"}, {55, "win"}}) {
        place.SetPicture(picture);
        EXPECT_EQ(name, place.accessibleName().toStdString()) << picture;
    }
    testing::VirtualTable f;
    f.table.resize(300, 200);
    EXPECT_EQ(QSize(300, 200), f.table.size());
}

}  // namespace
}  // namespace vantorel
