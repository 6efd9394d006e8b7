#pragma once

#include <string>

#include "Registry.h"

// The tests stage what the program reads under HKEY_LOCAL_MACHINE; the program never writes there.
namespace vantorel::registry {

// Sets a value to the bytes given, creating its key as needed.
Result SetValue(const std::string& key, const std::string& value, ValueType type,
                const std::string& bytes);
void DeleteKey(const std::string& key);
// Makes the key refuse opens that ask to set values, where the registry can (not Windows').
bool RefuseWrites(const std::string& key);
// True where a change touches only a scratch registry: the in-process store, or Wine's prefix.
bool ScratchRegistry();

}  // namespace vantorel::registry
