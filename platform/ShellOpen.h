#pragma once

#include <string>

namespace vantorel {

// Hands a URL or a document to the desktop, which opens it with the program associated with it,
// and returns without waiting for that program. Whether the desktop manages is not looked at: a
// failure shows no message of ours and changes nothing.
void ShellOpen(const std::string& Target) noexcept;

}  // namespace vantorel
