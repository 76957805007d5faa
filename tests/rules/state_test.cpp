#include "rules/state.h"

#include <gtest/gtest.h>

namespace tanukiban {
namespace {

TEST(初期設定, 十枚の駒と空の手でゲームなし) {
    GameState s;
    s.盤[3][3] = 飛MAN;
    s.持駒MAN[2] = 3;
    s.持駒数MAN = 3;
    s.手番 = 先手;
    s.手数 = 40;
    s.手順数 = 40;
    s.手順最大数 = 40;
    s.棋譜モード = OK;
    s.COMレベル = 2;
    s.手番MAN = 先手;
    初期設定(s);

    const int row1[] = {歩COM, 金COM, 王COM, 銀COM, とCOM};
    const int row5[] = {とMAN, 銀MAN, 王MAN, 金MAN, 歩MAN};
    int pieces = 0;
    for (int x = 1; x <= 5; ++x) {
        EXPECT_EQ(s.盤[x][1], row1[x - 1]);
        EXPECT_EQ(s.盤[x][5], row5[x - 1]);
        // Symmetric under a half turn about the centre.
        EXPECT_EQ(s.盤[x][1], -s.盤[6 - x][5]);
        for (int y = 1; y <= 5; ++y) pieces += s.盤[x][y] != 空桝;
    }
    EXPECT_EQ(pieces, 10);
    EXPECT_EQ(s.持駒MAN, (Hand{0, 0, 0, 0, 0}));
    EXPECT_EQ(s.持駒COM, (Hand{0, 0, 0, 0, 0}));
    EXPECT_EQ(s.持駒数MAN, 0);
    EXPECT_EQ(s.持駒数COM, 0);
    EXPECT_EQ(s.手番, 手番なし);
    EXPECT_EQ(s.手数, 0);
    EXPECT_EQ(s.手順数, 0);
    EXPECT_EQ(s.棋譜モード, NG);
    // Left alone: the sides, the level and how far the stored game reaches.
    EXPECT_EQ(s.手順最大数, 40);
    EXPECT_EQ(s.COMレベル, 2);
    EXPECT_EQ(s.手番MAN, 先手);
}

TEST(手順保存, 取った駒と置いた面と時間を残す) {
    GameState s;
    初期設定(s);
    s.盤[2][4] = 歩COM;
    ASSERT_TRUE(手順保存(s, Ply{2, 5, 2, 4, 銀MAN, 歩COM, 空桝, 1.5, 4.0, 2.0, 2.0}));
    EXPECT_EQ(s.手順数, 1);
    EXPECT_EQ(s.手順最大数, 1);
    EXPECT_EQ(s.手順.手順取得駒[1], 歩COM);
    EXPECT_EQ(s.手順.手順元駒[1], 銀MAN);
    EXPECT_DOUBLE_EQ(s.手順.手順後秒MAN[1], 4.0);
}

TEST(手順保存, 新しい手はその先の手を捨てる) {
    GameState s;
    for (int i = 0; i < 5; ++i) 手順保存(s, Ply{1, 1, 1, 2, 歩COM, 飛COM});
    s.手順数 = 2;  // as after stepping back to ply 2
    手順保存(s, Ply{1, 1, 1, 2, 歩COM, 飛COM});
    EXPECT_EQ(s.手順最大数, 3);
}

TEST(手順保存, 五百手を超えては書かない) {
    GameState s;
    for (int i = 1; i <= 手順上限; ++i) {
        ASSERT_TRUE(
            手順保存(s, Ply{1, 1, 1, 2, 歩COM, 飛COM, 空桝, 1.0 * i, 1.0 * i, 1.0 * i, 1.0 * i}))
            << i;
    }
    const MoveList before = s.手順;
    EXPECT_FALSE(手順保存(s, Ply{5, 5, 5, 4, 歩MAN, 飛MAN, 空桝, 9, 9, 9, 9}));
    EXPECT_EQ(s.手順数, 手順上限);
    EXPECT_EQ(s.手順最大数, 手順上限);
    EXPECT_EQ(s.手順.手順元X, before.手順元X);
    EXPECT_DOUBLE_EQ(s.手順.手順後秒COM[手順上限], 500.0);
}

TEST(駒台, 面と組の対応) {
    EXPECT_EQ(standFace(7, 1), 歩MAN);
    EXPECT_EQ(standFace(9, 1), 飛MAN);
    EXPECT_EQ(standFace(9, 2), とMAN);
    EXPECT_EQ(standFace(7, 3), 桂MAN);
    EXPECT_EQ(standFace(-1, 4), 銀COM);
    EXPECT_EQ(standFace(-3, 3), 金COM);
    EXPECT_EQ(standFace(3, 1), 空桝);
    EXPECT_EQ(standFace(7, 5), 空桝);
    EXPECT_EQ(facePair(王MAN), 0);
    EXPECT_EQ(facePair(-800), 4);
}

}  // namespace
}  // namespace tanukiban
