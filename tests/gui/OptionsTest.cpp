#include <gtest/gtest.h>

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "VirtualTable.h"

// Real windows started in a folder of the test's own, as the program starts in its own folder.
namespace vantorel {
namespace {

namespace fs = std::filesystem;
using Ticks = std::array<bool, 4>;  // Sound, Quick Play, View Stats after Game, Limit maximum bet
constexpr Ticks StartUp{true, false, true, true};

struct TableIn {
    explicit TableIn(const QTemporaryDir& dir) : table{{clock, sound, random}, dir.path()} {}
    testing::EventLog log;
    testing::VirtualClock clock{log};
    testing::RecordingSound sound{log};
    testing::ScriptedRandom random;
    Table table;

    void Choose(const char* item) { table.findChild<QAction*>(item)->trigger(); }
    Ticks Marks() {
        Ticks ticks{};
        int i = 0;
        for (const char* item : {"Menus_Options_Sound", "Menus_Options_QPlay",
                                 "Menus_Options_StatAfterGame", "menus_options_limit"})
            ticks[i++] = table.findChild<QAction*>(item)->isChecked();
        return ticks;
    }
};

std::string Contents(const QTemporaryDir& dir) {
    std::ifstream in(dir.filePath("pkopts.cfg").toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(OptionsTest, TicksSavedAreTheTicksOfTheNextStartAndBytesAfterThe20thStay) {
    QTemporaryDir dir;
    {
        TableIn first(dir);
        EXPECT_EQ(StartUp, first.Marks());
        first.Choose("Menus_Options_QPlay");
        first.Choose("menus_options_limit");
        first.Choose("Menus_Options_Save");
    }
    std::ofstream(dir.filePath("pkopts.cfg").toStdString(), std::ios::app) << "ten more b";
    TableIn second(dir);
    EXPECT_EQ((Ticks{true, true, true, false}), second.Marks());
    second.Choose("Menus_Options_Sound");
    second.Choose("Menus_Options_Save");
    EXPECT_EQ(std::string("Poker Opts\0\0\xFF\xFF\xFF\xFF\0\0\xFF\xFFten more b", 30),
              Contents(dir));
}

// A save that fails, here chosen while the deal turns the cards, says why and the round goes on.
TEST(OptionsTest, AFailedSaveSaysWhyAndTheRoundGoesOn) {
    const struct {
        const char* name;
        void (*make)(const fs::path&);
        const char* reason;
    } rows[] = {
        {"FolderInTheWay", [](const fs::path& p) { fs::create_directory(p); }, "Is a directory"},
        {"FullDisk", [](const fs::path& p) { fs::create_symlink("/dev/full", p); },
         "No space left on device"},
    };
    for (const auto& row : rows) {
        QTemporaryDir dir;
        row.make(dir.filePath("pkopts.cfg").toStdString());
        TableIn t(dir);
        EXPECT_EQ(StartUp, t.Marks()) << row.name;
        QString title, text;
        auto& mainButton = *t.table.findChild<QPushButton*>("Place_Bet");
        mainButton.click();  // New Game
        testing::AnswerModal(
            [&] {
                t.clock.At(t.clock.Now() + 0.5, [&] { t.Choose("Menus_Options_Save"); });
                mainButton.click();  // Deal
            },
            [&](QDialog& box) {
                title = box.windowTitle();
                if (auto* message = qobject_cast<QMessageBox*>(&box)) text = message->text();
                box.accept();
            });
        EXPECT_EQ("Draw", mainButton.text()) << row.name;
        EXPECT_EQ("Vantorel", title.toStdString()) << row.name;
        EXPECT_TRUE(text.contains("not saved") && text.contains(row.reason)) << text.toStdString();
    }
}

}  // namespace
}  // namespace vantorel
