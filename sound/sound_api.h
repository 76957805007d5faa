#pragma once
// The seam between the game and the sound library: every call the game makes
// goes through soundApi(), which tests point at a recording stand-in.

#include <cstdint>

namespace tanukiban {

struct SoundApi {
    std::int32_t (*dsInitialize)(std::int32_t windowHandle);
    void (*dsTerminate)(std::int32_t handle);
    std::int32_t (*dsCreateDSB)(std::int32_t handle, const void* wave, std::int32_t flags);
    void (*dsFree)(std::int32_t id);
    void (*dsPlay)(std::int32_t id);
    void (*dsPlayLooping)(std::int32_t id);
    void (*dsStop)(std::int32_t id);
};

// The entry points of libtanukiban_sound.
SoundApi librarySoundApi();

// The entry points in use; librarySoundApi() unless replaced.
SoundApi& soundApi();

}  // namespace tanukiban
