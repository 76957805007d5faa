#pragma once
// The game's sound calls on the real sound library, through its wrappers.
#include "flow/platform.h"
#include "flow/sound_library.h"

namespace tanukiban {

class LibrarySound : public SoundLibrary {
  public:
    // Warnings of the wrappers become warning boxes of the platform.
    explicit LibrarySound(Platform& platform);
    ~LibrarySound() override;

    void 初期化_サウンド(std::int32_t windowHandle) override;
    void 終了_サウンド() override;
    std::int32_t 読込_WAVファイル(std::string_view fileName, std::int32_t flags) override;
    void dsFree(std::int32_t id) override;
    void dsPlay(std::int32_t id) override;
    void dsPlayLooping(std::int32_t id) override;
    void dsStop(std::int32_t id) override;
};

}  // namespace tanukiban
