#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <system_error>

#include "SharedRoutines.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;

// What the tested path names, laid out afresh in a private folder for every row.
enum class Entry {
    File,
    Missing,
    FileInMissingFolder,
    PathThroughAFile,
    Directory,
    EmptyPath,
    SymlinkToFile,
    SymlinkToDirectory,
    DanglingSymlink,
};

struct Row {
    const char* name;
    Entry entry;
    bool expected;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

class FileExistsTest : public ::testing::TestWithParam<Row> {
  protected:
    void SetUp() override {
        // A folder of our own per test, so rows never see each other's leftovers and parallel
        // runs of the suite never collide.
        static std::atomic<int> counter{0};
        sandbox_ =
            fs::temp_directory_path() /
            ("vantorel-fileexists-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::remove_all(sandbox_);
        ASSERT_TRUE(fs::create_directories(sandbox_));
    }

    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(sandbox_, ignored);
    }

    fs::path MakeFile(const char* name) const {
        const fs::path file = sandbox_ / name;
        std::ofstream(file) << "options";
        return file;
    }

    std::string PathFor(Entry entry) const {
        switch (entry) {
            case Entry::File:
                return MakeFile("pkopts.cfg").string();
            case Entry::Missing:
                return (sandbox_ / "pkopts.cfg").string();
            case Entry::FileInMissingFolder:
                return (sandbox_ / "no-such-folder" / "pkopts.cfg").string();
            case Entry::PathThroughAFile:
                // The look-up itself fails here (a file cannot hold another), which must read
                // as "no file" rather than escape as an error.
                return (MakeFile("plain.cfg") / "pkopts.cfg").string();
            case Entry::Directory:
                return sandbox_.string();
            case Entry::EmptyPath:
                return {};
            case Entry::SymlinkToFile: {
                const fs::path link = sandbox_ / "link.cfg";
                fs::create_symlink(MakeFile("target.cfg"), link);
                return link.string();
            }
            case Entry::SymlinkToDirectory: {
                const fs::path link = sandbox_ / "link-to-folder";
                fs::create_directory_symlink(sandbox_, link);
                return link.string();
            }
            case Entry::DanglingSymlink: {
                const fs::path link = sandbox_ / "dangling.cfg";
                fs::create_symlink(sandbox_ / "gone.cfg", link);
                return link.string();
            }
        }
        return {};
    }

    fs::path sandbox_;
};

TEST_P(FileExistsTest, TellsAnExistingFileFromEverythingElse) {
    const Row& row = GetParam();
    EXPECT_EQ(row.expected, FileExists(PathFor(row.entry)));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FileExistsTest,
    ::testing::Values(Row{"ExistingFile", Entry::File, true},
                      Row{"MissingFile", Entry::Missing, false},
                      Row{"FileInMissingFolder", Entry::FileInMissingFolder, false},
                      Row{"PathThroughAFile", Entry::PathThroughAFile, false},
                      Row{"Directory", Entry::Directory, false},
                      Row{"EmptyPath", Entry::EmptyPath, false},
                      Row{"SymlinkToFile", Entry::SymlinkToFile, true},
                      Row{"SymlinkToDirectory", Entry::SymlinkToDirectory, false},
                      Row{"DanglingSymlink", Entry::DanglingSymlink, false}),
    [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace vantorel
