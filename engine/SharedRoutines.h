#pragma once

#include <string>

namespace vantorel {

// True when FilePath names a file that a plain listing of its folder would show: an existing file,
// directly or through a symbolic link, that is not hidden (a dot-file here; the hidden or system
// attribute on Windows). A directory, a missing file, a file in a missing folder and a path that
// cannot be looked up at all are false: the one caller then simply goes on without the file.
// Each platform has its own source (file_exists_<platform>.cpp), chosen by the build.
bool FileExists(const std::string& FilePath);

}  // namespace vantorel
