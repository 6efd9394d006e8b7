#pragma once

#include <string>

namespace vantorel {

// True when FilePath names an existing regular file, directly or through a symbolic link. A
// directory, a missing file, a file in a missing folder and a path that cannot be looked up at
// all are false: the one caller then simply goes on without the file.
bool FileExists(const std::string& FilePath);

}  // namespace vantorel
