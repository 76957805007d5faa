#pragma once
// The sound library's C entry points (libtanukiban_sound). Handles and buffer
// ids are 32-bit integers; 0 means "none" everywhere and is ignored.

#include <stdint.h>

#if defined(TANUKIBAN_SOUND_BUILD)
#define TANUKIBAN_SOUND_API __attribute__((visibility("default")))
#else
#define TANUKIBAN_SOUND_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Opens the audio device (the window handle is not needed and ignored);
// returns the library handle, 0 when there is no usable device.
TANUKIBAN_SOUND_API int32_t dsInitialize(int32_t windowHandle);
// Stops every sound, frees every buffer and closes the device.
TANUKIBAN_SOUND_API void dsTerminate(int32_t handle);

// Makes a buffer from a whole RIFF WAVE file image in memory; its length is
// taken from the RIFF header, so the image must hold at least that many bytes.
// The data is copied; the caller may release it at once. The sound is decoded
// when first played. Flag 1 marks music: looped, it is streamed rather than
// decoded whole (one music streams at a time; another loops decoded). Every
// buffer can be played once or looped. Returns the buffer id, 0 when the data
// is not a wave the library can decode.
TANUKIBAN_SOUND_API int32_t dsCreateDSB(int32_t handle, const void* wave, int32_t flags);
TANUKIBAN_SOUND_API void dsFree(int32_t id);

// Plays once; several plays of one buffer overlap.
TANUKIBAN_SOUND_API void dsPlay(int32_t id);
// Plays over and over until dsStop; does nothing while it is already looping.
TANUKIBAN_SOUND_API void dsPlayLooping(int32_t id);
// Silences every playing instance of the buffer.
TANUKIBAN_SOUND_API void dsStop(int32_t id);

// Further entry points the program declares but never calls: resources do not
// exist (dsCreateResDSB returns 0), the Ex and Pan plays play plainly, and the
// setters change nothing.
TANUKIBAN_SOUND_API int32_t dsCreateResDSB(int32_t handle, int32_t resource, int32_t flags);
TANUKIBAN_SOUND_API void dsPlayPan(int32_t id, int32_t pan);
TANUKIBAN_SOUND_API void dsPlayEx(int32_t id, int32_t volume, int32_t pan, int32_t frequency);
TANUKIBAN_SOUND_API void dsPlayLoopingEx(int32_t id, int32_t volume, int32_t pan,
                                         int32_t frequency);
TANUKIBAN_SOUND_API void dsSetVolume(int32_t id, int32_t volume);
TANUKIBAN_SOUND_API void dsSetPan(int32_t id, int32_t pan);
TANUKIBAN_SOUND_API void dsSetFrequency(int32_t id, int32_t frequency);

#ifdef __cplusplus
}
#endif
