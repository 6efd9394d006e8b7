// Where there is no system registry, HKEY_LOCAL_MACHINE is a small store inside the program.

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "Registry.h"
#include "RegistryStore.h"

namespace vantorel::registry {
namespace store {
namespace {

// The desktops' own system information programs, most thorough first.
constexpr std::array<const char*, 3> SystemInformationPrograms = {"kinfocenter", "hardinfo2",
                                                                  "hardinfo"};

std::string FindOnPath(std::string_view program, std::string_view folders) {
    while (!folders.empty()) {
        const std::size_t colon = std::min(folders.find(':'), folders.size());
        const std::filesystem::path candidate =
            std::filesystem::path(folders.substr(0, colon)) / program;
        std::error_code error;
        if (colon > 0 && std::filesystem::is_regular_file(candidate, error) &&
            ::access(candidate.c_str(), X_OK) == 0) {
            return candidate.string();
        }
        folders.remove_prefix(std::min(colon + 1, folders.size()));
    }
    return {};
}

Store Defaults() {
    Store store;
    const char* path = std::getenv("PATH");
    const std::string found = SystemInformationProgram(path != nullptr ? path : "");
    if (!found.empty()) {
        // Stored as the registry stores a string: with its terminating NUL.
        store.keys[Fold(SystemInformationKey)].values[Fold(SystemInformationValue)] = {
            ValueType::String, found + '\0'};
    }
    return store;
}

}  // namespace

std::string SystemInformationProgram(std::string_view searchPath) {
    for (const char* program : SystemInformationPrograms) {
        std::string found = FindOnPath(program, searchPath);
        if (!found.empty()) return found;
    }
    return {};
}

Store& TheStore() {
    static Store store = Defaults();
    return store;
}

std::string Fold(const std::string& name) {
    std::string folded = name;
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

}  // namespace store

Result OpenKey(Root root, const std::string& keyName, std::uint32_t access, Handle& key) {
    if (root != LocalMachine) return InvalidHandle;
    store::Store& s = store::TheStore();
    const auto found = s.keys.find(store::Fold(keyName));
    if (found == s.keys.end()) return FileNotFound;
    if ((access & found->second.refused) != 0) return AccessDenied;
    key = s.next++;
    s.open[key] = found->first;
    return Success;
}

Result QueryValue(Handle key, const std::string& valueName, std::uint32_t& type,
                  unsigned char* data, std::uint32_t& size) {
    store::Store& s = store::TheStore();
    const auto open = s.open.find(key);
    if (open == s.open.end()) return InvalidHandle;
    const auto& values = s.keys[open->second].values;
    const auto found = values.find(store::Fold(valueName));
    if (found == values.end()) return FileNotFound;
    const std::string& bytes = found->second.bytes;
    type = found->second.type;
    const bool fits = bytes.size() <= size;
    size = static_cast<std::uint32_t>(bytes.size());
    if (!fits) return MoreData;
    if (!bytes.empty()) std::memcpy(data, bytes.data(), bytes.size());
    return Success;
}

Result CloseKey(Handle key) {
    return store::TheStore().open.erase(key) == 1 ? Success : InvalidHandle;
}

}  // namespace vantorel::registry
