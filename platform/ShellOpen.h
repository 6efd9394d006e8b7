#pragma once

#include <QUrl>
#include <string>

namespace vantorel {

// What the desktop is handed for a target: a target with a scheme ("https:", "mailto:") is an
// address and goes as it is; anything else is a local document, a relative path being taken from
// the current folder. A drive letter is no scheme. An empty target gives an empty URL.
QUrl ShellOpenUrl(const std::string& Target);

// Hands a URL or a document to the desktop, which opens it with the program associated with it,
// and returns without waiting for that program. Whether the desktop manages is not looked at: a
// failure shows no message of ours and changes nothing.
void ShellOpen(const std::string& Target) noexcept;

}  // namespace vantorel
