#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "OptionsFile.h"
#include "SharedRoutines.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
constexpr bool Windows = true;
#else
constexpr bool Windows = false;
#endif

namespace vantorel {
namespace {

using namespace std::string_literals;
using Settings = std::array<Flag, 5>;  // Sound, Quick Play, Stats after Game, Limit, RedDeck
constexpr Flag T = FlagTrue, F = FlagFalse;
constexpr Settings StartUp{T, F, T, T, T};

TEST(OptionsFileTest, BytesAndSettings) {
    const struct {
        const char* name;
        std::string file;
        Settings read;
        bool writtenBack;  // the settings read are saved as exactly these bytes
    } rows[] = {
        {"AllTickedRed", "Poker Opts"s + std::string(10, '\xFF'), {T, T, T, T, T}, true},
        {"NoneTickedBlue", "Poker Opts"s + std::string(10, '\0'), {F, F, F, F, F}, true},
        {"FlagOf01Ticks", "Poker Opts\0\0\1\0\0\0\0\0\0\0"s, {F, T, F, F, F}, false},
        {"RedDeck1Kept", "Poker Opts\0\0\0\0\0\0\0\0\1\0"s, {F, F, F, F, 1}, true},
        {"OtherCase", "poker opts"s + std::string(10, '\0'), StartUp, false},
        {"Empty", "", StartUp, false},
        {"NineBytes", "Poker Opt", StartUp, false},
        {"TenBytes", "Poker Opts", StartUp, false},
        {"TwelveBytes", "Poker Opts\0\0"s, {F, F, T, T, T}, false},
        {"NineteenBytes", "Poker Opts"s + std::string(9, '\0'), {F, F, F, F, T}, false},
    };
    for (const auto& row : rows) {
        const auto read = OptionsFile::Decode(
            std::vector<std::uint8_t>(row.file.begin(), row.file.end()), {T, F, T, T, T});
        EXPECT_EQ(row.read,
                  (Settings{read.Sound, read.QPlay, read.StatAfterGame, read.Limit, read.RedDeck}))
            << row.name;
        const OptionsFile::Bytes written = read.Encode();
        if (row.writtenBack) {
            EXPECT_EQ(row.file, std::string(written.begin(), written.end())) << row.name;
        }
    }
}

// The options file is read only when a listing would show it: not hidden (by a leading dot here,
// by its attribute on Windows), nor a folder, nor missing; a link counts as where it leads.
TEST(OptionsFileTest, OnlyAFileThatAListingShowsExists) {
    namespace fs = std::filesystem;
    // A folder of its own: other runs of the suite may share the temporary folder.
    const fs::path dir = fs::temp_directory_path() / std::to_string(std::random_device{}());
    ASSERT_TRUE(fs::create_directory(dir)) << dir;
    const fs::path file = dir / "pkopts.cfg", hidden = dir / (Windows ? "hidden.cfg" : ".pk.cfg");
    for (const fs::path& each : {file, hidden}) std::ofstream(each) << "options";
#ifdef _WIN32
    ASSERT_NE(0, SetFileAttributesA(hidden.string().c_str(), FILE_ATTRIBUTE_HIDDEN));
#endif
    const struct {
        const char* name;
        fs::path path;
        bool exists;
        const char* linkTo;  // made here as a symbolic link to this name
    } rows[] = {
        {"OrdinaryFile", file, true, nullptr},
        {"HiddenFile", hidden, false, nullptr},
        {"Directory", dir, false, nullptr},
        {"Missing", dir / "gone", false, nullptr},
        {"Link", dir / "link", true, "pkopts.cfg"},
        {"DanglingLink", dir / "dangling", false, "gone"},
    };
    for (const auto& row : rows) {
        if (row.linkTo != nullptr && Windows) {
            std::printf("%s not tried: a symbolic link needs a privilege on Windows\n", row.name);
            continue;
        }
        if (row.linkTo != nullptr) fs::create_symlink(row.linkTo, row.path);
        EXPECT_EQ(row.exists, FileExists(row.path.string())) << row.name;
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace vantorel
