#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "OptionsFile.h"
#include "SharedRoutines.h"

#ifdef _WIN32
#include <windows.h>
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
        const OptionsFile::Bytes out = read.Encode();
        if (row.writtenBack) {
            EXPECT_EQ(row.file, std::string(out.begin(), out.end())) << row.name;
        }
    }
}

// The options file is read only when a listing shows it: hidden by a leading dot here, by its
// attribute on Windows. The folder is the test's own: other runs may share the temporary one.
TEST(OptionsFileTest, OnlyAFileThatAListingShowsExists) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / std::to_string(std::random_device{}());
    ASSERT_TRUE(fs::create_directory(dir)) << dir;
    for (const char* name : {"pkopts.cfg", ".pk.cfg"}) std::ofstream(dir / name) << "options";
    std::vector<std::pair<fs::path, bool>> rows{
        {dir / "pkopts.cfg", true}, {dir / ".pk.cfg", false}, {dir, false}, {dir / "gone", false}};
#ifdef _WIN32
    ASSERT_NE(0, SetFileAttributesA((dir / ".pk.cfg").string().c_str(), FILE_ATTRIBUTE_HIDDEN));
    std::printf("Links not tried: making one needs a privilege on Windows that tests lack.\n");
#else
    fs::create_symlink("pkopts.cfg", dir / "link");
    fs::create_symlink("gone", dir / "dangling");
    rows.insert(rows.end(), {{dir / "link", true}, {dir / "dangling", false}});
#endif
    for (const auto& [path, exists] : rows) EXPECT_EQ(exists, FileExists(path.string())) << path;
    fs::remove_all(dir);
}

}  // namespace
}  // namespace vantorel
