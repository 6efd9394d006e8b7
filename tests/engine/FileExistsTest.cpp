#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "SharedRoutines.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
constexpr bool Windows = true;
#else
constexpr bool Windows = false;
#endif

namespace fs = std::filesystem;

// Only a file that a listing shows counts: not one hidden (by a leading dot here, by its attribute
// on Windows), nor a folder, nor a missing file; a link counts as where it leads.
TEST(FileExistsTest, CountsOnlyAFileThatAListingShows) {
    std::random_device entropy;
    fs::path dir;  // a folder of its own: other runs of the suite may share the temporary folder
    do dir = fs::temp_directory_path() / ("vantorel-fileexists-" + std::to_string(entropy()));
    while (!fs::create_directory(dir));
    const fs::path hidden = dir / (Windows ? "hidden.cfg" : ".pkopts.cfg");
    for (const fs::path& file : {dir / "pkopts.cfg", hidden}) std::ofstream(file) << "options";
#ifdef _WIN32
    ASSERT_NE(0, SetFileAttributesA(hidden.string().c_str(), FILE_ATTRIBUTE_HIDDEN));
#endif
    const struct {
        const char* name;
        fs::path path;
        bool expected;
        bool link;
    } rows[] = {
        {"OrdinaryFile", dir / "pkopts.cfg", true, false},
        {"HiddenFile", hidden, false, false},
        {"Directory", dir, false, false},
        {"MissingFile", dir / "missing.cfg", false, false},
        {"LinkToFile", dir / "link.cfg", true, true},
        {"DanglingLink", dir / "dangling.cfg", false, true},
    };
    for (const auto& row : rows) {
        if (row.link && Windows) {
            std::printf("%s not tried: a symbolic link needs a privilege on Windows\n", row.name);
            continue;
        }
        if (row.link)
            fs::create_symlink(row.expected ? dir / "pkopts.cfg" : dir / "gone", row.path);
        EXPECT_EQ(row.expected, vantorel::FileExists(row.path.string())) << row.name;
    }
    fs::remove_all(dir);
}
