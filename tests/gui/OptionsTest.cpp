#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "VirtualTable.h"

// The options as the player sets, saves and finds them again: real windows started in a folder of
// the test's own, as the program starts in its own folder.
namespace vantorel {
namespace {

namespace fs = std::filesystem;
using Ticks = std::array<bool, 4>;  // Sound, Quick Play, View Stats after Game, Limit maximum bet
constexpr Ticks StartUpTicks{true, false, true, true};
constexpr std::array Toggles{"Menus_Options_Sound", "Menus_Options_QPlay",
                             "Menus_Options_StatAfterGame", "menus_options_limit"};
constexpr int WatchdogMs = 10000;

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
        for (std::size_t i = 0; i < ticks.size(); ++i)
            ticks[i] = table.findChild<QAction*>(Toggles[i])->isChecked();
        return ticks;
    }
};

std::string Contents(const QTemporaryDir& dir) {
    std::ifstream in(dir.filePath("pkopts.cfg").toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(OptionsTest, TicksSavedAreTheTicksOfTheNextStart) {
    QTemporaryDir dir;
    {
        TableIn first(dir);
        EXPECT_EQ(StartUpTicks, first.Marks());  // no file yet
        for (const char* item : {"Menus_Options_QPlay", "menus_options_limit"}) first.Choose(item);
        EXPECT_EQ((Ticks{true, true, true, false}), first.Marks());
        // A toggle changes its mark and writes nothing.
        EXPECT_FALSE(fs::exists(dir.filePath("pkopts.cfg").toStdString()));
        first.Choose("Menus_Options_Save");
    }
    EXPECT_EQ(std::string("Poker Opts\xFF\xFF\xFF\xFF\xFF\xFF\0\0\xFF\xFF", 20), Contents(dir));

    // Whatever follows the 20 bytes is someone else's: read past, and kept by the next save.
    const std::string tail = "ten more b";
    std::ofstream(dir.filePath("pkopts.cfg").toStdString(), std::ios::app) << tail;
    TableIn second(dir);
    EXPECT_EQ((Ticks{true, true, true, false}), second.Marks());
    second.Choose("Menus_Options_Sound");
    second.Choose("Menus_Options_Save");
    EXPECT_EQ(std::string("Poker Opts\0\0\xFF\xFF\xFF\xFF\0\0\xFF\xFF", 20) + tail, Contents(dir));
}

// A file that cannot be read starts the game as without one. A save that fails, here chosen while
// the deal turns the cards, says why in a box titled as the program, and the round goes on.
TEST(OptionsTest, AFailedSaveSaysWhyAndTheRoundGoesOn) {
    struct Row {
        const char* name;
        void (*make)(const fs::path&);
        const char* reason;
    };
    const std::array<Row, 2> rows{{
        {"FolderInTheWay", [](const fs::path& p) { fs::create_directory(p); }, "Is a directory"},
        {"FullDisk", [](const fs::path& p) { fs::create_symlink("/dev/full", p); },
         "No space left on device"},
    }};
    for (const Row& row : rows) {
        QTemporaryDir dir;
        row.make(dir.filePath("pkopts.cfg").toStdString());
        TableIn t(dir);
        EXPECT_EQ(StartUpTicks, t.Marks()) << row.name;
        // The box is modal: answered from inside its own loop, or closed by a watchdog.
        QString title, text;
        QTimer::singleShot(0, &t.table, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || box->button(QMessageBox::Ok) == nullptr) return;
            title = box->windowTitle();
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        QTimer::singleShot(WatchdogMs, &t.table, [] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                modal->done(0);
        });
        auto* mainButton = t.table.findChild<QPushButton*>("Place_Bet");
        mainButton->click();  // New Game
        t.clock.At(t.clock.Now() + 0.5, [&] { t.Choose("Menus_Options_Save"); });
        mainButton->click();  // Deal
        EXPECT_EQ("Draw", mainButton->text()) << row.name;
        EXPECT_EQ("Vantorel", title.toStdString()) << row.name;
        EXPECT_TRUE(text.contains("not saved") && text.contains(row.reason)) << text.toStdString();
        EXPECT_EQ(StartUpTicks, t.Marks()) << row.name;
    }
}

}  // namespace
}  // namespace vantorel
