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
constexpr int WatchdogMs = 10000;

struct TableIn {
    explicit TableIn(const QTemporaryDir& dir)
        : table{TableServices{clock, sound, random}, dir.path()} {}
    testing::EventLog log;
    testing::VirtualClock clock{log};
    testing::RecordingSound sound{log};
    testing::ScriptedRandom random;
    Table table;

    QAction* Item(const char* name) { return table.findChild<QAction*>(name); }
    void Choose(const char* name) { Item(name)->trigger(); }
    Ticks Marks() {
        return {Item("Menus_Options_Sound")->isChecked(), Item("Menus_Options_QPlay")->isChecked(),
                Item("Menus_Options_StatAfterGame")->isChecked(),
                Item("menus_options_limit")->isChecked()};
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
        for (const char* item : {"Menus_Options_Sound", "Menus_Options_Sound",
                                 "Menus_Options_QPlay", "menus_options_limit"})
            first.Choose(item);
        EXPECT_EQ((Ticks{true, true, true, false}), first.Marks());
        EXPECT_FALSE(
            fs::exists(dir.filePath("pkopts.cfg").toStdString()));  // a toggle never writes
        first.Choose("Menus_Options_Save");
    }
    EXPECT_EQ(std::string("Poker Opts\xFF\xFF\xFF\xFF\xFF\xFF\0\0\xFF\xFF", 20), Contents(dir));
    TableIn second(dir);
    EXPECT_EQ((Ticks{true, true, true, false}), second.Marks());
}

TEST(OptionsTest, SaveRewritesTheFirstTwentyBytesOfALongerFile) {
    QTemporaryDir dir;
    const std::string tail = "ten more b";
    std::ofstream(dir.filePath("pkopts.cfg").toStdString(), std::ios::binary)
        << std::string("Poker Opts\1\0\0\0\0\0\1\0\0\0", 20) + tail;
    TableIn t(dir);
    EXPECT_EQ((Ticks{true, false, false, true}), t.Marks());
    EXPECT_EQ(FlagFalse, t.table.Data().RedDeck);
    t.Choose("Menus_Options_Save");
    EXPECT_EQ(std::string("Poker Opts\xFF\xFF\0\0\0\0\xFF\xFF\0\0", 20) + tail, Contents(dir));
}

// A save that fails is told in a box titled as the program, and the game goes on.
TEST(OptionsTest, AFailedSaveSaysWhyAndTheGameGoesOn) {
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
        // The box is modal: it is answered from inside its own event loop, and a watchdog closes
        // it should the answer never come.
        QString title, text;
        QTimer answer, watchdog;
        answer.setSingleShot(true);
        watchdog.setSingleShot(true);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(nullptr, box) << row.name;
            title = box->windowTitle();
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) box->done(0);
        });
        answer.start(0);
        watchdog.start(WatchdogMs);
        t.Choose("Menus_Options_Save");
        EXPECT_EQ("Vantorel", title) << row.name;
        EXPECT_TRUE(text.contains("not saved") && text.contains(row.reason)) << text.toStdString();
        EXPECT_EQ(StartUpTicks, t.Marks()) << row.name;
        EXPECT_EQ(nullptr, QApplication::activeModalWidget());
    }
}

}  // namespace
}  // namespace vantorel
