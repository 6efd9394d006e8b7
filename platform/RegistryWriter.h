#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Registry.h"

// Writing the registry, for the tests that stage the values the program reads. The program itself
// never writes there.
namespace vantorel::registry {

// Creates the key (and any missing parents) and sets one value to the bytes given, as they are.
Result SetValue(Root root, const std::string& keyName, const std::string& valueName, ValueType type,
                std::string_view bytes);
Result CreateKey(Root root, const std::string& keyName);
// Removes the key with everything below it; a missing key is no error.
Result DeleteKey(Root root, const std::string& keyName);

// Makes the key refuse an open that asks for any right in `mask`. False where that cannot be
// staged (the system's registry grants an administrator everything).
bool RefuseAccess(Root root, const std::string& keyName, std::uint32_t mask);

// How many keys are open now, where that can be told.
std::optional<int> OpenKeys();

// True where changing the registry touches nothing but a scratch copy: the in-process store, or
// the registry of a Wine prefix. A real Windows machine's registry is not ours to change.
bool ScratchRegistry();

}  // namespace vantorel::registry
