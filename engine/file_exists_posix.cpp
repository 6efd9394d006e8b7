#include <filesystem>
#include <system_error>

#include "SharedRoutines.h"

namespace vantorel {

bool FileExists(const std::string& FilePath) {
    // A dot-file is what a listing here leaves out; only the last name counts, as a listing of
    // the file's own folder would show it.
    const std::filesystem::path path(FilePath);
    const std::string name = path.filename().string();
    if (name.empty() || name.front() == '.') return false;
    // The error_code overload reports a failed look-up (a malformed path, a folder we may not
    // read) through the code instead of an exception; any such failure reads as "no file".
    std::error_code error;
    const bool regular = std::filesystem::is_regular_file(path, error);
    return regular && !error;
}

}  // namespace vantorel
