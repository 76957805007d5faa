#include "rules/move.h"

#include <gtest/gtest.h>

#include "board_builder.h"
#include "rules/state.h"

namespace tanukiban {
namespace {

using testing::position;

TEST(駒移動, 取った駒は面の組で手に入り両面で打てる) {
    GameState s = position({{2, 3, 銀MAN}, {2, 2, 角COM}});
    const MoveEffects e = 駒移動(s, GameMove::onBoard(2, 3, 2, 2, 銀MAN, 角MAN));
    EXPECT_TRUE(e.manStandChanged);
    EXPECT_FALSE(e.comStandChanged);
    EXPECT_EQ(s.持駒MAN[4], 1);
    EXPECT_EQ(s.持駒数MAN, 1);
    EXPECT_EQ(s.盤[2][2], 角MAN);
    EXPECT_EQ(s.盤[2][3], 空桝);

    // The captured bishop may come back as a silver or a bishop.
    GameState silver = s, bishop = s;
    駒移動(silver, GameMove::drop(銀MAN, 4, 4));
    駒移動(bishop, GameMove::drop(角MAN, 4, 4));
    EXPECT_EQ(silver.盤[4][4], 銀MAN);
    EXPECT_EQ(bishop.盤[4][4], 角MAN);
    EXPECT_EQ(silver.持駒MAN[4], 0);
    EXPECT_EQ(silver.持駒数MAN, 0);
}

TEST(駒移動, とを打つと組2が減る) {
    GameState s;
    s.持駒MAN[2] = 2;
    s.持駒数MAN = 2;
    const MoveEffects e = 駒移動(s, GameMove::drop(とMAN, 1, 1));
    EXPECT_TRUE(e.manStandChanged);
    EXPECT_EQ(s.盤[1][1], とMAN);
    EXPECT_EQ(s.持駒MAN[2], 1);
    EXPECT_EQ(s.持駒数MAN, 1);
}

TEST(駒移動, コンピュータの打ちはその組の手を減らす) {
    GameState s;
    s.持駒COM[1] = 1;
    s.持駒数COM = 1;
    const MoveEffects e = 駒移動(s, GameMove::drop(飛COM, 3, 3));
    EXPECT_TRUE(e.comStandChanged);
    EXPECT_EQ(s.持駒COM[1], 0);
    EXPECT_EQ(s.持駒数COM, 0);
    EXPECT_EQ(s.盤[3][3], 飛COM);
}

TEST(駒移動, 王の移動は盤だけ変える) {
    GameState s = position({{3, 5, 王MAN}, {3, 1, 王COM}});
    const GameState before = s;
    駒移動(s, GameMove::onBoard(3, 5, 2, 4, 王MAN, 王MAN));
    EXPECT_EQ(s.盤[2][4], 王MAN);
    EXPECT_EQ(s.盤[3][5], 空桝);
    EXPECT_EQ(s.持駒MAN, before.持駒MAN);
    EXPECT_EQ(s.持駒数MAN, before.持駒数MAN);
}

TEST(駒移動, 王を取ると勝者が決まり手の組は変わらない) {
    GameState s = position({{3, 2, 金MAN}, {3, 1, 王COM}});
    s.手番MAN = 先手;
    s.手番COM = 後手;
    駒移動(s, GameMove::onBoard(3, 2, 3, 1, 金MAN, 桂MAN));
    EXPECT_EQ(s.勝者, 先手);
    EXPECT_EQ(s.持駒MAN, (Hand{0, 0, 0, 0, 0}));
    EXPECT_EQ(s.持駒数MAN, 1);  // the total still counts it; the game ends here

    GameState t = position({{3, 4, 金COM}, {3, 5, 王MAN}});
    駒移動(t, GameMove::onBoard(3, 4, 3, 5, 金COM, 桂COM));
    EXPECT_EQ(t.勝者, t.手番COM);
    EXPECT_EQ(t.持駒COM, (Hand{0, 0, 0, 0, 0}));
}

TEST(駒取得, 歩と飛はどちらも組1に入る) {
    GameState s;
    駒取得(s, 歩COM);
    駒取得(s, 飛COM);
    駒取得(s, 歩MAN);
    駒取得(s, 飛MAN);
    駒取得(s, 12);  // not a piece
    EXPECT_EQ(s.持駒MAN[1], 2);
    EXPECT_EQ(s.持駒COM[1], 2);
    EXPECT_EQ(s.勝者, 手番なし);
}

}  // namespace
}  // namespace tanukiban
