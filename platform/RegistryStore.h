#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "Registry.h"

// The in-process stand-in for HKEY_LOCAL_MACHINE where there is no system registry, shared by its
// reader and the tests' writer. Names are kept folded to lower case: the registry compares them
// without regard to case.
namespace vantorel::registry::store {

struct Value {
    ValueType type = ValueType::None;
    std::string bytes;
};

struct Key {
    std::map<std::string, Value> values;
    std::uint32_t refused = 0;  // rights that an open may not ask for
};

struct Store {
    std::map<std::string, Key> keys;  // by full path under the root
    std::map<Handle, std::string> open;
    Handle next = 1;
};

// Starts with what the desktop offers: the path of its own system information program where
// Windows keeps the path of its one, so the About box's button starts it.
Store& TheStore();
std::string Fold(const std::string& name);

// The first of kinfocenter (KDE), hardinfo2 and hardinfo, most thorough first, that an executable
// file of a folder of `searchPath` (a PATH: folders between colons) holds; empty if none does.
std::string SystemInformationProgram(std::string_view searchPath);

}  // namespace vantorel::registry::store
