#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "SharedRoutines.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;

TEST(FileExistsTest, TellsAnExistingFileFromEverythingElse) {
    // A folder of our own, so parallel runs of the suite never see each other's files.
    std::string folder = (fs::temp_directory_path() / "vantorel-fileexists-XXXXXX").string();
    ASSERT_NE(nullptr, ::mkdtemp(folder.data()));
    const fs::path dir = folder;
    const fs::path file = dir / "pkopts.cfg";
    std::ofstream(file) << "options";
    fs::create_symlink(file, dir / "link.cfg");
    fs::create_directory_symlink(dir, dir / "link-to-folder");
    fs::create_symlink(dir / "gone.cfg", dir / "dangling.cfg");

    struct Row {
        const char* name;
        fs::path path;
        bool expected;
    };
    const std::array<Row, 9> rows{{
        {"ExistingFile", file, true},
        {"MissingFile", dir / "missing.cfg", false},
        {"FileInMissingFolder", dir / "no-such-folder" / "pkopts.cfg", false},
        // The look-up itself fails here (a file cannot hold another), which must read as "no
        // file" rather than escape as an error.
        {"PathThroughAFile", file / "pkopts.cfg", false},
        {"Directory", dir, false},
        {"EmptyPath", {}, false},
        {"SymlinkToFile", dir / "link.cfg", true},
        {"SymlinkToDirectory", dir / "link-to-folder", false},
        {"DanglingSymlink", dir / "dangling.cfg", false},
    }};
    for (const Row& row : rows) EXPECT_EQ(row.expected, FileExists(row.path.string())) << row.name;
    fs::remove_all(dir);
}

}  // namespace
}  // namespace vantorel
