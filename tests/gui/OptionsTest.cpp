#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "CardPlace.h"
#include "VirtualTable.h"

// Real windows; those that use the options file start in a folder of their own, as the game does.
namespace vantorel {
namespace {

using Ticks = std::array<bool, 4>;  // Sound, Quick Play, View Stats after Game, Limit maximum bet
constexpr Ticks StartUp{true, false, true, true};

Ticks Marks(testing::VirtualTable& t) {
    Ticks ticks{};
    int i = 0;
    for (const char* item : {"Menus_Options_Sound", "Menus_Options_QPlay",
                             "Menus_Options_StatAfterGame", "menus_options_limit"})
        ticks[i++] = t.Find<QAction>(item).isChecked();
    return ticks;
}

void Choose(testing::VirtualTable& t, const char* item) {
    t.Find<QAction>(item).trigger();
}

TEST(OptionsTest, TicksSavedAreTheTicksOfTheNextStartAndBytesAfterThe20thStay) {
    QTemporaryDir dir;
    const std::string file = dir.filePath("pkopts.cfg").toStdString();
    {
        testing::VirtualTable first(dir.path());
        EXPECT_EQ(StartUp, Marks(first));
        Choose(first, "Menus_Options_QPlay");
        Choose(first, "menus_options_limit");
        first.table.Data().RedDeck = FlagFalse;  // blue backs, as the card-back dialog leaves them
        Choose(first, "Menus_Options_Save");
    }
    std::ofstream(file, std::ios::app) << "ten more b";
    testing::VirtualTable second(dir.path());
    EXPECT_EQ((Ticks{true, true, true, false}), Marks(second));
    EXPECT_EQ(FlagFalse, second.table.Data().RedDeck);
    Choose(second, "Menus_Options_Sound");
    Choose(second, "Menus_Options_Save");
    std::ifstream saved(file, std::ios::binary);
    EXPECT_EQ(std::string("Poker Opts\0\0\xFF\xFF\xFF\xFF\0\0\0\0ten more b", 30),
              std::string(std::istreambuf_iterator<char>(saved), {}));
}

// The program's folder is the executable's, wherever the game is started from: its sounds are
// found there, beside the program, and not in the working folder.
TEST(OptionsTest, TheProgramFolderIsTheExecutablesWhereverTheGameStarts) {
    const QString home = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    testing::VirtualTable fakes;
    Table started{TableServices{fakes.clock, fakes.sound, fakes.random}};  // as the program starts
    QDir::setCurrent(home);
    for (const char* file : {"cflip.wav", "alert.wav"})
        EXPECT_TRUE(std::filesystem::is_regular_file(started.Data().InAppPath(file))) << file;
}

// A save that fails, here chosen while the deal turns the cards, says why and the round goes on.
TEST(OptionsTest, AFailedSaveSaysWhyAndTheRoundGoesOn) {
    for (const char* reason : {"Is a directory", "No space left on device"}) {
        QTemporaryDir dir;
        const std::string file = dir.filePath("pkopts.cfg").toStdString();
        *reason == 'I' ? (void)std::filesystem::create_directory(file)
                       : std::filesystem::create_symlink("/dev/full", file);
        testing::VirtualTable t(dir.path());
        EXPECT_EQ(StartUp, Marks(t)) << reason;
        QString title, text;
        auto& mainButton = *t.table.findChild<QPushButton*>("Place_Bet");
        mainButton.click();  // New Game
        testing::AnswerModal(
            [&] {
                t.clock.At(t.clock.Now() + 0.5, [&] { Choose(t, "Menus_Options_Save"); });
                mainButton.click();  // Deal
            },
            [&](QDialog& box) {
                title = box.windowTitle();
                text = qobject_cast<QMessageBox*>(&box)->text();
                box.accept();
            });
        EXPECT_EQ("Draw", mainButton.text()) << reason;
        EXPECT_EQ("Vantorel", title.toStdString()) << reason;
        EXPECT_TRUE(text.contains("not saved") && text.contains(reason)) << text.toStdString();
    }
}

// The deck dialog opens on the colour held. A choice by the mouse or by a screen reader's toggle
// counts at once and the preview follows it; Enter on a colour does nothing. The backs on the
// table stay; the next deal's are as chosen.
TEST(OptionsTest, TheDeckDialogOpensOnTheColourHeldAndEveryChoiceCounts) {
    using Shown = std::pair<const char*, int>;  // the selected button and the preview
    const Shown red{"optred", 53}, blue{"optblue", 54};
    const struct {
        const char* name;
        Flag redDeck;
        bool screenReader;
        std::vector<Shown> shown;  // on opening, then after each choice
        Flag chosen;               // RedDeck once the dialog has closed
    } rows[] = {{"a stored 5, close box", 5, false, {red}, 5},
                {"red, blue by the mouse, close box", FlagTrue, false, {red, blue}, FlagFalse},
                {"blue, red by a screen reader, O.K", FlagFalse, true, {blue, red}, FlagTrue},
                {"red, blue by a screen reader, O.K", FlagTrue, true, {red, blue}, FlagFalse}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto choose = [&row](QDialog& window) {
            QApplication::setActiveWindow(&window);
            for (std::size_t i = 0; i < row.shown.size(); ++i) {
                auto* button = window.findChild<QAbstractButton*>(row.shown[i].first);
                if (i > 0 && row.screenReader)
                    QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
                        QAccessibleActionInterface::toggleAction());
                if (i > 0 && !row.screenReader) QTest::mouseClick(button, Qt::LeftButton);
                EXPECT_TRUE(button->isChecked()) << i;
                EXPECT_EQ(row.shown[i].second, window.findChild<CardPlace*>("Deck")->Picture())
                    << i;
            }
            window.findChild<QWidget*>("optblue")->setFocus();
            QTest::keyClick(window.focusWidget(), Qt::Key_Return);
            EXPECT_TRUE(window.isVisible()) << "closed by Enter on a colour";
            window.findChild<QAbstractButton*>("OKbtn")->setFocus();
            row.screenReader ? QTest::keyClick(window.focusWidget(), Qt::Key_Return)
                             : (void)window.close();
            EXPECT_FALSE(window.isVisible());
        };
        testing::VirtualTable t;
        t.table.show();
        t.Find<QPushButton>("Place_Bet").click();  // New Game
        t.table.Data().RedDeck = row.redDeck;
        testing::AnswerModal([&] { t.Find<QAction>("Menus_Options_Deck").trigger(); }, choose);
        EXPECT_EQ(row.chosen, t.table.Data().RedDeck);
        const auto back = [&t] { return t.Find<CardPlace>("Cardimg_5").Picture(); };
        EXPECT_EQ(53, back());
        int dealtBack = 0;
        t.clock.At(t.clock.Now() + 0.5, [&] { dealtBack = back(); });  // before the first turns
        t.random.QueueCards({2, 16, 30, 44, 7, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
        t.Find<QPushButton>("Place_Bet").click();  // Deal
        EXPECT_EQ(IsSet(row.chosen) ? 53 : 54, dealtBack);
    }
}

}  // namespace
}  // namespace vantorel
