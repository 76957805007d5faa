#pragma once
// The sound calls the game makes: the wrappers round the sound library and
// its play entry points. Ids and handles are 32-bit; 0 means no sound and is
// ignored by every call.
#include <cstdint>
#include <string_view>

namespace tanukiban {

class SoundLibrary {
  public:
    virtual ~SoundLibrary() = default;
    virtual void 初期化_サウンド(std::int32_t windowHandle) = 0;
    virtual void 終了_サウンド() = 0;
    // Buffer id of the wave file of that bare name, 0 when there is none.
    virtual std::int32_t 読込_WAVファイル(std::string_view fileName, std::int32_t flags) = 0;
    virtual void dsFree(std::int32_t id) = 0;
    virtual void dsPlay(std::int32_t id) = 0;
    virtual void dsPlayLooping(std::int32_t id) = 0;
    virtual void dsStop(std::int32_t id) = 0;
};

// Plays nothing: stands in where there is no sound library.
class SilentSound : public SoundLibrary {
  public:
    void 初期化_サウンド(std::int32_t) override {}
    void 終了_サウンド() override {}
    std::int32_t 読込_WAVファイル(std::string_view, std::int32_t) override { return 0; }
    void dsFree(std::int32_t) override {}
    void dsPlay(std::int32_t) override {}
    void dsPlayLooping(std::int32_t) override {}
    void dsStop(std::int32_t) override {}
};

}  // namespace tanukiban
