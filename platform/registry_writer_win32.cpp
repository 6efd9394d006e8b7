// The tests' writer for the system's registry.

#include <windows.h>

#include "RegistryWriter.h"

namespace vantorel::registry {
namespace {

bool SystemRoot(Root root, HKEY& key) {
    if (root != LocalMachine) return false;
    key = HKEY_LOCAL_MACHINE;
    return true;
}

}  // namespace

Result CreateKey(Root root, const std::string& keyName) {
    HKEY parent{};
    if (!SystemRoot(root, parent)) return InvalidHandle;
    HKEY key{};
    const LONG result = RegCreateKeyExA(parent, keyName.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                        nullptr, &key, nullptr);
    if (result == ERROR_SUCCESS) RegCloseKey(key);
    return result;
}

Result SetValue(Root root, const std::string& keyName, const std::string& valueName, ValueType type,
                std::string_view bytes) {
    HKEY parent{};
    if (!SystemRoot(root, parent)) return InvalidHandle;
    HKEY key{};
    LONG result = RegCreateKeyExA(parent, keyName.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &key, nullptr);
    if (result != ERROR_SUCCESS) return result;
    result =
        RegSetValueExA(key, valueName.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    return result;
}

Result DeleteKey(Root root, const std::string& keyName) {
    HKEY parent{};
    if (!SystemRoot(root, parent)) return InvalidHandle;
    const LONG result = RegDeleteTreeA(parent, keyName.c_str());
    return result == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : result;
}

bool RefuseAccess(Root, const std::string&, std::uint32_t) {
    return false;
}

std::optional<int> OpenKeys() {
    return std::nullopt;
}

bool ScratchRegistry() {
    // Wine's ntdll names itself through this export; Windows' own has no such thing.
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace vantorel::registry
