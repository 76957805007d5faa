#include "sound/sound_api.h"

#include "sound/tanukiban_sound.h"

namespace tanukiban {

SoundApi librarySoundApi() {
    return SoundApi{::dsInitialize, ::dsTerminate,   ::dsCreateDSB, ::dsFree,
                    ::dsPlay,       ::dsPlayLooping, ::dsStop};
}

SoundApi& soundApi() {
    static SoundApi api = librarySoundApi();
    return api;
}

}  // namespace tanukiban
