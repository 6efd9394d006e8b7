#include "SharedRoutines.h"

#include <filesystem>
#include <system_error>

namespace vantorel {

bool FileExists(const std::string& FilePath) {
    // The error_code overload reports a failed look-up (a malformed path, a folder we may not
    // read) through the code instead of an exception; any such failure reads as "no file".
    std::error_code error;
    const bool regular = std::filesystem::is_regular_file(FilePath, error);
    return regular && !error;
}

}  // namespace vantorel
