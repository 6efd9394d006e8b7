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

constexpr int WatchdogMs = 10000;

template <typename T = QRadioButton>
T& Get(const QWidget& window, const char* name) {
    T* found = window.findChild<T*>(name);
    if (found == nullptr) throw std::logic_error(std::string("no control ") + name);
    return *found;
}

// Opens on the colour that RedDeck holds; every click counts at once and the preview follows it;
// no way of closing takes a choice back.
TEST(DeckColourTest, OpensOnTheColourHeldAndEveryClickCounts) {
    enum class Close { CloseBox, Ok };
    struct Row {
        const char* name;
        Flag redDeck;
        const char* selected;
        int preview;
        std::vector<std::pair<const char*, int>> clicks;  // button, then the preview shown
        Close close;
        Flag after;
    };
    const Row rows[] = {
        {"blue opens blue", FlagFalse, "optblue", 54, {}, Close::CloseBox, FlagFalse},
        {"any non-zero opens red", 1, "optred", 53, {}, Close::CloseBox, 1},
        {"blue then the close box",
         FlagTrue,
         "optred",
         53,
         {{"optblue", 54}},
         Close::CloseBox,
         FlagFalse},
        {"blue, red, O.K",
         FlagTrue,
         "optred",
         53,
         {{"optblue", 54}, {"optred", 53}},
         Close::Ok,
         FlagTrue},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GameData game;
        game.RedDeck = row.redDeck;
        DeckColour window(game, nullptr);
        window.show();
        EXPECT_TRUE(Get(window, row.selected).isChecked());
        EXPECT_EQ(row.preview, Get<CardPlace>(window, "Deck").Picture());
        for (const auto& [button, preview] : row.clicks) {
            QTest::mouseClick(&Get(window, button), Qt::LeftButton);
            EXPECT_EQ(preview, Get<CardPlace>(window, "Deck").Picture()) << button;
        }
        if (row.close == Close::Ok)
            QTest::mouseClick(&Get<QPushButton>(window, "OKbtn"), Qt::LeftButton);
        else
            window.close();
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(row.after, game.RedDeck);
    }
}

// O.K has the focus and takes Enter only while it has it; Escape never closes the dialog.
TEST(DeckColourTest, EnterPressesOkOnlyWhenFocusedAndEscapeDoesNothing) {
    GameData game;
    DeckColour window(game, nullptr);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto& ok = Get<QPushButton>(window, "OKbtn");
    EXPECT_EQ(&ok, QApplication::focusWidget());
    // The focus chain, passing over what takes no focus: O.K, red, blue and round again.
    QWidget* chain = &ok;
    for (const char* name : {"optred", "optblue", "OKbtn"}) {
        do chain = chain->nextInFocusChain();
        while (chain->focusPolicy() == Qt::NoFocus);
        EXPECT_EQ(name, chain->objectName().toStdString());
    }
    QTest::keyClick(&ok, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    Get(window, "optblue").setFocus();
    QTest::keyClick(&Get(window, "optblue"), Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(ok.isDefault());
    ok.setFocus();
    QTest::keyClick(&ok, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(QDialog::Accepted, window.result());
}

// The pixels of the design, 15 twips each; the preview is the size of the table's card places.
TEST(DeckColourTest, PutsEveryControlWhereItWasDesigned) {
    GameData game;
    const DeckColour window(game, nullptr);
    EXPECT_EQ("Choose Deck", window.windowTitle().toStdString());
    EXPECT_EQ(QSize(381, 311), window.size());
    EXPECT_TRUE(window.windowIcon().isNull());
    struct Row {
        const char* name;
        QRect pixels;
        const char* caption;
    };
    for (const Row& row :
         {Row{"Deck", {136, 16, 113, 201}, ""}, Row{"optred", {80, 232, 97, 17}, "Red Deck"},
          Row{"optblue", {208, 232, 97, 17}, "Blue Deck"},
          Row{"OKbtn", {152, 272, 73, 25}, "O.K"}}) {
        const auto& control = Get<QWidget>(window, row.name);
        EXPECT_EQ(row.pixels, control.geometry()) << row.name;
        EXPECT_EQ(row.caption, control.property("text").toString().toStdString()) << row.name;
    }
}

// Runs `answer` on the modal window that the next command opens, from inside its own event loop;
// a watchdog closes a window that nobody answered, so the test fails instead of hanging.
void AnswerNextModal(QObject& context, std::function<void(QWidget&)> answer) {
    QTimer::singleShot(0, &context, [answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) answer(*modal);
    });
    QTimer::singleShot(WatchdogMs, &context, [] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "a window was left open";
            modal->done(0);
        }
    });
}

// Red backs already on the table stay red when blue is chosen; the deal's backs are blue.
TEST(DeckColourTableTest, ANewColourShowsOnlyAtTheNextBacks) {
    testing::VirtualTable t;
    t.table.show();
    QTest::mouseClick(t.Find<QPushButton>("Place_Bet"), Qt::LeftButton);  // New Game: red backs
    AnswerNextModal(t.table, [](QWidget& modal) {
        QTest::mouseClick(&Get(modal, "optblue"), Qt::LeftButton);
        QTest::mouseClick(&Get<QPushButton>(modal, "OKbtn"), Qt::LeftButton);
    });
    t.Find<QAction>("Menus_Options_Deck")->trigger();
    EXPECT_EQ(FlagFalse, t.table.Data().RedDeck);
    const auto picture = [&t](int place) {
        return t.Find<CardPlace>(QString("Cardimg_%1").arg(place))->Picture();
    };
    for (int place = 1; place <= Places; ++place) EXPECT_EQ(RedBackPicture, picture(place));
    int dealtBack = 0;
    t.clock.At(t.clock.Now() + 0.5, [&] { dealtBack = picture(5); });
    t.random.QueueCards({2, 16, 30, 44, 7, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    QTest::mouseClick(t.Find<QPushButton>("Place_Bet"), Qt::LeftButton);  // Deal
    EXPECT_EQ(BlueBackPicture, dealtBack);
}

}  // namespace
}  // namespace vantorel
