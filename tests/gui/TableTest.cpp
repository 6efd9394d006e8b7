#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "Artwork.h"
#include "VirtualTable.h"

namespace vantorel {
namespace {

using testing::VirtualTable;

TEST(TableTest, ShowsItsTitleAndItsMenusCaptionsInOrder) {
    VirtualTable t;
    EXPECT_EQ("Vantorel", t.table.windowTitle());
    EXPECT_EQ("Score...", t.Find<QLabel>("Score_Label").text());
    // Before the first New Game: the start-up hand's texts, not the design's "H/C" or "Place Bet".
    QStringList texts;
    for (const char* name : {"HC_1", "HC_2", "HC_3", "HC_4", "HC_5", "Place_Bet"})
        texts << t.Find<QPushButton>(name).text();
    texts << t.Find<QLineEdit>("Score_Value").text() << t.Find<QLineEdit>("Bet_Value").text();
    EXPECT_EQ((QStringList{"Hold", "Hold", "Hold", "Hold", "Hold", "New Game", "Game Over", " 5"}),
              texts);
    EXPECT_FALSE(t.Find<QLineEdit>("Score_Value").isEnabled() ||
                 t.Find<QAction>("Menus_Game_ViewStats").isEnabled());
    QStringList menus;  // each menu on the bar, with its items
    for (QAction* menu : t.table.menuBar()->actions()) {
        if (!menu->isVisible()) continue;
        menus << menu->text() + ":";
        for (QAction* item : menu->menu()->actions()) menus.last() += " " + item->text();
    }
    EXPECT_EQ((QStringList{"Game: New Game  View Statistics  Exit",
                           "Options: Sound Quick Play View Stats after Game Limit maximum bet "
                           "Deck Colour  Save Settings",
                           "Help: Rules Winning Hands  About Vantorel"}),
              menus);
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

// Each window command opens its own window, modal over the table, with its own icon: the question
// balloon over the pay table and the About box, the information balloon over the statistics, and
// none of its own (nor the table's) over the card-back dialog. Escape closes only the About box.
TEST(TableTest, EachCommandOpensItsOwnWindowModalWithItsIcon) {
    const QImage question = art::IconBankIcon(art::QuestionBalloon).pixmap(32).toImage();
    const QImage information = art::IconBankIcon(art::InformationBalloon).pixmap(32).toImage();
    EXPECT_NE(question, information) << "the two balloons look alike";
    const struct {
        const char *item, *window;
        QImage icon;
        bool escapeCloses;
    } rows[] = {{"Menus_Help_Hands", "Winning_Hands", question, false},
                {"Menus_Game_ViewStats", "Winning_Hands", information, false},
                {"Menus_Options_Deck", "Deck_Colour", QImage(), false},
                {"Menus_Help_About", "About_Poker", question, true}};
    VirtualTable t;
    t.table.show();
    t.Find<QPushButton>("Place_Bet").click();  // a game, so View Statistics is on
    for (const auto& row : rows) {
        QString opened;
        QImage icon;
        bool escapeClosed = false;
        testing::AnswerModal([&] { t.Find<QAction>(row.item).trigger(); },
                             [&](QDialog& window) {
                                 opened = window.objectName();
                                 icon = window.windowIcon().pixmap(32).toImage();
                                 QTest::keyClick(&window, Qt::Key_Escape);
                                 escapeClosed = !window.isVisible();
                                 window.close();
                             });
        EXPECT_EQ(row.window, opened) << row.item << " opened no modal window of its own";
        EXPECT_EQ(row.icon, icon) << row.item;
        EXPECT_EQ(row.escapeCloses, escapeClosed) << row.item;
    }
}

}  // namespace
}  // namespace vantorel
