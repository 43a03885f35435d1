// A sound module of another version, as a copy left beside the program by an older build is.
#include "sound/AudioApi.h"
#include "sound/Module.h"

MIRVEL_MODULE_ENTRY const AudioApi* mirvel_audio_api() {
    static const AudioApi old = {0, nullptr, nullptr, nullptr};
    return &old;
}
