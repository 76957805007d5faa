// Danger squares and the bishop watch, on the worked examples.
#include "computer/danger.h"

#include <gtest/gtest.h>

#include "computer/probes.h"
#include "position.h"
#include "rules/state.h"

namespace tanukiban {
namespace {

using testing::position;

struct Judged {
    GameState s;
    InfluenceMaps m;
    ComputerWork w;

    explicit Judged(GameState position) : s(position) { prepareComputerTurn(s, m, w); }
    int danger(int piece, int x, int y) { return 盤評価_COM危険座標(s, m, w, piece, x, y); }
};

TEST(盤評価_COM危険座標, 歩に狙われた浮き銀はマイナス211) {
    Judged j(position({
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 銀COM, 0, 0},
        {0, 0, 歩MAN, 0, 0},
        {0, 0, 0, 0, 0},
    }));
    // The exchange (−100 + 10), then −100 − 1 − 20 for hanging on row 3
    // to a pawn.
    EXPECT_EQ(j.danger(銀COM, 3, 3), -2110);
    // Had the silver just captured a lower gold there, its value comes back.
    j.w.前盤[3][3] = 金MAN;
    EXPECT_EQ(j.danger(銀COM, 3, 3), -2110 + 1100);
}

TEST(盤評価_COM危険座標, 一段目の王の前を攻められるとマイナス1000) {
    Judged j(position(
        {
            {0, 0, 王COM, 0, 0},
            {0, 0, 0, 0, 0},
            {0, 0, 金MAN, 0, 0},
            {0, 0, 0, 0, 0},
            {0, 0, 0, 0, 0},
        },
        /*man=*/{0, 0, 0, 1, 0}));
    // −1000 for the king; −10.5 for each of (2,2), (3,2), (4,2) next to it
    // while a knight/gold is in hand; −0.1 for every undefended empty square
    // of rows 1..3 and −0.1 more on (2,3) and (4,3), which are attacked too.
    EXPECT_EQ(j.danger(王COM, 3, 1), -10000 - 3 * 105 - 10);
}

TEST(盤評価_COM危険座標, 二つの浮き駒を狙うと安い方の値が加わる) {
    Judged j(position({
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 銀MAN, 金COM, 0, 0},
        {0, 0, 0, 飛MAN, 0},
        {0, 0, 0, 0, 0},
    }));
    // The gold on (3,3) could take the silver and the rook next; a pawn
    // there threatens neither. The rest of the scan is the same for both.
    EXPECT_EQ(j.danger(金COM, 3, 3) - j.danger(歩COM, 3, 3), 1 + 1 + 1000);
    // From an attacked square nothing counts.
    j.m.勢力MAN[3][3] = 1;
    EXPECT_EQ(j.danger(金COM, 3, 3) - j.danger(歩COM, 3, 3), 0);
}

TEST(盤評価_COM危険座標, 盤も地図も変えない) {
    Judged j(position(
        {
            {0, 金COM, 王COM, 0, 0},
            {桂COM, 0, 0, 銀COM, 0},
            {0, 飛MAN, 0, 歩MAN, 0},
            {香MAN, 0, 0, 0, 0},
            {0, 0, 王MAN, 0, 桂MAN},
        },
        {0, 1, 1, 1, 1}));
    const Grid board = j.s.盤;
    const Grid man = j.m.勢力MAN;
    j.danger(金COM, 2, 1);
    EXPECT_EQ(j.s.盤, board);
    EXPECT_EQ(j.m.勢力MAN, man);
}

TEST(盤評価_自角注意_COM, 盤上の角が狙い桝へ届くときだけ駒の値を返す) {
    GameState s = position({
        {角MAN, 0, 王COM, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 金COM, 0},
        {0, 0, 0, 0, 0},
    });
    InfluenceMaps m;
    ComputerWork w;
    勢力調査(s.盤, m);
    調査_持角狙座標(s, m, w.持角狙座標MAN);
    ASSERT_EQ(w.持角狙座標MAN[2][2], 1);
    // From (4,4) the gold sees the marked square (2,2), which the bishop on
    // (1,1) reaches.
    EXPECT_EQ(盤評価_自角注意_COM(s, w, 4, 4, 金COM), 金COM);
    // A bishop in hand does not count.
    s.盤[1][1] = 空桝;
    s.持駒MAN[4] = 1;
    EXPECT_EQ(盤評価_自角注意_COM(s, w, 4, 4, 金COM), 0);
    // A bishop whose path runs through the gold does not count either.
    s.盤[5][5] = 角MAN;
    EXPECT_EQ(盤評価_自角注意_COM(s, w, 4, 4, 金COM), 0);
}

}  // namespace
}  // namespace tanukiban
