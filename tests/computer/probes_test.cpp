// The positional probes run before the scan and inside the evaluation.
#include "computer/probes.h"

#include <gtest/gtest.h>

#include "position.h"
#include "rules/state.h"

namespace tanukiban {
namespace {

using testing::position;

TEST(調査_移動可場所数, 相手の利きのない行き先だけを数える) {
    // The upper rook on (3,3) could take the pawn on (3,4), but the lower
    // gold on (3,5) covers that square.
    GameState s = position({
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 飛COM, 0, 0},
        {0, 0, 歩MAN, 0, 0},
        {0, 0, 金MAN, 0, 0},
    });
    InfluenceMaps m;
    勢力調査(s.盤, m);
    EXPECT_EQ(調査_移動可場所数(s, m, 3, 3, 飛COM), 6);  // two up, two left, two right
    // For a lower piece the upper side's attacks count: the rook is free.
    EXPECT_EQ(調査_移動可場所数(s, m, 3, 4, 歩MAN), 1);
    s.盤[3][2] = 金COM;
    勢力調査(s.盤, m);
    EXPECT_EQ(調査_移動可場所数(s, m, 3, 4, 歩MAN), 0);
}

TEST(調査_自守駒MAN_直進駒, 間の駒で答えが変わる) {
    GameState s = position({
        {0, 0, 0, 0, 0},
        {0, 0, 銀COM, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 香MAN, 0, 0},
    });
    EXPECT_EQ(調査_自守駒MAN_直進駒(s.盤, 3, 2), OK);
    s.盤[3][4] = 歩MAN;  // a lower pawn blocks the lance
    EXPECT_EQ(調査_自守駒MAN_直進駒(s.盤, 3, 2), NG);
    s.盤[3][4] = 歩COM;  // an upper piece stops the walk
    EXPECT_EQ(調査_自守駒MAN_直進駒(s.盤, 3, 2), NG);
    s.盤[3][4] = 空桝;
    s.盤[3][5] = 飛MAN;
    EXPECT_EQ(調査_自守駒MAN_直進駒(s.盤, 3, 2), OK);
    s.盤[3][5] = 金MAN;
    EXPECT_EQ(調査_自守駒MAN_直進駒(s.盤, 3, 2), NG);
    EXPECT_EQ(調査_自守駒MAN_直進駒(s.盤, 3, 5), NG);  // nothing below the last row
}

TEST(調査_周辺状況, 大駒と王だけを数え盤の端で止まる) {
    GameState s = position({
        {飛COM, 王COM, 0, 0, 0},
        {角COM, 金COM, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 飛MAN},
        {0, 0, 0, 王MAN, 0},
    });
    EXPECT_EQ(調査_周辺状況(s.盤, 1, 1), -2);  // king and bishop; the gold does not count
    EXPECT_EQ(調査_周辺状況(s.盤, 2, 2), -3);
    EXPECT_EQ(調査_周辺状況(s.盤, 5, 5), 0);  // lower pieces do not count
}

TEST(調査_移動不可駒, 王との間の駒だけに印を付ける) {
    GameState s = position({
        {0, 0, 飛COM, 0, 角COM},
        {0, 0, 0, 0, 0},
        {0, 0, 金MAN, 0, 0},
        {0, 歩MAN, 0, 0, 0},
        {0, 0, 王MAN, 0, 0},
    });
    InfluenceMaps m;
    勢力調査(s.盤, m);
    Grid pinned{};
    EXPECT_EQ(調査_移動不可駒(s, m.kings, pinned), NG);
    EXPECT_EQ(pinned[3][3], 1);  // the gold shields its king from the rook
    EXPECT_EQ(pinned[2][4], 0);  // the pawn stands off every line to the king
    EXPECT_EQ(pinned[3][5], 0);
    EXPECT_EQ(s.盤[3][3], 金MAN);  // lifted pieces are put back
}

TEST(調査_移動不可駒, 上手の駒の釘付けは旗で知らせる) {
    GameState s = position({
        {0, 0, 王COM, 0, 0},
        {0, 0, 銀COM, 0, 0},
        {0, 0, 0, 0, 0},
        {歩MAN, 0, 0, 0, 0},
        {0, 0, 飛MAN, 0, 0},
    });
    InfluenceMaps m;
    勢力調査(s.盤, m);  // finds the kings
    Grid pinned{};
    EXPECT_EQ(調査_移動不可駒(s, m.kings, pinned), OK);  // the silver shields its king
    EXPECT_EQ(pinned[1][4], 0);
}

TEST(調査_移動不可駒, 既に王手ならどの駒にも印が付く) {
    GameState s = position({
        {0, 0, 0, 0, 0},
        {0, 0, 飛COM, 0, 0},
        {0, 0, 0, 0, 0},
        {歩MAN, 0, 王MAN, 0, 0},
        {0, 0, 0, 0, 金MAN},
    });
    InfluenceMaps m;
    勢力調査(s.盤, m);
    Grid pinned{};
    EXPECT_EQ(調査_移動不可駒(s, m.kings, pinned), NG);
    EXPECT_EQ(pinned[1][4], 1);
    EXPECT_EQ(pinned[5][5], 1);
    EXPECT_EQ(pinned[3][4], 1);  // the king itself, lifted, is marked too
    EXPECT_EQ(pinned[3][2], 0);
}

TEST(調査_持角狙座標, 守りの薄い斜めの空き桝に印を付ける) {
    GameState s = position({
        {0, 0, 王COM, 0, 0},
        {0, 0, 0, 金COM, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 王MAN, 0, 0},
    });
    InfluenceMaps m;
    勢力調査(s.盤, m);
    Grid aim{};
    調査_持角狙座標(s, m, aim);
    EXPECT_EQ(aim[2][2], 1);  // guarded by the king alone, next to it
    EXPECT_EQ(aim[1][3], 1);  // not guarded at all
    EXPECT_EQ(aim[4][2], 0);  // occupied by the gold
    EXPECT_EQ(aim[5][3], 0);  // guarded by the gold, which also blocks the diagonal
    EXPECT_EQ(aim[3][3], 0);  // not on a diagonal of the king
}

}  // namespace
}  // namespace tanukiban
