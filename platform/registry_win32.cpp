// The system's own registry, through the ANSI calls of advapi32.

#include <windows.h>

#include "Registry.h"

namespace vantorel::registry {
namespace {

// Our root values are the registry's predefined handles, kept as 32-bit numbers; the one root we
// use is turned back into the system's handle here.
bool SystemRoot(Root root, HKEY& key) {
    if (root != LocalMachine) return false;
    key = HKEY_LOCAL_MACHINE;
    return true;
}

HKEY ToKey(Handle key) {
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

Result OpenKey(Root root, const std::string& keyName, std::uint32_t access, Handle& key) {
    HKEY parent{};
    if (!SystemRoot(root, parent)) return InvalidHandle;
    HKEY opened{};
    const LONG result = RegOpenKeyExA(parent, keyName.c_str(), 0, access, &opened);
    if (result == ERROR_SUCCESS) key = reinterpret_cast<Handle>(opened);
    return result;
}

Result QueryValue(Handle key, const std::string& valueName, std::uint32_t& type,
                  unsigned char* data, std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD dataSize = size;
    const LONG result =
        RegQueryValueExA(ToKey(key), valueName.c_str(), nullptr, &valueType, data, &dataSize);
    type = valueType;
    size = dataSize;
    return result;
}

Result CloseKey(Handle key) {
    return RegCloseKey(ToKey(key));
}

}  // namespace vantorel::registry
