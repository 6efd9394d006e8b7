#pragma once

namespace vantorel {

// Stops the system's sound library from writing its own error lines to the terminal. With no
// sound device the game is silent, and says nothing about it either; our own code reports its
// failures as it always did. The library chosen by CMake decides what there is to quiet.
void QuietSoundLibraryLog();

}  // namespace vantorel
