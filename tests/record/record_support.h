#pragma once
// Games played the way the game object plays them, and files on disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "rules/state.h"

namespace tanukiban::test {

// A fresh folder under the system's temporary folder, removed afterwards.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

void writeBytes(const std::filesystem::path& file, const std::string& bytes);
std::string readBytes(const std::filesystem::path& file);

// Records and makes one ply as the human's or the computer's move does:
// 手順保存 before 駒移動, the mover's clock advanced by 思考秒.
void playPly(GameState& s, int 元X, int 元Y, int 先X, int 先Y, int 元駒, int 先駒, double 思考秒);

// A pseudo-random game of up to `plies` plies (no king is ever taken) from
// the initial position, the lower side first when manFirst. Lower-side drops
// store the stand row, upper-side drops the pair, as the game does.
GameState playedGame(unsigned seed, bool manFirst, int plies);

// The two plies of the record example: 練習, ｺﾝﾋﾟｭｰﾀ above, あなた below.
GameState exampleGame();
inline constexpr const char* kExampleBytes =
    "\x97\xfb\x8f\x4b\r\n"              // 練習
    "\xba\xdd\xcb\xdf\xad\xb0\xc0\r\n"  // ｺﾝﾋﾟｭｰﾀ
    "\x82\xa0\x82\xc8\x82\xbd\r\n"      // あなた
    " 2524-800-100   0    0    3    0    0\r\n"
    " 2122  30 110   0    3    3    0    2\r\n";

// Everything stepping may change, compared field by field.
::testing::AssertionResult samePosition(const GameState& a, const GameState& b);

}  // namespace tanukiban::test
