#pragma once

#include <cstdint>
#include <string>

#include "Registry.h"

namespace vantorel {

// What the launcher needs of the desktop: starting a program, and telling the player.
class SysInfoHost {
  public:
    virtual ~SysInfoHost() = default;
    // Starts the program at `path` in a normal window that takes the focus, without waiting for
    // it; false when it could not be started.
    virtual bool StartProgram(const std::string& path) = 0;
    // A message box with the prompt, an OK button and no icon, titled with the program's title.
    virtual void ShowMessage(const std::string& prompt) = 0;
};

// Reads one value of the registry as text into Result: true when it was read. A string value
// gives its text; a value of another type counts as read and leaves Result as it was. Throws
// std::invalid_argument for a value that holds no data at all. The key is closed on every way
// out.
bool ReadRegistryValue(registry::Root Root, const std::string& KeyName,
                       const std::string& ValueName, std::string& Result);

// Finds the system information program through the registry and starts it, or tells the player
// that it is unavailable. Nothing escapes to the caller.
void LaunchSystemInfo(SysInfoHost& host);

}  // namespace vantorel
