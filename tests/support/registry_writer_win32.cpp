#include <windows.h>

#include "RegistryWriter.h"

namespace vantorel::registry {

Result SetValue(const std::string& key, const std::string& value, ValueType type,
                const std::string& bytes) {
    return RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), value.c_str(), type, bytes.data(),
                           static_cast<DWORD>(bytes.size()));
}

void DeleteKey(const std::string& key) {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, key.c_str());
}

bool RefuseWrites(const std::string&) {
    return false;
}

bool ScratchRegistry() {
    // Wine's ntdll names itself through this export; Windows' own has no such thing.
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

}  // namespace vantorel::registry
