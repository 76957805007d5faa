// libtanukiban_sound: the ds* entry points over SDL2 and SDL2_mixer. All calls
// come from one thread; playback runs on SDL's audio thread.

#include <SDL.h>
#include <SDL_mixer.h>

#include <map>

#include "sound/riff.h"
#include "sound/tanukiban_sound.h"

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kChunkSamples = 1024;
constexpr int kMixChannels = 32;

struct Buffer {
    Mix_Chunk* chunk = nullptr;
    int loopChannel = -1;  // the channel of the looping instance, if any
};

struct Library {
    int32_t handle = 0;  // 0 while closed
    int32_t lastHandle = 0;
    int32_t lastId = 0;
    std::map<int32_t, Buffer> buffers;
};

Library& library() {
    static Library lib;
    return lib;
}

Buffer* find(int32_t id) {
    Library& lib = library();
    if (id == 0 || lib.handle == 0) return nullptr;
    auto it = lib.buffers.find(id);
    return it == lib.buffers.end() ? nullptr : &it->second;
}

bool isPlaying(int channel, const Mix_Chunk* chunk) {
    return Mix_Playing(channel) != 0 && Mix_GetChunk(channel) == chunk;
}

void haltChunk(const Mix_Chunk* chunk) {
    for (int ch = 0; ch < kMixChannels; ++ch) {
        if (isPlaying(ch, chunk)) Mix_HaltChannel(ch);
    }
}

}  // namespace

extern "C" {

int32_t dsInitialize(int32_t /*windowHandle*/) {
    Library& lib = library();
    if (lib.handle != 0) return lib.handle;
    // Without this SDL takes SIGINT and SIGTERM, and the game would no longer
    // end when asked to.
    SDL_SetHintWithPriority(SDL_HINT_NO_SIGNAL_HANDLERS, "1", SDL_HINT_OVERRIDE);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
    // Ask for a fixed format and let SDL convert, so the output is the same
    // whatever the device prefers.
    if (Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, kChannels, kChunkSamples, nullptr, 0) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    Mix_AllocateChannels(kMixChannels);
    lib.handle = ++lib.lastHandle;
    return lib.handle;
}

void dsTerminate(int32_t handle) {
    Library& lib = library();
    if (handle == 0 || handle != lib.handle) return;
    Mix_HaltChannel(-1);
    for (auto& [id, buffer] : lib.buffers) Mix_FreeChunk(buffer.chunk);
    lib.buffers.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    lib.handle = 0;
}

int32_t dsCreateDSB(int32_t handle, const void* wave, int32_t /*flags*/) {
    Library& lib = library();
    if (handle == 0 || handle != lib.handle || wave == nullptr) return 0;
    const auto* bytes = static_cast<const unsigned char*>(wave);
    const std::size_t size = tanukiban::declaredWaveSize(bytes);
    if (size == 0) return 0;
    // The chunk is decoded into SDL_mixer's own memory: that is the copy
    // that outlives the caller's bytes.
    SDL_RWops* rw = SDL_RWFromConstMem(bytes, static_cast<int>(size));
    if (rw == nullptr) return 0;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1);
    if (chunk == nullptr) return 0;
    const int32_t id = ++lib.lastId;
    lib.buffers[id] = Buffer{chunk, -1};
    return id;
}

void dsFree(int32_t id) {
    if (Buffer* b = find(id)) {
        haltChunk(b->chunk);
        Mix_FreeChunk(b->chunk);
        library().buffers.erase(id);
    }
}

void dsPlay(int32_t id) {
    if (Buffer* b = find(id)) Mix_PlayChannel(-1, b->chunk, 0);
}

void dsPlayLooping(int32_t id) {
    Buffer* b = find(id);
    if (b == nullptr || (b->loopChannel >= 0 && isPlaying(b->loopChannel, b->chunk))) return;
    b->loopChannel = Mix_PlayChannel(-1, b->chunk, -1);
}

void dsStop(int32_t id) {
    if (Buffer* b = find(id)) {
        haltChunk(b->chunk);
        b->loopChannel = -1;
    }
}

int32_t dsCreateResDSB(int32_t, int32_t, int32_t) {
    return 0;
}
void dsPlayPan(int32_t id, int32_t) {
    dsPlay(id);
}
void dsPlayEx(int32_t id, int32_t, int32_t, int32_t) {
    dsPlay(id);
}
void dsPlayLoopingEx(int32_t id, int32_t, int32_t, int32_t) {
    dsPlayLooping(id);
}
void dsSetVolume(int32_t, int32_t) {}
void dsSetPan(int32_t, int32_t) {}
void dsSetFrequency(int32_t, int32_t) {}

}  // extern "C"
