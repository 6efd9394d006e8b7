#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "RegistryWriter.h"
#include "SharedRoutines.h"
#include "SysInfo.h"

// The launcher against a registry staged row by row: the in-process store, or under Wine the
// registry of the Wine prefix. What the desktop is asked to do is recorded.
namespace vantorel {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using registry::LocalMachine;
using registry::ValueType;

const std::string ProgramKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

class RecordingHost final : public SysInfoHost {
  public:
    // Like the desktop, it cannot start a program that is not there.
    bool StartProgram(const std::string& path) override {
        started.push_back(path);
        return FileExists(path);
    }
    void ShowMessage(const std::string& prompt) override { messages.push_back(prompt); }
    std::vector<std::string> started;
    std::vector<std::string> messages;
};

struct Value {
    Value(std::string b, ValueType t = ValueType::String) : bytes(std::move(b)), type(t) {}
    std::string bytes;
    ValueType type;
};

// In the texts, %P stands for an existing program file, %T for a folder that holds
// MSINFO32.EXE and %F for one that does not. Strings are stored with or without their NUL.
struct Row {
    const char* name;
    std::optional<Value> path;    // "PATH" of the program's key
    std::optional<Value> folder;  // "MSINFO" of the folder key
    std::vector<std::string> started;
    bool message;
    bool refused = false;
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

const std::string Long(1023, 'x');
const Row Rows[] = {
    {"BothKeysMissing", {}, {}, {}, true},
    {"BothKeysRefuseTheRightsAskedFor", "%P\0"s, "%T\0"s, {}, true, true},
    {"PathFoundSecondNeverRead", "%P\0"s, "%T\0"s, {"%P"}, false},
    {"PathNamesMissingFileStartedUntested", "%F\\gone.exe\0"s, "%T\0"s, {"%F\\gone.exe"}, true},
    {"PathOfAnotherTypeFoundWithoutText",
     Value("%P\0"s, ValueType::ExpandString),
     "%T\0"s,
     {""},
     true},
    {"PathOf1024BytesIsRead", Long + '\0', {}, {Long}, true},
    {"PathOver1024BytesCountsAsMissing", Long + "x\0"s, "%T\0"s, {"%T\\MSINFO32.EXE"}, false},
    {"EmptyPathEndsTheSearch", ""s, "%T\0"s, {}, true},
    {"FolderWithoutMsinfo32", {}, "%F\0"s, {}, true},
    {"FolderWithTrailingBackslash", {}, "%T\\\0"s, {"%T\\\\MSINFO32.EXE"}, false},
    {"StringWithItsNul", "%P\0"s, {}, {"%P"}, false},
    {"StringWithoutItsNul", "%P"s, {}, {"%P"}, false},
};

class LaunchSystemInfoTest : public ::testing::TestWithParam<Row> {
  protected:
    void SetUp() override {
        if (!registry::ScratchRegistry()) GTEST_SKIP() << "would rewrite this machine's registry";
        if (GetParam().refused && !registry::RefuseAccess(LocalMachine, ProgramKey, 0)) {
            GTEST_SKIP() << "the system's registry cannot be made to refuse its administrator";
        }
        for (const std::string& key : {ProgramKey, FolderKey}) {
            registry::Handle handle = 0;
            existed_.push_back(registry::OpenKey(LocalMachine, key, 0x20019, handle) == 0);
            registry::CloseKey(handle);
            registry::DeleteKey(LocalMachine, key);
        }
        folder_ = fs::temp_directory_path() /
                  ("vantorel-sysinfo-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_ / "tools");
        // Joined with backslashes as the launcher joins them; on Windows both are one file.
        for (const std::string& file :
             {Expand("%P"), Expand("%T\\MSINFO32.EXE"), Expand("%T\\\\MSINFO32.EXE")}) {
            std::ofstream(file) << "program";
        }
    }

    void TearDown() override {
        // Our keys go; a key that was there before comes back, empty as it was found.
        for (std::size_t i = 0; i < existed_.size(); ++i) {
            const std::string& key = i == 0 ? ProgramKey : FolderKey;
            registry::DeleteKey(LocalMachine, key);
            if (existed_[i]) registry::CreateKey(LocalMachine, key);
        }
        std::error_code ignored;
        if (!folder_.empty()) fs::remove_all(folder_, ignored);
    }

    std::string Expand(std::string text) const {
        const std::pair<std::string, fs::path> names[] = {
            {"%P", folder_ / "sysinfo.exe"}, {"%T", folder_ / "tools"}, {"%F", folder_}};
        for (const auto& [name, path] : names) {
            for (auto at = text.find(name); at != std::string::npos; at = text.find(name)) {
                text.replace(at, name.size(), path.string());
            }
        }
        return text;
    }

    void Stage(const std::string& key, const char* name, const std::optional<Value>& value) {
        if (!value) return;
        ASSERT_EQ(registry::Success,
                  registry::SetValue(LocalMachine, key, name, value->type, Expand(value->bytes)));
        // The rights to write are what the registry may refuse; reading alone would do.
        if (GetParam().refused) registry::RefuseAccess(LocalMachine, key, 0x2);
    }

    fs::path folder_;
    std::vector<bool> existed_;
};

TEST_P(LaunchSystemInfoTest, StartsTheProgramOrShowsTheOneMessage) {
    const Row& row = GetParam();
    // Named in other cases than the launcher asks for: the registry compares without case.
    Stage(ProgramKey, "Path", row.path);
    Stage(FolderKey, "msinfo", row.folder);
    RecordingHost host;
    LaunchSystemInfo(host);

    std::vector<std::string> started;
    for (const std::string& path : row.started) started.push_back(Expand(path));
    EXPECT_EQ(started, host.started);
    const std::vector<std::string> message{"System Information Is Unavailable At This Time"};
    EXPECT_EQ(row.message ? message : std::vector<std::string>{}, host.messages);
    // Every key opened along the way has been closed again.
    if (const auto open = registry::OpenKeys()) {
        EXPECT_EQ(0, *open);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, LaunchSystemInfoTest, ::testing::ValuesIn(Rows),
                         [](const ::testing::TestParamInfo<Row>& row) { return row.param.name; });

}  // namespace
}  // namespace vantorel
