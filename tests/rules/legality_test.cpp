#include "rules/legality.h"

#include <gtest/gtest.h>

#include "board_builder.h"

namespace tanukiban {
namespace {

using testing::position;

TEST(移動チェック, 歩は真っ直ぐ前だけで取るのも前だけ) {
    GameState s = position({{3, 3, 歩MAN}, {3, 2, 歩COM}, {2, 2, 金COM}});
    EXPECT_EQ(移動チェック(s.盤, 3, 3, 3, 2, 歩MAN), OK);
    EXPECT_EQ(移動チェック(s.盤, 3, 3, 2, 2, 歩MAN), NG);
    EXPECT_EQ(移動チェック(s.盤, 3, 3, 3, 4, 歩MAN), NG);
    EXPECT_EQ(移動チェック(s.盤, 3, 2, 3, 3, 歩COM), OK);
    EXPECT_EQ(移動チェック(s.盤, 3, 2, 3, 1, 歩COM), NG);
}

TEST(移動チェック, 香は最初の駒で止まりそれを取れる) {
    GameState s = position({{1, 5, 香MAN}, {1, 2, 金COM}});
    EXPECT_EQ(移動チェック(s.盤, 1, 5, 1, 3, 香MAN), OK);
    EXPECT_EQ(移動チェック(s.盤, 1, 5, 1, 2, 香MAN), OK);
    EXPECT_EQ(移動チェック(s.盤, 1, 5, 1, 1, 香MAN), NG);
    EXPECT_EQ(移動チェック(s.盤, 1, 5, 2, 4, 香MAN), NG);
    GameState c = position({{4, 1, 香COM}, {4, 3, 歩COM}});
    EXPECT_EQ(移動チェック(c.盤, 4, 1, 4, 2, 香COM), OK);
    EXPECT_EQ(移動チェック(c.盤, 4, 1, 4, 3, 香COM), NG);  // own piece
    EXPECT_EQ(移動チェック(c.盤, 4, 1, 4, 4, 香COM), NG);  // blocked
}

TEST(移動チェック, 桂は跳んで前へ二つ横へ一つ) {
    GameState s = position({{3, 5, 桂MAN}, {3, 4, 歩MAN}, {2, 4, 歩COM}});
    EXPECT_EQ(移動チェック(s.盤, 3, 5, 2, 3, 桂MAN), OK);
    EXPECT_EQ(移動チェック(s.盤, 3, 5, 4, 3, 桂MAN), OK);
    EXPECT_EQ(移動チェック(s.盤, 3, 5, 3, 3, 桂MAN), NG);
    EXPECT_EQ(移動チェック(s.盤, 3, 1, 2, 3, 桂COM), OK);
    EXPECT_EQ(移動チェック(s.盤, 3, 1, 2, 5, 桂COM), NG);
    // Stuck on the last rows: the rule does not forbid standing there.
    EXPECT_EQ(移動チェック(s.盤, 2, 2, 1, 0, 桂MAN), NG);
}

TEST(移動チェック, 銀と金の違いは斜め後ろと横と真後ろ) {
    GameState s;
    struct Case {
        int dx, dy;
        bool silver, gold;
    };
    // Offsets for the lower side (forward is dy = −1).
    const Case cases[] = {{0, -1, true, true},  {-1, -1, true, true}, {1, -1, true, true},
                          {-1, 0, false, true}, {1, 0, false, true},  {0, 1, false, true},
                          {-1, 1, true, false}, {1, 1, true, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(移動チェック(s.盤, 3, 3, 3 + c.dx, 3 + c.dy, 銀MAN), c.silver ? OK : NG);
        EXPECT_EQ(移動チェック(s.盤, 3, 3, 3 + c.dx, 3 + c.dy, 金MAN), c.gold ? OK : NG);
        EXPECT_EQ(移動チェック(s.盤, 3, 3, 3 + c.dx, 3 + c.dy, とMAN), c.gold ? OK : NG);
        // The upper side is the same turned half round.
        EXPECT_EQ(移動チェック(s.盤, 3, 3, 3 - c.dx, 3 - c.dy, 銀COM), c.silver ? OK : NG);
        EXPECT_EQ(移動チェック(s.盤, 3, 3, 3 - c.dx, 3 - c.dy, 金COM), c.gold ? OK : NG);
        EXPECT_EQ(移動チェック(s.盤, 3, 3, 3 - c.dx, 3 - c.dy, とCOM), c.gold ? OK : NG);
    }
}

TEST(移動チェック, 飛車と角の経路) {
    GameState s = position({{1, 3, 歩MAN}});
    EXPECT_EQ(移動チェック(s.盤, 1, 1, 1, 5, 飛COM), NG);
    s.盤[1][3] = 空桝;
    EXPECT_EQ(移動チェック(s.盤, 1, 1, 1, 5, 飛COM), OK);
    s.盤[1][5] = 歩MAN;
    EXPECT_EQ(移動チェック(s.盤, 1, 1, 1, 5, 飛COM), OK);
    s.盤[1][5] = 歩COM;
    EXPECT_EQ(移動チェック(s.盤, 1, 1, 1, 5, 飛COM), NG);
    EXPECT_EQ(移動チェック(s.盤, 1, 1, 2, 2, 飛COM), NG);
    EXPECT_EQ(移動チェック(s.盤, 5, 2, 1, 2, 飛MAN), OK);

    GameState b;
    EXPECT_EQ(移動チェック(b.盤, 1, 1, 2, 2, 角MAN), OK);
    EXPECT_EQ(移動チェック(b.盤, 1, 1, 3, 3, 角MAN), OK);
    EXPECT_EQ(移動チェック(b.盤, 5, 1, 1, 5, 角COM), OK);
    b.盤[2][2] = 歩COM;
    EXPECT_EQ(移動チェック(b.盤, 1, 1, 3, 3, 角MAN), NG);
    EXPECT_EQ(移動チェック(b.盤, 1, 1, 2, 2, 角MAN), OK);
    EXPECT_EQ(移動チェック(b.盤, 1, 1, 2, 3, 角MAN), NG);
}

TEST(移動チェック, 同じ桝と盤外とは動けない) {
    GameState s;
    for (int code : {歩MAN, 飛MAN, 角COM, 香COM, 王MAN}) {
        EXPECT_EQ(移動チェック(s.盤, 3, 3, 3, 3, code), NG) << code;
    }
    EXPECT_EQ(移動チェック(s.盤, 1, 1, 0, 1, 飛COM), NG);
    EXPECT_EQ(移動チェック(s.盤, 5, 5, 6, 5, 飛MAN), NG);
}

TEST(移動チェック, 打つのは空桝だけで他は問わない) {
    GameState s = position({{3, 3, 歩COM}, {3, 4, 歩MAN}});
    EXPECT_EQ(移動チェック(s.盤, 7, 2, 3, 3, 歩MAN), NG);  // onto an enemy piece
    EXPECT_EQ(移動チェック(s.盤, 9, 3, 3, 1, とMAN), OK);
    EXPECT_EQ(移動チェック(s.盤, 7, 2, 3, 1, 歩MAN), OK);  // a pawn where it can never move
    EXPECT_EQ(移動チェック(s.盤, 7, 2, 3, 2, 歩MAN), OK);  // a second pawn on a file
    EXPECT_EQ(移動チェック(s.盤, -1, 4, 3, 5, 歩COM), OK);
    EXPECT_EQ(移動チェック(s.盤, -3, 1, 3, 4, 角COM), NG);
}

TEST(取得_移動後成り駒, 裏返しは二度で元に戻り王は変わらない) {
    for (int code : {10, 11, 20, 30, 100, 110, 800, 900}) {
        for (int sign : {1, -1}) {
            const int c = sign * code;
            const int other = 取得_移動後成り駒(c);
            EXPECT_NE(other, c);
            EXPECT_EQ(other * sign > 0, true);
            EXPECT_EQ(取得_移動後成り駒(other), c);
            EXPECT_EQ(facePair(other), facePair(c));
        }
    }
    EXPECT_EQ(取得_移動後成り駒(歩MAN), 飛MAN);
    EXPECT_EQ(取得_移動後成り駒(とCOM), 香COM);
    EXPECT_EQ(取得_移動後成り駒(桂MAN), 金MAN);
    EXPECT_EQ(取得_移動後成り駒(銀COM), 角COM);
    EXPECT_EQ(取得_移動後成り駒(王MAN), 王MAN);
    EXPECT_EQ(取得_移動後成り駒(王COM), 王COM);
    EXPECT_EQ(取得_移動後成り駒(0), 0);
    EXPECT_EQ(取得_移動後成り駒(12), 0);
}

}  // namespace
}  // namespace tanukiban
