#include "SysInfo.h"

#include <array>
#include <stdexcept>

#include "SharedRoutines.h"

namespace vantorel {
namespace {

constexpr auto FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr auto FolderValue = "MSINFO";
constexpr auto ProgramFile = "\\MSINFO32.EXE";
constexpr auto SystemInformationUnavailable = "System Information Is Unavailable At This Time";

// Query, set value, create sub-key, enumerate, notify, create link and read control: more than
// reading needs, so a key whose write rights are refused is not found.
constexpr std::uint32_t KeyAccess = 0x2003F;
constexpr std::uint32_t BufferSize = 1024;

// Closes the key however the read is left, a failed open included (the handle is then 0).
class OpenedKey {
  public:
    OpenedKey() = default;
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    ~OpenedKey() { registry::CloseKey(handle); }
    registry::Handle handle = 0;
};

}  // namespace

bool ReadRegistryValue(registry::Root Root, const std::string& KeyName,
                       const std::string& ValueName, std::string& Result) {
    OpenedKey key;
    std::array<unsigned char, BufferSize> buffer{};
    std::uint32_t size = BufferSize;
    std::uint32_t type = registry::ValueType::None;
    if (registry::OpenKey(Root, KeyName, KeyAccess, key.handle) != registry::Success ||
        registry::QueryValue(key.handle, ValueName, type, buffer.data(), size) !=
            registry::Success) {
        Result.clear();
        return false;
    }
    // A value with no data has no last character to look at; the search ends there.
    if (size == 0) throw std::invalid_argument("registry value " + ValueName + " is empty");
    const bool terminated = buffer[size - 1] == '\0';
    const std::string text(reinterpret_cast<const char*>(buffer.data()),
                           terminated ? size - 1 : size);
    if (type == registry::ValueType::String) Result = text;
    return true;
}

void LaunchSystemInfo(SysInfoHost& host) {
    bool started = false;
    try {
        std::string path;
        if (ReadRegistryValue(registry::LocalMachine, registry::SystemInformationKey,
                              registry::SystemInformationValue, path)) {
            // The program's own path is trusted as it stands.
            started = host.StartProgram(path);
        } else if (ReadRegistryValue(registry::LocalMachine, FolderKey, FolderValue, path) &&
                   FileExists(path + ProgramFile)) {
            started = host.StartProgram(path + ProgramFile);
        }
    } catch (...) {
        started = false;
    }
    if (!started) host.ShowMessage(SystemInformationUnavailable);
}

}  // namespace vantorel
