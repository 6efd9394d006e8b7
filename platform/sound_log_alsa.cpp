// ALSA writes every error of its own (no card, an unknown device) to the standard error stream
// through one process-wide handler; SDL tries ALSA on the first sound.

#include <alsa/asoundlib.h>

#include "SoundLibraryLog.h"

namespace vantorel {

namespace {

void SilentAlsaError(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

void QuietSoundLibraryLog() {
    snd_lib_error_set_handler(SilentAlsaError);
}

}  // namespace vantorel
