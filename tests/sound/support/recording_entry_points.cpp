#include "tests/sound/support/recording_entry_points.h"

#include <initializer_list>

#include "sound/riff.h"
#include "sound/tanukiban_sound.h"

using tanukiban::testing::RecordingEntryPoints;

namespace {

RecordingEntryPoints* active = nullptr;

void record(const char* name, std::initializer_list<std::int32_t> args) {
    if (active == nullptr) return;
    std::string s = std::string(name) + "(";
    const char* sep = "";
    for (std::int32_t a : args) {
        s += sep;  // appended piece by piece: GCC 12 at -O3 warns falsely on sep + string
        s += std::to_string(a);
        sep = ",";
    }
    active->calls.push_back(s + ")");
}

}  // namespace

namespace tanukiban::testing {

RecordingEntryPoints::RecordingEntryPoints() {
    active = this;
}

RecordingEntryPoints::~RecordingEntryPoints() {
    active = nullptr;
}

}  // namespace tanukiban::testing

extern "C" {

int32_t dsInitialize(int32_t windowHandle) {
    record("dsInitialize", {windowHandle});
    return active != nullptr ? active->handle : 0;
}

void dsTerminate(int32_t handle) {
    record("dsTerminate", {handle});
}

int32_t dsCreateDSB(int32_t handle, const void* wave, int32_t flags) {
    record("dsCreateDSB", {handle, flags});
    if (active == nullptr) return 0;
    const auto* bytes = static_cast<const unsigned char*>(wave);
    active->waves.emplace_back(bytes, bytes + tanukiban::declaredWaveSize(bytes));
    return active->acceptWaves ? active->nextId++ : 0;
}

void dsFree(int32_t id) {
    record("dsFree", {id});
}
void dsPlay(int32_t id) {
    record("dsPlay", {id});
}
void dsPlayLooping(int32_t id) {
    record("dsPlayLooping", {id});
}
void dsStop(int32_t id) {
    record("dsStop", {id});
}

}  // extern "C"
