// Sound libraries other than ALSA print nothing of their own.

#include "SoundLibraryLog.h"

namespace vantorel {

void QuietSoundLibraryLog() {}

}  // namespace vantorel
