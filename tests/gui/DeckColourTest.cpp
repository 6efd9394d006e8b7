#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <vector>

#include "CardPlace.h"
#include "DeckColour.h"
#include "VirtualTable.h"

namespace vantorel {
namespace {

template <typename T = QAbstractButton>
T& Get(const QWidget& window, const QString& name) {
    if (T* found = window.findChild<T*>(name)) return *found;
    throw std::logic_error("no control " + name.toStdString());
}

// Opens on the colour RedDeck holds; every click counts at once and the preview follows it;
// neither O.K nor the close box takes a choice back.
TEST(DeckColourTest, OpensOnTheColourHeldAndEveryClickCounts) {
    using Shown = std::pair<const char*, int>;  // the selected button and the preview
    const Shown red{"optred", 53}, blue{"optblue", 54};
    const struct {
        const char* name;
        Flag redDeck;
        std::vector<Shown> shown;  // on opening, then after each click
        bool byOk;
        Flag after;
    } rows[] = {
        {"blue opens blue", FlagFalse, {blue}, false, FlagFalse},
        {"blue then the close box", FlagTrue, {red, blue}, false, FlagFalse},
        {"blue, red, O.K", FlagTrue, {red, blue, red}, true, FlagTrue},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        GameData game;
        game.RedDeck = row.redDeck;
        DeckColour window(game, nullptr);
        window.show();
        for (std::size_t i = 0; i < row.shown.size(); ++i) {
            if (i > 0) QTest::mouseClick(&Get(window, row.shown[i].first), Qt::LeftButton);
            EXPECT_TRUE(Get(window, row.shown[i].first).isChecked()) << i;
            EXPECT_EQ(row.shown[i].second, Get<CardPlace>(window, "Deck").Picture()) << i;
        }
        row.byOk ? QTest::mouseClick(&Get(window, "OKbtn"), Qt::LeftButton)
                 : static_cast<void>(window.close());
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(row.after, game.RedDeck);
    }
}

// Enter presses O.K only while it has the focus; Escape never closes the dialog.
TEST(DeckColourTest, EnterOnTheFocusedOkClosesAndEscapeDoesNothing) {
    GameData game;
    DeckColour window(game, nullptr);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&Get(window, "OKbtn"), Qt::Key_Escape);
    Get(window, "optblue").setFocus();
    QTest::keyClick(&Get(window, "optblue"), Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    Get(window, "OKbtn").setFocus();
    QTest::keyClick(&Get(window, "OKbtn"), Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
}

// Blue chosen while red backs lie on the table: they stay red, the next deal's backs are blue.
TEST(DeckColourTest, ANewColourShowsOnlyAtTheNextBacks) {
    testing::VirtualTable t;
    t.table.show();
    t.Find<QPushButton>("Place_Bet").click();  // New Game
    testing::AnswerModal([&] { t.Find<QAction>("Menus_Options_Deck").trigger(); },
                         [](QDialog& dialog) {
                             Get(dialog, "optblue").click();
                             Get(dialog, "OKbtn").click();
                         });
    const auto picture = [&t](int place) {
        return t.Find<CardPlace>(QString("Cardimg_%1").arg(place)).Picture();
    };
    for (int place = 1; place <= 5; ++place) EXPECT_EQ(53, picture(place)) << place;
    int dealtBack = 0;
    t.clock.At(t.clock.Now() + 0.5, [&] { dealtBack = picture(5); });  // before the first turns
    t.random.QueueCards({2, 16, 30, 44, 7, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    t.Find<QPushButton>("Place_Bet").click();  // Deal
    EXPECT_EQ(54, dealtBack);
}

}  // namespace
}  // namespace vantorel
