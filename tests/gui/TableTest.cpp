#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "CardPlace.h"
#include "RecordingServices.h"
#include "ScriptedRandom.h"
#include "Table.h"
#include "VirtualClock.h"
#include "VirtualTable.h"

namespace vantorel {
namespace {

using TableFixture = testing::VirtualTable;

TEST(TableStartUpTest, ShowsTheIdleTable) {
    TableFixture f;
    f.table.show();
    EXPECT_EQ(f.table.windowTitle(), "Vantorel");
    EXPECT_EQ(f.Find<QLineEdit>("Score_Value")->text(), "Game Over");
    EXPECT_FALSE(f.Find<QLineEdit>("Score_Value")->isEnabled());
    EXPECT_TRUE(f.Find<QLineEdit>("Score_Value")->isReadOnly());
    EXPECT_EQ(f.Find<QLineEdit>("Bet_Value")->text(), " 5");
    EXPECT_FALSE(f.Find<QLineEdit>("Bet_Value")->isEnabled());
    EXPECT_FALSE(f.Find<QPushButton>("Bet_Up")->isEnabled());
    EXPECT_FALSE(f.Find<QPushButton>("Bet_Down")->isEnabled());
    EXPECT_EQ(f.Find<QPushButton>("Place_Bet")->text(), "New Game");
    EXPECT_TRUE(f.Find<QPushButton>("Place_Bet")->isEnabled());
    EXPECT_EQ(f.Find<QLabel>("Score_Label")->text(), "Score...");
    for (int i = 1; i <= 5; ++i) {
        auto* hold = f.Find<QPushButton>(qPrintable(QString("HC_%1").arg(i)));
        EXPECT_EQ(hold->text(), "Hold") << i;
        EXPECT_FALSE(hold->isEnabled()) << i;
    }
    EXPECT_FALSE(f.Find<QAction>("Menus_Game_ViewStats")->isEnabled());
    EXPECT_TRUE(f.Find<QAction>("Menus_Options_Sound")->isChecked());
    EXPECT_FALSE(f.Find<QAction>("Menus_Options_QPlay")->isChecked());
    EXPECT_TRUE(f.Find<QAction>("Menus_Options_StatAfterGame")->isChecked());
    EXPECT_TRUE(f.Find<QAction>("menus_options_limit")->isChecked());
    EXPECT_EQ(f.table.Data().AppPath, "/opt/vantorel");
    EXPECT_FALSE(f.table.windowIcon().isNull());
}

TEST(TableStartUpTest, ShowsAceKingQueenJackTenOfOneSuit) {
    struct Row {
        float u;
        std::array<int, 5> pictures;
    };
    for (const Row& row : {Row{0.1f, {1, 13, 12, 11, 10}}, Row{0.3f, {14, 26, 25, 24, 23}},
                           Row{0.6f, {27, 39, 38, 37, 36}}, Row{0.9f, {40, 52, 51, 50, 49}}}) {
        testing::EventLog log;
        testing::VirtualClock clock{log};
        testing::RecordingSound sound{log};
        testing::ScriptedRandom random;
        random.QueueNumber(row.u);
        Table table{TableServices{clock, sound, random}, "/opt/vantorel"};
        for (int i = 1; i <= 5; ++i) {
            auto* place = table.findChild<CardPlace*>(QString("Cardimg_%1").arg(i));
            ASSERT_NE(place, nullptr);
            EXPECT_EQ(place->Picture(), row.pictures[static_cast<std::size_t>(i - 1)])
                << row.u << " place " << i;
        }
    }
}

TEST(TableLayoutTest, PutsEveryControlWhereItWasDesigned) {
    TableFixture f;
    struct Row {
        const char* name;
        QRect pixels;
    };
    const Row rows[] = {
        {"Cardimg_1", {56, 64, 113, 201}},  {"Cardimg_3", {312, 64, 113, 201}},
        {"Cardimg_5", {568, 64, 113, 201}}, {"HC_1", {88, 280, 41, 33}},
        {"HC_2", {216, 280, 41, 33}},       {"HC_5", {600, 280, 41, 33}},
        {"Score_Label", {568, 16, 81, 17}}, {"Score_Value", {656, 8, 81, 19}},
        {"Bet_Down", {640, 352, 17, 17}},   {"Bet_Value", {656, 352, 65, 19}},
        {"Bet_Up", {720, 352, 17, 17}},     {"Place_Bet", {640, 376, 97, 25}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(f.Find<QWidget>(row.name)->geometry(), row.pixels) << row.name;
    }
    EXPECT_EQ(f.Find<QLineEdit>("Bet_Value")->alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_EQ(f.Find<QLabel>("Score_Label")->alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
}

TEST(TableLayoutTest, TabOrderRunsAsDesigned) {
    TableFixture f;
    const char* const order[] = {"HC_1",      "HC_5",        "HC_4",      "HC_3",     "HC_2",
                                 "Bet_Value", "Score_Value", "Place_Bet", "Bet_Down", "Bet_Up"};
    // The next control that Tab can reach, passing over the card places and the label.
    const auto nextTabStop = [](QWidget* w) {
        do w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        EXPECT_EQ(nextTabStop(f.Find<QWidget>(order[i])), f.Find<QWidget>(order[i + 1]))
            << order[i];
    }
}

TEST(TableLayoutTest, FocusStartsOnTheMainButton) {
    TableFixture f;
    f.table.show();
    QApplication::setActiveWindow(&f.table);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.table));
    EXPECT_EQ(QApplication::focusWidget(), f.Find<QWidget>("Place_Bet"));
}

TEST(TableMenuTest, HoldsGameOptionsAndHelpWithTheirItems) {
    TableFixture f;
    QStringList visible;
    for (QAction* action : f.table.menuBar()->actions())
        if (action->isVisible()) visible << action->text();
    EXPECT_EQ(visible, (QStringList{"Game", "Options", "Help"}));

    struct Menu {
        const char* name;
        QStringList items;
    };
    const Menu menus[] = {
        {"Menus_Game", {"Menus_Game_New", "s0", "Menus_Game_ViewStats", "s1", "Menus_Game_Exit"}},
        {"Menus_Options",
         {"Menus_Options_Sound", "Menus_Options_QPlay", "Menus_Options_StatAfterGame",
          "menus_options_limit", "Menus_Options_Deck", "s4", "Menus_Options_Save"}},
        {"Menus_Help", {"Menu_Help_Rules", "Menus_Help_Hands", "s3", "Menus_Help_About"}},
        {"Menus_Debug",
         {"Menus_Debug_Cycle", "Menus_debug_check", "Menus_Debug_BuildWin",
          "Menus_Debug_WinLogic"}},
    };
    for (const Menu& menu : menus) {
        QStringList names;
        for (QAction* action : f.Find<QMenu>(menu.name)->actions()) names << action->objectName();
        EXPECT_EQ(names, menu.items) << menu.name;
    }
    const QMenu* debug = f.Find<QMenu>("Menus_Debug");
    EXPECT_FALSE(debug->menuAction()->isVisible());
    EXPECT_FALSE(debug->menuAction()->isEnabled());
    EXPECT_FALSE(f.Find<QAction>("Menu_Help_Rules")->isEnabled());
    EXPECT_EQ(f.Find<QAction>("Menus_Game_New")->text(), "New Game");
    EXPECT_EQ(f.Find<QAction>("Menus_Help_About")->text(), "About Vantorel");
    for (QAction* action : f.table.findChildren<QAction*>()) {
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->objectName().toStdString();
        EXPECT_FALSE(action->text().contains('&')) << action->objectName().toStdString();
    }
}

TEST(TableMenuTest, OptionTogglesFlipOnlyTheirTick) {
    TableFixture f;
    QAction* sound = f.Find<QAction>("Menus_Options_Sound");
    sound->trigger();
    EXPECT_FALSE(f.table.Checked(Option::Sound));
    sound->trigger();
    EXPECT_TRUE(f.table.Checked(Option::Sound));
}

TEST(TableStartUpTest, OpensCentredOnTheScreenAndGameExitClosesIt) {
    TableFixture f;
    const QPoint offCentre =
        f.table.frameGeometry().center() - QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2) << offCentre.x() << ',' << offCentre.y();
    f.table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.table));
    f.Find<QAction>("Menus_Game_Exit")->trigger();
    EXPECT_FALSE(f.table.isVisible());
}

}  // namespace
}  // namespace vantorel
