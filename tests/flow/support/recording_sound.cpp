#include "tests/flow/support/recording_sound.h"

#include <utility>

namespace tanukiban::testing {

void RecordingSound::record(std::string name, std::int32_t value, std::string file) {
    if (log) log->push_back("sound:" + name);
    calls.push_back({std::move(name), value, std::move(file)});
}

void RecordingSound::初期化_サウンド(std::int32_t windowHandle) {
    record("初期化_サウンド", windowHandle);
}

void RecordingSound::終了_サウンド() {
    record("終了_サウンド", 0);
}

std::int32_t RecordingSound::読込_WAVファイル(std::string_view fileName, std::int32_t flags) {
    record("読込_WAVファイル", flags, std::string(fileName));
    if (!libraryStarts || missingFiles.count(std::string(fileName))) return 0;
    return nextId++;
}

void RecordingSound::dsFree(std::int32_t id) {
    record("dsFree", id);
}
void RecordingSound::dsPlay(std::int32_t id) {
    record("dsPlay", id);
}
void RecordingSound::dsPlayLooping(std::int32_t id) {
    record("dsPlayLooping", id);
}
void RecordingSound::dsStop(std::int32_t id) {
    record("dsStop", id);
}

std::vector<SoundCall> RecordingSound::callsNamed(std::string_view name) const {
    std::vector<SoundCall> out;
    for (const SoundCall& c : calls)
        if (c.name == name) out.push_back(c);
    return out;
}

int RecordingSound::plays(std::int32_t id) const {
    int n = 0;
    for (const SoundCall& c : calls) n += c.name == "dsPlay" && c.value == id;
    return n;
}

}  // namespace tanukiban::testing
