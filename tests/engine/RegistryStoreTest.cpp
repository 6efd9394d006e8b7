#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "RegistryStore.h"

namespace fs = std::filesystem;

// Where there is no system registry, the store names the most thorough system information
// program installed, wherever it stands on the PATH; a file that cannot run, or a folder, is none.
TEST(RegistryStoreTest, NamesTheMostThoroughSystemInformationProgramInstalled) {
    const fs::path root = fs::temp_directory_path() / std::to_string(std::random_device{}());
    for (const auto& [file, perms] : {std::pair{"a/hardinfo", fs::perms::owner_all},
                                      {"a/kinfocenter", fs::perms::owner_read},
                                      {"b/hardinfo2", fs::perms::owner_all},
                                      {"d/kinfocenter", fs::perms::owner_all}}) {
        fs::create_directories((root / file).parent_path());
        std::ofstream(root / file) << "#!/bin/sh\n";
        fs::permissions(root / file, perms);
    }
    fs::create_directories(root / "c/kinfocenter");
    const std::string a = root / "a", b = root / "b", c = root / "c", d = root / "d";
    for (const auto& [path, program] : {std::pair{a + ":" + b, b + "/hardinfo2"},
                                        {c + ":" + a + ":" + d, d + "/kinfocenter"},
                                        {b + ":" + d, d + "/kinfocenter"},
                                        {":" + a, a + "/hardinfo"},
                                        {c, std::string()}})
        EXPECT_EQ(program, vantorel::registry::store::SystemInformationProgram(path)) << path;
    fs::remove_all(root);
}
