#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "VirtualTable.h"

namespace vantorel {
namespace {

using testing::VirtualTable;

TEST(TableTest, ShowsItsTitleAndItsMenusCaptionsInOrder) {
    VirtualTable t;
    QStringList bar;
    for (QAction* action : t.table.menuBar()->actions())
        if (action->isVisible()) bar << action->text();
    EXPECT_EQ((QStringList{"Game", "Options", "Help"}), bar);
    EXPECT_EQ("Vantorel", t.table.windowTitle());
    EXPECT_EQ("Score...", t.Find<QLabel>("Score_Label").text());
    EXPECT_TRUE(t.Find<QLineEdit>("Score_Value").isReadOnly());
    const std::pair<const char*, QStringList> menus[] = {
        {"Menus_Game", {"New Game", "", "View Statistics", "", "Exit"}},
        {"Menus_Options",
         {"Sound", "Quick Play", "View Stats after Game", "Limit maximum bet", "Deck Colour", "",
          "Save Settings"}},
        {"Menus_Help", {"Rules", "Winning Hands", "", "About Vantorel"}},
    };
    for (const auto& [name, captions] : menus) {
        QStringList shown;
        for (QAction* action : t.Find<QMenu>(name).actions()) shown << action->text();
        EXPECT_EQ(captions, shown) << name;
    }
    EXPECT_FALSE(t.Find<QAction>("Menu_Help_Rules").isEnabled());
    // Where each control stands, in pixels: the design's twips over 15.
    const std::pair<const char*, QRect> places[] = {
        {"Cardimg_1", {56, 64, 113, 201}},  {"Cardimg_5", {568, 64, 113, 201}},
        {"HC_1", {88, 280, 41, 33}},        {"HC_5", {600, 280, 41, 33}},
        {"Score_Label", {568, 16, 81, 17}}, {"Score_Value", {656, 8, 81, 19}},
        {"Bet_Down", {640, 352, 17, 17}},   {"Bet_Value", {656, 352, 65, 19}},
        {"Bet_Up", {720, 352, 17, 17}},     {"Place_Bet", {640, 376, 97, 25}}};
    for (const auto& [name, rect] : places)
        EXPECT_EQ(rect, t.Find<QWidget>(name).geometry()) << name;
}

// Help > Winning Hands shows the pay table and Game > View Statistics the statistics, each modal.
TEST(TableTest, MenusOpenTheirWindowModal) {
    struct Row {
        const char* item;
        const char* title;
        const char* jacksValue;
    };
    for (const Row& row : {Row{"Menus_Help_Hands", "Vantorel - Winning Hands", "1"},
                           Row{"Menus_Game_ViewStats", "Vantorel - Game Statistics", "3"}}) {
        VirtualTable t;
        t.table.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&t.table));
        t.Find<QPushButton>("Place_Bet").click();  // a game, so View Statistics is on
        t.table.Data().HandStats[1] = 3;
        QString title, jacks, ok;
        const bool opened = testing::AnswerModal(
            [&] { t.Find<QAction>(row.item).trigger(); },
            [&](QDialog& window) {
                title = window.windowTitle();
                jacks = window.findChild<QLabel*>("WinVal_1")->text();
                auto* button = window.findChild<QPushButton*>("Close_Winning_Hands");
                ok = button->text() + (window.focusWidget() == button ? " has" : " lacks") +
                     " the focus";
                button->click();
            });
        ASSERT_TRUE(opened) << row.item << ": no modal window";
        EXPECT_EQ(row.title, title);
        EXPECT_EQ(row.jacksValue, jacks) << row.item;
        EXPECT_EQ("O.K has the focus", ok);
        EXPECT_EQ(FlagFalse, t.table.Data().ShowPayTable) << "O.K leaves the statistics next";
    }
}

}  // namespace
}  // namespace vantorel
