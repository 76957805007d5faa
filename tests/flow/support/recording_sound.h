#pragma once
// A SoundLibrary that plays nothing and keeps every call.
#include <set>
#include <string>
#include <vector>

#include "flow/sound_library.h"

namespace tanukiban::testing {

struct SoundCall {
    std::string name;        // "初期化_サウンド", "読込_WAVファイル", "dsPlay", …
    std::int32_t value = 0;  // the id, handle or flags passed
    std::string file;        // for 読込_WAVファイル
};

class RecordingSound : public SoundLibrary {
  public:
    void 初期化_サウンド(std::int32_t windowHandle) override;
    void 終了_サウンド() override;
    std::int32_t 読込_WAVファイル(std::string_view fileName, std::int32_t flags) override;
    void dsFree(std::int32_t id) override;
    void dsPlay(std::int32_t id) override;
    void dsPlayLooping(std::int32_t id) override;
    void dsStop(std::int32_t id) override;

    // Calls named `name`, in order.
    std::vector<SoundCall> callsNamed(std::string_view name) const;
    // How often a buffer was played once.
    int plays(std::int32_t id) const;

    bool libraryStarts = true;
    std::set<std::string> missingFiles;  // these load as 0
    std::int32_t nextId = 101;           // ids are handed out in load order
    std::vector<SoundCall> calls;
    // When set, every call also appends "sound:<name>" here (e.g. FakePlatform::log).
    std::vector<std::string>* log = nullptr;

  private:
    void record(std::string name, std::int32_t value, std::string file = {});
};

}  // namespace tanukiban::testing
