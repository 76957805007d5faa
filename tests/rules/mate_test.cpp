#include "rules/mate.h"

#include <gtest/gtest.h>

#include "board_builder.h"
#include "rules/state.h"

namespace tanukiban {
namespace {

using testing::position;

int manMated(GameState s) {
    InfluenceMaps m;
    勢力調査(s.盤, m);
    return 詰めかMAN(s, m);
}

int comMated(GameState s) {
    InfluenceMaps m;
    勢力調査(s.盤, m);
    return 詰めかCOM(s, m);
}

void give(GameState& s, int pair, int count = 1) {
    s.持駒MAN[pair] += count;
    s.持駒数MAN += count;
}

// Each case is checked for the lower king and, turned round, for the upper.
void expectBoth(const GameState& s, int expected) {
    EXPECT_EQ(manMated(s), expected);
    EXPECT_EQ(comMated(turnedAbout(s)), expected);
}

TEST(詰め, 王手でなければ詰みではない) {
    GameState s = position({{1, 5, 王MAN}, {1, 3, 金COM}, {2, 3, 金COM}, {3, 3, 金COM}});
    expectBoth(s, NG);
}

TEST(詰め, 守られた金の頭金は持駒があっても詰み) {
    GameState s = position({{3, 5, 王MAN}, {3, 4, 金COM}, {3, 3, 歩COM}});
    give(s, 4);
    expectBoth(s, OK);
    s.盤[3][3] = 空桝;  // unprotected: the king takes it
    expectBoth(s, NG);
}

// The king on (1,5) has no free square: the gold covers (1,4) and (2,4),
// the rook (2,5).
GameState distantRookCheck() {
    return position({{1, 5, 王MAN}, {3, 5, 飛COM}, {1, 3, 金COM}});
}

TEST(詰め, 離れた飛車の王手は合駒で防げる) {
    GameState s = distantRookCheck();
    give(s, 4);
    expectBoth(s, NG);
}

TEST(詰め, 歩と飛の組しか無ければ合駒にならない) {
    GameState s = distantRookCheck();
    give(s, 1);
    expectBoth(s, OK);
    give(s, 3);  // one piece of another pair makes the block count
    expectBoth(s, NG);
}

TEST(詰め, 盤上の駒が間に入れば応手になる) {
    GameState s = distantRookCheck();
    expectBoth(s, OK);
    s.盤[2][4] = 金MAN;  // steps straight back into the line
    expectBoth(s, NG);
}

TEST(詰め, 桂の王手は合駒の走査を飛ばして逃げと応手で判断する) {
    GameState s =
        position({{3, 5, 王MAN}, {4, 3, 桂COM}, {5, 3, 桂COM}, {1, 3, 桂COM}, {1, 4, 飛COM}});
    give(s, 4);
    expectBoth(s, OK);
    s.盤[5][4] = 金MAN;  // takes the checking knight
    expectBoth(s, NG);
}

TEST(詰め, 線の真後ろへの逃げは逃げにならない) {
    GameState s = position({{1, 3, 王MAN}, {1, 1, 飛COM}, {3, 3, 金COM}, {3, 1, 銀COM}});
    expectBoth(s, OK);
    s.盤[1][1] = 空桝;
    s.盤[1][2] = 金COM;  // checks from next door; (1,4) is free then
    expectBoth(s, NG);
}

TEST(詰め, ピンされた駒で王手の駒を取っても応手にならない) {
    GameState s = position(
        {{3, 5, 王MAN}, {3, 4, 金MAN}, {3, 1, 飛COM}, {4, 4, 金COM}, {4, 3, 歩COM}, {2, 1, 香COM}});
    expectBoth(s, OK);
    s.盤[3][1] = 空桝;  // no pin: the gold takes the checker
    expectBoth(s, NG);
}

TEST(詰め, 詰めかCOMは実際の局面の図を残し盤を戻す) {
    GameState s = turnedAbout(position({{3, 5, 王MAN},
                                        {3, 4, 金MAN},
                                        {3, 1, 飛COM},
                                        {4, 4, 金COM},
                                        {4, 3, 歩COM},
                                        {2, 1, 香COM}}));
    InfluenceMaps m;
    勢力調査(s.盤, m);
    const Grid board = s.盤;
    InfluenceMaps fresh = m;
    詰めかCOM(s, m);
    EXPECT_EQ(s.盤, board);
    EXPECT_EQ(m.勢力MAN, fresh.勢力MAN);
    EXPECT_EQ(m.勢力COM, fresh.勢力COM);
    EXPECT_EQ(m.王手MAN, fresh.王手MAN);
    EXPECT_EQ(m.攻駒MAN, fresh.攻駒MAN);
}

TEST(詰めかMAN_COM移動, 上の駒が下の王の桝へ行けるか) {
    GameState s = position({{3, 5, 王MAN}, {3, 1, 飛COM}});
    const KingSquares kings{3, 5, 3, 1};
    EXPECT_EQ(詰めかMAN_COM移動(s, kings), OK);
    s.盤[3][3] = 歩MAN;
    EXPECT_EQ(詰めかMAN_COM移動(s, kings), NG);
}

TEST(調査_自王逃道, 空いていて利きの無い隣だけを数え印を付ける) {
    GameState s = position({{3, 5, 王MAN}, {2, 5, 銀MAN}, {3, 3, 歩COM}, {5, 3, 金COM}});
    InfluenceMaps m;
    勢力調査(s.盤, m);
    Grid marks{};
    // Neighbours: (3,4) attacked by the pawn, (4,4) by the gold, (2,4) and
    // (4,5) free, (2,5) own silver.
    EXPECT_EQ(調査_自王逃道(s, m, marks), 2);
    EXPECT_EQ(marks[2][4], 1);
    EXPECT_EQ(marks[4][5], 1);
    EXPECT_EQ(marks[3][4], 0);
    EXPECT_EQ(marks[2][5], 0);
}

}  // namespace
}  // namespace tanukiban
