#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "RegistryWriter.h"
#include "SharedRoutines.h"
#include "SysInfo.h"

// The launcher against a registry staged row by row: the in-process store, or under Wine the
// registry of the Wine prefix. Either way, what the desktop is asked to do is recorded.
namespace vantorel {
namespace {

namespace fs = std::filesystem;
using registry::LocalMachine;
using registry::ValueType;

const std::string ProgramKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string Message = "System Information Is Unavailable At This Time";

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

// Files on disk for the values to name: a program, and a folder holding MSINFO32.EXE.
struct Paths {
    std::string folder;   // holds no MSINFO32.EXE
    std::string program;  // an existing file
    std::string tools;    // a folder with MSINFO32.EXE in it
};

void Put(const std::string& key, const std::string& name, const std::string& bytes,
         ValueType type = ValueType::String) {
    ASSERT_EQ(registry::Success, registry::SetValue(LocalMachine, key, name, type, bytes));
}
// A string as the registry keeps it, with its terminating NUL.
std::string Sz(const std::string& text) {
    return text + '\0';
}

struct Row {
    const char* name;
    std::function<void(const Paths&)> stage;
    std::function<std::vector<std::string>(const Paths&)> started;
    bool message;
    bool refusesAccess = false;
};

const Row Rows[] = {
    {"BothKeysMissing", [](const Paths&) {},
     [](const Paths&) { return std::vector<std::string>{}; }, true},
    {"BothKeysRefuseTheRightsAskedFor",
     [](const Paths& p) {
         Put(ProgramKey, "PATH", Sz(p.program));
         Put(FolderKey, "MSINFO", Sz(p.tools));
         constexpr std::uint32_t setValueRight = 2;
         registry::RefuseAccess(LocalMachine, ProgramKey, setValueRight);
         registry::RefuseAccess(LocalMachine, FolderKey, setValueRight);
     },
     [](const Paths&) { return std::vector<std::string>{}; }, true, true},
    {"PathFoundSecondNeverRead",
     [](const Paths& p) {
         Put(ProgramKey, "path", Sz(p.program));
         Put(FolderKey, "MSINFO", Sz(p.tools));
     },
     [](const Paths& p) { return std::vector<std::string>{p.program}; }, false},
    {"PathNamesMissingFileStartedUntested",
     [](const Paths& p) {
         Put(ProgramKey, "PATH", Sz(p.folder + "\\missing.exe"));
         Put(FolderKey, "MSINFO", Sz(p.tools));
     },
     [](const Paths& p) { return std::vector<std::string>{p.folder + "\\missing.exe"}; }, true},
    {"PathOfAnotherTypeFoundWithoutText",
     [](const Paths& p) {
         Put(ProgramKey, "PATH", Sz(p.program), ValueType::ExpandString);
         Put(FolderKey, "MSINFO", Sz(p.tools));
     },
     [](const Paths&) { return std::vector<std::string>{""}; }, true},
    {"PathOf1024BytesIsRead",
     [](const Paths&) { Put(ProgramKey, "PATH", Sz(std::string(1023, 'x'))); },
     [](const Paths&) { return std::vector<std::string>{std::string(1023, 'x')}; }, true},
    {"PathOver1024BytesCountsAsMissing",
     [](const Paths& p) {
         Put(ProgramKey, "PATH", Sz(std::string(1024, 'x')));
         Put(FolderKey, "MSINFO", Sz(p.tools));
     },
     [](const Paths& p) { return std::vector<std::string>{p.tools + "\\MSINFO32.EXE"}; }, false},
    {"EmptyPathEndsTheSearch",
     [](const Paths& p) {
         Put(ProgramKey, "PATH", "");
         Put(FolderKey, "MSINFO", Sz(p.tools));
     },
     [](const Paths&) { return std::vector<std::string>{}; }, true},
    {"FolderWithoutMsinfo32", [](const Paths& p) { Put(FolderKey, "msinfo", Sz(p.folder)); },
     [](const Paths&) { return std::vector<std::string>{}; }, true},
    {"FolderWithTrailingBackslash",
     [](const Paths& p) { Put(FolderKey, "MSINFO", Sz(p.tools + "\\")); },
     [](const Paths& p) { return std::vector<std::string>{p.tools + "\\\\MSINFO32.EXE"}; }, false},
    {"StringWithItsNul", [](const Paths& p) { Put(ProgramKey, "PATH", Sz(p.program)); },
     [](const Paths& p) { return std::vector<std::string>{p.program}; }, false},
    {"StringWithoutItsNul", [](const Paths& p) { Put(ProgramKey, "PATH", p.program); },
     [](const Paths& p) { return std::vector<std::string>{p.program}; }, false},
};

class LaunchSystemInfoTest : public ::testing::TestWithParam<Row> {
  protected:
    void SetUp() override {
        if (!registry::ScratchRegistry()) {
            GTEST_SKIP() << "would rewrite this machine's own system information keys";
        }
        if (GetParam().refusesAccess && !registry::RefuseAccess(LocalMachine, ProgramKey, 0)) {
            GTEST_SKIP() << "the system's registry cannot be made to refuse its administrator";
        }
        for (const std::string* key : {&ProgramKey, &FolderKey}) {
            registry::Handle handle = 0;
            constexpr std::uint32_t readRights = 0x20019;
            existed_.push_back(registry::OpenKey(LocalMachine, *key, readRights, handle) ==
                               registry::Success);
            registry::CloseKey(handle);
            registry::DeleteKey(LocalMachine, *key);
        }
        const fs::path folder = fs::temp_directory_path() /
                                ("vantorel-sysinfo-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder / "tools");
        paths_ = {folder.string(), (folder / "sysinfo.exe").string(), (folder / "tools").string()};
        // Joined with a backslash as the launcher joins; on Windows both name the same file.
        for (const std::string& file :
             {paths_.program, paths_.tools + "\\MSINFO32.EXE", paths_.tools + "\\\\MSINFO32.EXE"}) {
            std::ofstream(file) << "program";
        }
    }

    void TearDown() override {
        if (existed_.empty()) return;
        // Our keys go; a key that was there before comes back, empty as it was found.
        const std::string* keys[] = {&ProgramKey, &FolderKey};
        for (std::size_t i = 0; i < existed_.size(); ++i) {
            registry::DeleteKey(LocalMachine, *keys[i]);
            if (existed_[i]) registry::CreateKey(LocalMachine, *keys[i]);
        }
        std::error_code ignored;
        fs::remove_all(fs::path(paths_.folder).parent_path() / fs::path(paths_.folder).filename(),
                       ignored);
    }

    Paths paths_;
    std::vector<bool> existed_;
};

TEST_P(LaunchSystemInfoTest, StartsTheProgramOrShowsTheOneMessage) {
    const Row& row = GetParam();
    row.stage(paths_);
    RecordingHost host;
    LaunchSystemInfo(host);
    EXPECT_EQ(row.started(paths_), host.started);
    EXPECT_EQ(row.message ? std::vector<std::string>{Message} : std::vector<std::string>{},
              host.messages);
    // Every key opened along the way is closed again.
    if (const auto open = registry::OpenKeys()) {
        EXPECT_EQ(0, *open);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, LaunchSystemInfoTest, ::testing::ValuesIn(Rows),
                         [](const ::testing::TestParamInfo<Row>& row) { return row.param.name; });

}  // namespace
}  // namespace vantorel
