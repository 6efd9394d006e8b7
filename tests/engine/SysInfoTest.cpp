#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "RegistryWriter.h"
#include "SharedRoutines.h"
#include "SysInfo.h"

// The launcher against a registry staged row by row: the in-process store, or Wine's own.
namespace vantorel {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

const std::string ProgramKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

struct RecordingHost final : SysInfoHost {
    bool StartProgram(const std::string& path) override {
        seen.push_back(path);
        return FileExists(path);
    }
    void ShowMessage(const std::string& prompt) override { seen.push_back(prompt); }
    std::vector<std::string> seen;
};

struct Row {
    const char* name;
    std::optional<std::string> path;    // "PATH" of the program's key
    std::optional<std::string> folder;  // "MSINFO" of the folder key, always a string
    std::vector<std::string> seen;      // the paths started, then the message if there is one
    registry::ValueType pathType = registry::String;
    bool refused = false;
};

const std::string Program = "sysinfo.exe\0"s, Tools = "tools\0"s, Long(1023, 'x');
const std::string Message = "System Information Is Unavailable At This Time";
const Row Rows[] = {
    {"BothKeysMissing", {}, {}, {Message}},
    {"BothKeysRefuseTheRightsAskedFor", Program, Tools, {Message}, registry::String, true},
    {"PathNamingAMissingFileIsStartedAnyway", "gone.exe\0"s, Tools, {"gone.exe", Message}},
    {"PathOfAnotherTypeGivesNoText", Program, Tools, {"", Message}, registry::ExpandString},
    {"PathOf1024BytesIsRead", Long + '\0', Tools, {Long, Message}},
    {"PathOver1024BytesCountsAsMissing", Long + "x\0"s, Tools, {"tools\\MSINFO32.EXE"}},
    {"EmptyPathEndsTheSearch", ""s, Tools, {Message}},
    {"FolderWithTrailingBackslash", {}, "tools\\\0"s, {"tools\\\\MSINFO32.EXE"}},
    {"StringWithItsNul", Program, Tools, {"sysinfo.exe"}},
    {"StringWithoutItsNul", "sysinfo.exe"s, Tools, {"sysinfo.exe"}},
};

class LaunchSystemInfoTest : public ::testing::TestWithParam<Row> {};

TEST_P(LaunchSystemInfoTest, StartsTheProgramOrShowsTheOneMessage) {
    const Row& row = GetParam();
    if (!registry::ScratchRegistry()) GTEST_SKIP() << "would rewrite this machine's registry";
    for (const std::string& key : {ProgramKey, FolderKey}) registry::DeleteKey(key);
    // Only the right to set values is refused: the launcher asks for more than reading needs.
    if (row.refused && !(registry::RefuseWrites(ProgramKey) && registry::RefuseWrites(FolderKey))) {
        GTEST_SKIP() << "the system's registry cannot be made to refuse its administrator";
    }
    // Value names in other cases than the launcher's: the registry compares without case.
    if (row.path) {
        EXPECT_EQ(0, registry::SetValue(ProgramKey, "Path", row.pathType, *row.path));
    }
    if (row.folder) {
        EXPECT_EQ(0, registry::SetValue(FolderKey, "msinfo", registry::String, *row.folder));
    }

    const fs::path home = fs::current_path();
    const fs::path folder = fs::temp_directory_path() / ("vantorel-sysinfo-"s + row.name);
    fs::create_directories(folder / "tools");
    fs::current_path(folder);  // the rows' paths are relative to it
    // Joined with backslashes as the launcher joins them; on Windows both name one file.
    for (const char* file : {"sysinfo.exe", "tools\\MSINFO32.EXE", "tools\\\\MSINFO32.EXE"}) {
        std::ofstream(file) << "program";
    }
    RecordingHost host;
    LaunchSystemInfo(host);
    fs::current_path(home);
    fs::remove_all(folder);

    EXPECT_EQ(row.seen, host.seen);
}

INSTANTIATE_TEST_SUITE_P(Rows, LaunchSystemInfoTest, ::testing::ValuesIn(Rows),
                         [](const ::testing::TestParamInfo<Row>& row) { return row.param.name; });

}  // namespace
}  // namespace vantorel
