#pragma once

#include <cstdint>
#include <string>

// The little of the system registry that the program reads: open a key, read one value, close
// it. Every call answers with the system's result code, 0 for success. On Windows it is the
// system's own registry; elsewhere a small in-process store stands in for HKEY_LOCAL_MACHINE.
namespace vantorel::registry {

using Root = std::uint32_t;
using Handle = std::uintptr_t;  // 0 until a key is opened
using Result = long;

inline constexpr Root LocalMachine = 0x80000002;

// Where Windows keeps the full path of its system information program: the launcher reads it,
// and the store fills it in with the desktop's own program.
inline constexpr const char* SystemInformationKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* SystemInformationValue = "PATH";

inline constexpr Result Success = 0;
inline constexpr Result FileNotFound = 2;
inline constexpr Result AccessDenied = 5;
inline constexpr Result InvalidHandle = 6;
inline constexpr Result MoreData = 234;

enum ValueType : std::uint32_t { None = 0, String = 1, ExpandString = 2, Binary = 3, Dword = 4 };

// Opens `keyName` under `root` for the rights in `access`; on success `key` holds the handle.
Result OpenKey(Root root, const std::string& keyName, std::uint32_t access, Handle& key);

// Reads value `valueName` of an open key into `data`, whose size in bytes goes in through `size`;
// on return `size` holds the size of the value's data and `type` its type. Data larger than the
// buffer gives MoreData and fills nothing.
Result QueryValue(Handle key, const std::string& valueName, std::uint32_t& type,
                  unsigned char* data, std::uint32_t& size);

Result CloseKey(Handle key);

}  // namespace vantorel::registry
