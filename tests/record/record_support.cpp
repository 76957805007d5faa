#include "tests/record/record_support.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "tests/support/played_game.h"

namespace tanukiban::test {

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "record-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void playPly(GameState& s, int 元X, int 元Y, int 先X, int 先Y, int 元駒, int 先駒, double 思考秒) {
    testing::playPly(s, 元X, 元Y, 先X, 先Y, 元駒, 先駒, 思考秒);
}

GameState playedGame(unsigned seed, bool manFirst, int plies) {
    return testing::playGame(seed, manFirst, plies).final;
}

GameState exampleGame() {
    GameState s;
    初期設定(s);
    s.手番MAN = 先手;
    s.手番COM = 後手;
    s.手番 = 先手;
    playPly(s, 2, 5, 2, 4, 銀MAN, 角MAN, 3.4);
    playPly(s, 2, 1, 2, 2, 金COM, 桂COM, 2.9);
    return s;
}

::testing::AssertionResult samePosition(const GameState& a, const GameState& b) {
    if (a.盤 != b.盤) return ::testing::AssertionFailure() << "boards differ";
    if (a.持駒MAN != b.持駒MAN || a.持駒COM != b.持駒COM) {
        return ::testing::AssertionFailure() << "hands differ";
    }
    if (a.持駒数MAN != b.持駒数MAN || a.持駒数COM != b.持駒数COM) {
        return ::testing::AssertionFailure() << "hand totals differ";
    }
    if (a.所有秒MAN != b.所有秒MAN || a.所有秒COM != b.所有秒COM) {
        return ::testing::AssertionFailure() << "clocks differ";
    }
    if (a.手数 != b.手数 || a.手順数 != b.手順数 || a.手番 != b.手番) {
        return ::testing::AssertionFailure()
               << "counters differ: 手数 " << a.手数 << "/" << b.手数 << ", 手順数 " << a.手順数
               << "/" << b.手順数 << ", 手番 " << a.手番 << "/" << b.手番;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace tanukiban::test
