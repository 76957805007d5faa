// libtanukiban_sound: the ds* entry points over SDL2 and SDL2_mixer. All calls
// come from one thread; playback runs on SDL's audio thread.

#include <SDL.h>
#include <SDL_mixer.h>

#include <map>
#include <vector>

#include "sound/riff.h"
#include "sound/tanukiban_sound.h"

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kChunkSamples = 1024;
constexpr int kMixChannels = 32;
// The creation flag of music: looped by streaming from the wave image.
constexpr int32_t kMusicFlag = 1;

// Decoding a whole sound into the mixer's format (resampling included) is
// what makes loading slow and large, so a buffer holds the wave image as
// given and decodes it only when first played: a one-shot sound into a
// chunk, music into a stream that SDL_mixer converts piece by piece as it
// plays.
struct Buffer {
    std::vector<unsigned char> wave;
    bool music = false;
    Mix_Chunk* chunk = nullptr;
    bool chunkFailed = false;
    Mix_Music* stream = nullptr;
    bool streamFailed = false;
    int loopChannel = -1;  // the channel of a looping chunk, if any
};

struct Library {
    int32_t handle = 0;  // 0 while closed
    int32_t lastHandle = 0;
    int32_t lastId = 0;
    int32_t musicOwner = 0;  // the buffer whose stream holds the mixer's one music slot
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

SDL_RWops* readerOf(const Buffer& b) {
    return SDL_RWFromConstMem(b.wave.data(), static_cast<int>(b.wave.size()));
}

Mix_Chunk* chunkOf(Buffer& b) {
    if (b.chunk == nullptr && !b.chunkFailed) {
        SDL_RWops* rw = readerOf(b);
        b.chunk = rw != nullptr ? Mix_LoadWAV_RW(rw, 1) : nullptr;
        b.chunkFailed = b.chunk == nullptr;
    }
    return b.chunk;
}

Mix_Music* streamOf(Buffer& b) {
    if (b.stream == nullptr && !b.streamFailed) {
        SDL_RWops* rw = readerOf(b);
        b.stream = rw != nullptr ? Mix_LoadMUSType_RW(rw, MUS_WAV, 1) : nullptr;
        b.streamFailed = b.stream == nullptr;
    }
    return b.stream;
}

bool isPlaying(int channel, const Mix_Chunk* chunk) {
    return channel >= 0 && chunk != nullptr && Mix_Playing(channel) != 0 &&
           Mix_GetChunk(channel) == chunk;
}

bool streamPlaying(int32_t id) {
    return library().musicOwner == id && Mix_PlayingMusic() != 0;
}

void halt(int32_t id, Buffer& b) {
    if (library().musicOwner == id) {
        Mix_HaltMusic();
        library().musicOwner = 0;
    }
    if (b.chunk != nullptr) {
        for (int ch = 0; ch < kMixChannels; ++ch) {
            if (isPlaying(ch, b.chunk)) Mix_HaltChannel(ch);
        }
    }
    b.loopChannel = -1;
}

void release(Buffer& b) {
    if (b.chunk != nullptr) Mix_FreeChunk(b.chunk);
    if (b.stream != nullptr) Mix_FreeMusic(b.stream);
    b.chunk = nullptr;
    b.stream = nullptr;
}

// Whether SDL can read the image as a wave: parsing it without converting
// is cheap, and a bad sound is refused here rather than when first played.
bool decodable(const unsigned char* bytes, std::size_t size) {
    SDL_RWops* rw = SDL_RWFromConstMem(bytes, static_cast<int>(size));
    if (rw == nullptr) return false;
    SDL_AudioSpec format;
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV_RW(rw, 1, &format, &samples, &length) == nullptr) return false;
    SDL_FreeWAV(samples);
    return length > 0;
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
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    for (auto& [id, buffer] : lib.buffers) release(buffer);
    lib.buffers.clear();
    lib.musicOwner = 0;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    lib.handle = 0;
}

int32_t dsCreateDSB(int32_t handle, const void* wave, int32_t flags) {
    Library& lib = library();
    if (handle == 0 || handle != lib.handle || wave == nullptr) return 0;
    const auto* bytes = static_cast<const unsigned char*>(wave);
    const std::size_t size = tanukiban::declaredWaveSize(bytes);
    if (size == 0 || !decodable(bytes, size)) return 0;
    const int32_t id = ++lib.lastId;
    Buffer& b = lib.buffers[id];
    b.wave.assign(bytes, bytes + size);
    b.music = flags == kMusicFlag;
    return id;
}

void dsFree(int32_t id) {
    if (Buffer* b = find(id)) {
        halt(id, *b);
        release(*b);
        library().buffers.erase(id);
    }
}

void dsPlay(int32_t id) {
    if (Buffer* b = find(id)) {
        if (Mix_Chunk* chunk = chunkOf(*b)) Mix_PlayChannel(-1, chunk, 0);
    }
}

void dsPlayLooping(int32_t id) {
    Buffer* b = find(id);
    if (b == nullptr || streamPlaying(id) || isPlaying(b->loopChannel, b->chunk)) return;
    // The mixer has one music slot; while another buffer's music holds it,
    // this one loops as a chunk instead.
    if (b->music && Mix_PlayingMusic() == 0) {
        if (Mix_Music* stream = streamOf(*b); stream != nullptr && Mix_PlayMusic(stream, -1) == 0) {
            library().musicOwner = id;
            return;
        }
    }
    if (Mix_Chunk* chunk = chunkOf(*b)) b->loopChannel = Mix_PlayChannel(-1, chunk, -1);
}

void dsStop(int32_t id) {
    if (Buffer* b = find(id)) halt(id, *b);
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
