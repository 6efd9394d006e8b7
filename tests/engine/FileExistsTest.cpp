#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "SharedRoutines.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace vantorel {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr bool kWindows = true;
// Windows hides a file by its attribute, whatever its name.
fs::path MakeHiddenFile(const fs::path& dir) {
    const fs::path file = dir / "hidden.cfg";
    std::ofstream(file) << "options";
    if (SetFileAttributesA(file.string().c_str(), FILE_ATTRIBUTE_HIDDEN) == 0)
        ADD_FAILURE() << "could not mark " << file.string() << " hidden";
    return file;
}
#else
constexpr bool kWindows = false;
// Here a name that begins with a dot is what a listing leaves out.
fs::path MakeHiddenFile(const fs::path& dir) {
    const fs::path file = dir / ".pkopts.cfg";
    std::ofstream(file) << "options";
    return file;
}
#endif

struct Row {
    const char* name;
    fs::path path;
    bool expected;
};

// Every test gets a folder of its own, so parallel runs of the suite never see each other's files.
class FileExistsTest : public testing::Test {
  protected:
    void SetUp() override {
        std::random_device entropy;
        do {
            dir_ = fs::temp_directory_path() / ("vantorel-fileexists-" + std::to_string(entropy()));
        } while (!fs::create_directory(dir_));
        file_ = dir_ / "pkopts.cfg";
        std::ofstream(file_) << "options";
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
    fs::path file_;
};

TEST_F(FileExistsTest, CountsOnlyAFileThatAListingShows) {
    const std::array<Row, 5> rows{{
        {"OrdinaryFile", file_, true},
        {"HiddenFile", MakeHiddenFile(dir_), false},
        {"Directory", dir_, false},
        {"MissingFile", dir_ / "missing.cfg", false},
        {"FileInMissingFolder", dir_ / "no-such-folder" / "pkopts.cfg", false},
    }};
    for (const Row& row : rows) EXPECT_EQ(row.expected, FileExists(row.path.string())) << row.name;
}

TEST_F(FileExistsTest, FollowsALinkToWhereItLeads) {
    if (kWindows) GTEST_SKIP() << "a symbolic link needs a privilege on Windows that tests lack";
    fs::create_symlink(file_, dir_ / "link.cfg");
    fs::create_symlink(dir_ / "gone.cfg", dir_ / "dangling.cfg");
    const std::array<Row, 2> rows{{
        {"LinkToFile", dir_ / "link.cfg", true},
        {"DanglingLink", dir_ / "dangling.cfg", false},
    }};
    for (const Row& row : rows) EXPECT_EQ(row.expected, FileExists(row.path.string())) << row.name;
}

}  // namespace
}  // namespace vantorel
