#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "CardPlace.h"
#include "DeckColour.h"
#include "VirtualTable.h"

namespace vantorel {
namespace {

template <typename T = QRadioButton>
T& Get(const QWidget& window, const char* name) {
    T* found = window.findChild<T*>(name);
    if (found == nullptr) throw std::logic_error(std::string("no control ") + name);
    return *found;
}

void Click(const QWidget& window, const char* name) {
    QTest::mouseClick(&Get<QAbstractButton>(window, name), Qt::LeftButton);
}

// Opens on the colour that RedDeck holds; every click counts at once and the preview follows it;
// neither O.K nor the close box takes a choice back.
TEST(DeckColourTest, OpensOnTheColourHeldAndEveryClickCounts) {
    using Shown = std::pair<const char*, int>;  // the selected button and the preview
    const Shown red{"optred", 53}, blue{"optblue", 54};
    struct Row {
        const char* name;
        Flag redDeck;
        std::vector<Shown> shown;  // on opening, then after each click
        bool byOk;
        Flag after;
    };
    const Row rows[] = {
        {"blue opens blue", FlagFalse, {blue}, false, FlagFalse},
        {"any non-zero opens red", 1, {red}, false, 1},
        {"blue then the close box", FlagTrue, {red, blue}, false, FlagFalse},
        {"blue, red, O.K", FlagTrue, {red, blue, red}, true, FlagTrue},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GameData game;
        game.RedDeck = row.redDeck;
        DeckColour window(game, nullptr);
        window.show();
        for (std::size_t i = 0; i < row.shown.size(); ++i) {
            if (i > 0) Click(window, row.shown[i].first);
            EXPECT_TRUE(Get(window, row.shown[i].first).isChecked()) << i;
            EXPECT_EQ(row.shown[i].second, Get<CardPlace>(window, "Deck").Picture()) << i;
        }
        row.byOk ? Click(window, "OKbtn") : static_cast<void>(window.close());
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(row.after, game.RedDeck);
    }
}

// O.K has the focus and is no default button: Enter presses it only while it has the focus, and
// Escape never closes the dialog.
TEST(DeckColourTest, EnterPressesOkOnlyWhenFocusedAndEscapeDoesNothing) {
    GameData game;
    DeckColour window(game, nullptr);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto& ok = Get<QPushButton>(window, "OKbtn");
    EXPECT_EQ(&ok, QApplication::focusWidget());
    EXPECT_EQ("Choose Deck", window.windowTitle().toStdString());
    QTest::keyClick(&ok, Qt::Key_Escape);
    Get(window, "optblue").setFocus();
    QTest::keyClick(&Get(window, "optblue"), Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(ok.isDefault());
    ok.setFocus();
    QTest::keyClick(&ok, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
}

// Runs `answer` on the modal window that the next command opens, from inside its own event loop;
// a watchdog closes a window that nobody answered, so the test fails instead of hanging.
void AnswerNextModal(QObject& context, std::function<void(QWidget&)> answer) {
    QTimer::singleShot(0, &context, [answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) answer(*modal);
    });
    QTimer::singleShot(10000, &context, [] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "a window was left open";
            modal->done(0);
        }
    });
}

// A player starts a game from the menu, which asks nothing with no game in progress, turns the
// backs blue, thinks better of a new game: the red backs on the table stay, the deal's are blue.
TEST(MenuCommandTest, ANewBackColourShowsOnlyAtTheNextBacks) {
    testing::VirtualTable t;
    t.table.show();
    int questions = 0;
    const auto command = [&t](const char* name, std::function<void(QWidget&)> answer) {
        AnswerNextModal(t.table, std::move(answer));
        t.Find<QAction>(name).trigger();
        QApplication::processEvents();  // an answer for a window that never opened goes unused
    };
    const auto no = [&questions](QWidget& modal) {
        if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
            ++questions;
            box->button(QMessageBox::No)->click();
        }
    };
    command("Menus_Game_New", no);
    EXPECT_EQ(0, questions);
    command("Menus_Options_Deck", [](QWidget& dialog) {
        Click(dialog, "optblue");
        Click(dialog, "OKbtn");
    });
    command("Menus_Game_New", no);
    EXPECT_EQ(1, questions);
    EXPECT_EQ(GameState::Betting, t.table.Data().State());
    EXPECT_EQ(FlagFalse, t.table.Data().RedDeck);
    const auto picture = [&t](int place) {
        return Get<CardPlace>(t.table, qPrintable(QString("Cardimg_%1").arg(place))).Picture();
    };
    for (int place = 1; place <= Places; ++place) EXPECT_EQ(RedBackPicture, picture(place));
    int dealtBack = 0;
    t.clock.At(t.clock.Now() + 0.5, [&] { dealtBack = picture(5); });  // before the first turns
    t.random.QueueCards({2, 16, 30, 44, 7, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    Click(t.table, "Place_Bet");  // Deal
    EXPECT_EQ(BlueBackPicture, dealtBack);
}

}  // namespace
}  // namespace vantorel
