#pragma once
// The game's sound calls on the real sound library. The object holds the
// library's handle for the run and shows the library's warnings as warning
// boxes of the platform.
#include <cstdint>
#include <string_view>

#include "flow/platform.h"
#include "flow/sound_library.h"

namespace tanukiban {

class LibrarySound : public SoundLibrary {
  public:
    explicit LibrarySound(Platform& platform) : platform_(platform) {}
    // Closes the library if it is still open.
    ~LibrarySound() override;
    LibrarySound(const LibrarySound&) = delete;
    LibrarySound& operator=(const LibrarySound&) = delete;

    // A library that does not start is warned about once; every later call
    // then has no sound to work on.
    void 初期化_サウンド(std::int32_t windowHandle) override;
    void 終了_サウンド() override;
    // A file of that name in the current directory is used if there is one,
    // otherwise the copy built into the program; with neither the result is 0
    // and nothing is shown. A file that is there but cannot be used, and a
    // sound the library refuses, get a warning.
    std::int32_t 読込_WAVファイル(std::string_view fileName, std::int32_t flags) override;
    void dsFree(std::int32_t id) override;
    void dsPlay(std::int32_t id) override;
    void dsPlayLooping(std::int32_t id) override;
    void dsStop(std::int32_t id) override;

  private:
    // The warning box titled "Tanukiban.dll".
    void 表示_警告(std::string_view text);

    Platform& platform_;
    std::int32_t handle_ = 0;  // from dsInitialize; 0 while there is no sound
};

}  // namespace tanukiban
