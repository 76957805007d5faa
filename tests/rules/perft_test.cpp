#include <gtest/gtest.h>

#include "rules/movegen.h"
#include "rules/state.h"

namespace tanukiban {
namespace {

// The published move-tree sizes of this game from the initial position.
TEST(Perft, 初期局面から深さ5まで) {
    GameState s;
    InfluenceMaps m;
    初期設定(s);
    const std::uint64_t expected[] = {12, 137, 1636, 18268, 225903};
    for (int depth = 1; depth <= 5; ++depth) {
        EXPECT_EQ(perft(s, m, false, depth), expected[depth - 1]) << "depth " << depth;
    }
    // The walk leaves the position as it found it.
    GameState fresh;
    初期設定(fresh);
    EXPECT_EQ(s.盤, fresh.盤);
    EXPECT_EQ(s.持駒MAN, fresh.持駒MAN);
    EXPECT_EQ(s.持駒COM, fresh.持駒COM);
}

TEST(Perft, 後手から始めても対称) {
    GameState s;
    InfluenceMaps m;
    初期設定(s);
    EXPECT_EQ(perft(s, m, true, 3), 1636u);
}

TEST(MoveGeneration, 持駒は両面で空桝すべてに打てる) {
    GameState s;
    初期設定(s);
    s.持駒MAN[4] = 1;
    s.持駒数MAN = 1;
    std::vector<GameMove> moves;
    generateMoves(s, false, moves);
    int silverDrops = 0, bishopDrops = 0;
    for (const GameMove& mv : moves) {
        if (!mv.isDrop()) continue;
        EXPECT_EQ(mv.pair, 4);
        EXPECT_EQ(mv.after, mv.before);
        silverDrops += mv.after == 銀MAN;
        bishopDrops += mv.after == 角MAN;
    }
    EXPECT_EQ(silverDrops, 15);
    EXPECT_EQ(bishopDrops, 15);
}

TEST(MoveGeneration, 取った駒は面によらず手の組に入り戻せば元通り) {
    GameState s;
    初期設定(s);
    s.盤[2][2] = 飛COM;  // a rook in reach of the lower silver? place a capture directly
    s.盤[2][4] = 銀MAN;
    s.盤[2][5] = 空桝;
    const GameMove mv = GameMove::onBoard(2, 4, 2, 3, 銀MAN, 角MAN);
    const GameState before = s;
    const GameMove capture = GameMove::onBoard(2, 3, 2, 2, 角MAN, 銀MAN);
    const int c1 = applyMove(s, mv, false);
    const int c2 = applyMove(s, capture, false);
    EXPECT_EQ(c2, 飛COM);
    EXPECT_EQ(s.持駒MAN[1], 1);
    EXPECT_EQ(s.持駒数MAN, 1);
    undoMove(s, capture, false, c2);
    undoMove(s, mv, false, c1);
    EXPECT_EQ(s.盤, before.盤);
    EXPECT_EQ(s.持駒MAN, before.持駒MAN);
    EXPECT_EQ(s.持駒数MAN, 0);
}

}  // namespace
}  // namespace tanukiban
