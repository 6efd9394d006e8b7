#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "Artwork.h"
#include "ReferenceImage.h"
#include "VirtualTable.h"

namespace vantorel {
namespace {

using testing::VirtualTable;

// The menus, and the table as it starts and as a new game changes it, are as reviewed; the table as
// the screen shows what it last painted, not a fresh painting, so a missed repaint shows.
TEST(TableTest, StartsWithItsMenusAndTableAsReviewed) {
    VirtualTable t;
    EXPECT_EQ(" 5", t.Find<QLineEdit>("Bet_Value").text());
    for (QAction* menu : t.table.menuBar()->actions()) {  // each menu that the bar shows
        if (!menu->isVisible()) continue;
        menu->menu()->adjustSize();
        EXPECT_TRUE(
            testing::MatchesReference(menu->menu()->grab().toImage(), "menus/" + menu->text()));
    }
    t.table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&t.table));
    const auto screen = [&t] { return t.table.screen()->grabWindow(t.table.winId()).toImage(); };
    EXPECT_TRUE(testing::MatchesReference(screen(), "windows/Vantorel"));
    t.Find<QPushButton>("Place_Bet").click();  // New Game
    QTest::qWait(50);
    EXPECT_TRUE(testing::MatchesReference(screen(), "windows/Vantorel, new game"));
}

// Each window command opens its own window, modal over the table, with its own title, frame and
// icon: the question balloon over the pay table and the About box, the information balloon over
// the statistics, and none of its own (nor the table's) over the card-back dialog. Escape closes
// only the About box. Each window opens as reviewed: where its controls stand, how its texts are
// set, aligned and wrapped, the statistics here with a count for each hand.
TEST(TableTest, EachCommandOpensItsOwnWindowModalAsReviewed) {
    const QImage question = art::IconBankIcon(art::QuestionBalloon).pixmap(32).toImage();
    const QImage information = art::IconBankIcon(art::InformationBalloon).pixmap(32).toImage();
    EXPECT_NE(question, information) << "the two balloons look alike";
    const struct {
        const char *item, *title;
        bool
            fixed;  // a fixed frame without minimise and maximise boxes, or a sizable one with them
        QImage icon;
        bool escapeCloses;
    } rows[] = {{"Menus_Help_Hands", "Vantorel - Winning Hands", false, question, false},
                {"Menus_Game_ViewStats", "Vantorel - Game Statistics", false, information, false},
                {"Menus_Options_Deck", "Choose Deck", false, QImage(), false},
                {"Menus_Help_About", "About Vantorel", true, question, true}};
    VirtualTable t;
    t.table.show();
    t.Find<QPushButton>("Place_Bet").click();  // a game, so View Statistics is on
    t.table.Data().HandStats = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 50};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.item);
        bool escapeClosed = false;
        EXPECT_TRUE(testing::AnswerModal(
            [&] { t.Find<QAction>(row.item).trigger(); },
            [&](QDialog& window) {
                EXPECT_EQ(row.title, window.windowTitle().toStdString());
                EXPECT_EQ(row.fixed, window.minimumSize() == window.maximumSize());
                EXPECT_EQ(!row.fixed, window.windowFlags().testFlags(Qt::WindowMinMaxButtonsHint));
                EXPECT_EQ(row.icon, window.windowIcon().pixmap(32).toImage());
                EXPECT_TRUE(testing::MatchesReference(window.grab().toImage(),
                                                      QString("windows/") + row.title));
                QTest::keyClick(&window, Qt::Key_Escape);
                escapeClosed = !window.isVisible();
                window.close();
            }));
        EXPECT_EQ(row.escapeCloses, escapeClosed);
    }
}

}  // namespace
}  // namespace vantorel
