#include "SharedRoutines.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace vantorel {

bool FileExists(const std::string& FilePath) {
    // The attributes are those the folder's own entry carries: a listing of normal files leaves
    // out directories and whatever Windows marks hidden or system.
    const DWORD attributes = GetFileAttributesA(FilePath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    constexpr DWORD kNotListed =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (attributes & kNotListed) == 0;
}

}  // namespace vantorel
