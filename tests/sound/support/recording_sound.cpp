#include "tests/sound/support/recording_sound.h"

#include "sound/riff.h"
#include "sound/sound_api.h"

namespace tanukiban::testing {

namespace {
RecordingSound* active = nullptr;

std::string call(const char* name, std::initializer_list<std::int32_t> args) {
    std::string s = std::string(name) + "(";
    const char* sep = "";
    for (std::int32_t a : args) {
        s += sep + std::to_string(a);
        sep = ",";
    }
    return s + ")";
}
}  // namespace

struct RecordingCalls {
    static std::int32_t dsInitialize(std::int32_t window) {
        active->calls.push_back(call("dsInitialize", {window}));
        return active->handle;
    }
    static void dsTerminate(std::int32_t handle) {
        active->calls.push_back(call("dsTerminate", {handle}));
    }
    static std::int32_t dsCreateDSB(std::int32_t handle, const void* wave, std::int32_t flags) {
        active->calls.push_back(call("dsCreateDSB", {handle, flags}));
        const auto* bytes = static_cast<const unsigned char*>(wave);
        active->waves.emplace_back(bytes, bytes + declaredWaveSize(bytes));
        return active->acceptWaves ? active->nextId_++ : 0;
    }
    static void dsFree(std::int32_t id) { active->calls.push_back(call("dsFree", {id})); }
    static void dsPlay(std::int32_t id) { active->calls.push_back(call("dsPlay", {id})); }
    static void dsPlayLooping(std::int32_t id) {
        active->calls.push_back(call("dsPlayLooping", {id}));
    }
    static void dsStop(std::int32_t id) { active->calls.push_back(call("dsStop", {id})); }
};

RecordingSound::RecordingSound() {
    active = this;
    soundApi() = SoundApi{RecordingCalls::dsInitialize, RecordingCalls::dsTerminate,
                          RecordingCalls::dsCreateDSB,  RecordingCalls::dsFree,
                          RecordingCalls::dsPlay,       RecordingCalls::dsPlayLooping,
                          RecordingCalls::dsStop};
}

RecordingSound::~RecordingSound() {
    soundApi() = librarySoundApi();
    active = nullptr;
}

}  // namespace tanukiban::testing
