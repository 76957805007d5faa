#include "rules/influence.h"

#include <gtest/gtest.h>

#include <random>

#include "board_builder.h"
#include "rules/legality.h"
#include "rules/state.h"

namespace tanukiban {
namespace {

using testing::position;

// Rows of a map, columns 1..5, for comparing with tables.
std::array<int, 5> row(const Grid& g, int y) {
    return {g[1][y], g[2][y], g[3][y], g[4][y], g[5][y]};
}

TEST(勢力調査, 初期局面の各図) {
    GameState s;
    初期設定(s);
    InfluenceMaps m;
    勢力調査(s.盤, m);
    using R = std::array<int, 5>;
    const R zero{0, 0, 0, 0, 0};
    EXPECT_EQ(row(m.勢力MAN, 4), (R{2, 3, 3, 2, 2}));
    EXPECT_EQ(row(m.勢力MAN, 5), (R{0, 2, 1, 1, 1}));
    EXPECT_EQ(row(m.勢力COM, 1), (R{1, 1, 1, 2, 0}));
    EXPECT_EQ(row(m.勢力COM, 2), (R{2, 2, 3, 3, 2}));
    EXPECT_EQ(row(m.守駒COM, 1), (R{110, 950, 110, 110, 999}));
    for (int y = 1; y <= 5; ++y) {
        if (y != 4 && y != 5) {
            EXPECT_EQ(row(m.勢力MAN, y), zero) << y;
        }
        if (y != 1 && y != 2) {
            EXPECT_EQ(row(m.勢力COM, y), zero) << y;
        }
        if (y != 1) {
            EXPECT_EQ(row(m.守駒COM, y), (R{999, 999, 999, 999, 999}));
        }
        EXPECT_EQ(row(m.攻駒MAN, y), (R{-999, -999, -999, -999, -999}));
        EXPECT_EQ(row(m.攻駒COM, y), (R{999, 999, 999, 999, 999}));
        EXPECT_EQ(row(m.王手MAN, y), zero);
        EXPECT_EQ(row(m.王手COM, y), zero);
        EXPECT_EQ(row(m.攻駒MAN_X, y), zero);
    }
    EXPECT_EQ(m.kings.王X_MAN, 3);
    EXPECT_EQ(m.kings.王Y_MAN, 5);
    EXPECT_EQ(m.kings.王X_COM, 3);
    EXPECT_EQ(m.kings.王Y_COM, 1);
}

TEST(勢力調査, 空の盤は初期値だけで王の桝は無し) {
    GameState s;
    InfluenceMaps m;
    m.kings.王X_COM = 4;
    m.kings.王Y_COM = 2;
    m.守駒COM_X[2][2] = 7;  // left by an earlier survey
    const KingSquares kings = 勢力調査(s.盤, m);
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) {
            EXPECT_EQ(m.勢力MAN[x][y], 0);
            EXPECT_EQ(m.勢力COM[x][y], 0);
            EXPECT_EQ(m.守駒COM[x][y], 999);
            EXPECT_EQ(m.攻駒COM[x][y], 999);
            EXPECT_EQ(m.攻駒MAN[x][y], -999);
        }
    }
    EXPECT_EQ(kings.王X_COM, 0);
    EXPECT_EQ(kings.王Y_COM, 0);
    EXPECT_EQ(m.kings.王X_COM, 0);
    EXPECT_EQ(m.守駒COM_X[2][2], 7);
}

TEST(勢力調査, 盤の端の駒は盤内だけに入る) {
    GameState s =
        position({{2, 1, 歩MAN}, {4, 5, 歩COM}, {1, 2, 桂MAN}, {5, 4, 桂COM}, {1, 4, 桂MAN}});
    InfluenceMaps m;
    勢力調査(s.盤, m);
    int manTotal = 0, comTotal = 0;
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) {
            manTotal += m.勢力MAN[x][y];
            comTotal += m.勢力COM[x][y];
        }
    }
    EXPECT_EQ(comTotal, 0);
    EXPECT_EQ(manTotal, 1);  // only the knight on (1, 4) reaches (2, 2)
    EXPECT_EQ(m.勢力MAN[2][2], 1);
}

TEST(勢力調査, 飛車の線は王の先まで届き間を1で王手を9で記す) {
    GameState s = position({{3, 3, 飛MAN}, {3, 1, 王COM}});
    InfluenceMaps m;
    勢力調査(s.盤, m);
    EXPECT_EQ(m.王手MAN[3][2], 1);
    EXPECT_EQ(m.王手MAN[3][3], 9);
    EXPECT_EQ(m.攻駒MAN[3][1], -900);
    EXPECT_EQ(m.攻駒MAN_X[3][1], 3);
    EXPECT_EQ(m.攻駒MAN_Y[3][1], 3);
    EXPECT_EQ(m.勢力MAN[3][2], 1);
    EXPECT_EQ(m.勢力MAN[3][1], 1);

    GameState t = position({{1, 3, 飛MAN}, {3, 3, 王COM}, {5, 3, 銀COM}});
    勢力調査(t.盤, m);
    for (int x = 2; x <= 5; ++x) EXPECT_EQ(m.勢力MAN[x][3], 1) << x;
    EXPECT_EQ(m.王手MAN[2][3], 1);
    EXPECT_EQ(m.王手MAN[1][3], 9);
    EXPECT_EQ(m.王手MAN[4][3], 0);
    EXPECT_EQ(m.攻駒MAN[5][3], -900);
}

TEST(勢力調査, 最初の駒で線は止まりその先の王にも届かない) {
    GameState s = position({{3, 5, 香COM}, {3, 4, 歩COM}, {3, 1, 王MAN}});
    s.盤[3][5] = 空桝;
    s.盤[3][1] = 香COM;
    s.盤[3][2] = 歩COM;
    s.盤[3][4] = 王MAN;
    InfluenceMaps m;
    勢力調査(s.盤, m);
    EXPECT_EQ(m.勢力COM[3][2], 1);
    EXPECT_EQ(m.守駒COM[3][2], 香COM);
    EXPECT_EQ(m.守駒COM_X[3][2], 3);
    EXPECT_EQ(m.守駒COM_Y[3][2], 1);
    EXPECT_EQ(m.勢力COM[3][4], 0);
    EXPECT_EQ(m.王手COM[3][1], 0);
}

TEST(勢力調査, 隣の線駒は自分の桝だけ9) {
    GameState s = position({{3, 2, 飛COM}, {3, 3, 王MAN}});
    InfluenceMaps m;
    勢力調査(s.盤, m);
    EXPECT_EQ(m.王手COM[3][2], 9);
    EXPECT_EQ(m.攻駒COM[3][3], 900);
    EXPECT_EQ(m.攻駒COM_X[3][3], 3);
    EXPECT_EQ(m.攻駒COM_Y[3][3], 2);
    EXPECT_EQ(m.勢力COM[3][4], 1);  // behind the king
    int marked = 0;
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 5; ++y) marked += m.王手COM[x][y] != 0;
    EXPECT_EQ(marked, 1);
}

TEST(勢力調査, 角の歩き方) {
    GameState s = position({{3, 3, 角MAN}});
    InfluenceMaps m;
    勢力調査(s.盤, m);
    int count = 0;
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 5; ++y) count += m.勢力MAN[x][y];
    EXPECT_EQ(count, 8);

    GameState c = position({{1, 1, 角COM}});
    勢力調査(c.盤, m);
    count = 0;
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 5; ++y) count += m.勢力COM[x][y];
    EXPECT_EQ(count, 4);
    EXPECT_EQ(m.勢力COM[5][5], 1);
}

TEST(勢力調査, 同じ値の駒では先に見た方が残る) {
    // Two silvers defend the gold on (3, 3); the lower column is scanned first.
    GameState s = position({{3, 3, 金COM}, {2, 2, 銀COM}, {4, 2, 銀COM}});
    InfluenceMaps m;
    勢力調査(s.盤, m);
    EXPECT_EQ(m.守駒COM[3][3], 100);
    EXPECT_EQ(m.守駒COM_X[3][3], 2);
    EXPECT_EQ(m.守駒COM_Y[3][3], 2);

    // A pawn defends more cheaply but does not record its square.
    m.守駒COM_X[3][4] = 4;
    m.守駒COM_Y[3][4] = 4;
    GameState p = position({{3, 3, 歩COM}, {3, 4, 金COM}});
    勢力調査(p.盤, m);
    EXPECT_EQ(m.守駒COM[3][4], 10);
    EXPECT_EQ(m.守駒COM_X[3][4], 4);
    EXPECT_EQ(m.守駒COM_Y[3][4], 4);

    // A rook and a pawn attack the same piece: the pawn is the cheapest.
    GameState a = position({{3, 5, 飛MAN}, {3, 3, 歩MAN}, {3, 2, 金COM}});
    a.盤[3][5] = 空桝;
    a.盤[1][2] = 飛MAN;
    勢力調査(a.盤, m);
    EXPECT_EQ(m.攻駒MAN[3][2], -10);
    EXPECT_EQ(m.攻駒MAN_X[3][2], 3);
    EXPECT_EQ(m.攻駒MAN_Y[3][2], 3);
}

TEST(勢力調査, 金ととの守りは110で桂銀は攻駒COMに入らない) {
    GameState s = position({{3, 3, 銀COM}, {3, 2, とCOM}});
    InfluenceMaps m;
    勢力調査(s.盤, m);
    EXPECT_EQ(m.守駒COM[3][3], 110);
    GameState k = position({{2, 1, 桂COM}, {3, 3, 歩MAN}, {2, 2, 銀COM}, {2, 4, 金MAN}});
    勢力調査(k.盤, m);
    EXPECT_EQ(m.勢力COM[3][3], 2);
    EXPECT_EQ(m.攻駒COM[3][3], 999);
    EXPECT_EQ(m.勢力COM[2][4], 0);
}

TEST(勢力調査, 桂と銀と金の王手の記し方) {
    GameState s = position({{2, 3, 桂MAN}, {3, 1, 王COM}});
    InfluenceMaps m;
    勢力調査(s.盤, m);
    EXPECT_EQ(m.王手MAN[2][3], 9);
    EXPECT_EQ(m.王手MAN[3][1], 9);

    GameState g = position({{3, 2, 銀MAN}, {3, 1, 王COM}});
    勢力調査(g.盤, m);
    EXPECT_EQ(m.王手MAN[3][2], 9);
    EXPECT_EQ(m.王手MAN[3][1], 0);

    GameState gold = position({{4, 2, 金MAN}, {3, 1, 王COM}});
    勢力調査(gold.盤, m);
    EXPECT_EQ(m.王手MAN[4][2], 9);
    EXPECT_EQ(m.王手MAN[3][1], 0);
    GameState behind = position({{4, 1, 金MAN}, {3, 2, 王COM}});
    勢力調査(behind.盤, m);  // a rear diagonal: no attack
    EXPECT_EQ(m.勢力MAN[3][2], 0);
    EXPECT_EQ(m.王手MAN[4][1], 0);
}

TEST(勢力調査, 王同士が隣り合うと互いに数えるが王手には記さない) {
    GameState s = position({{3, 3, 王MAN}, {3, 2, 王COM}});
    InfluenceMaps m;
    勢力調査(s.盤, m);
    EXPECT_EQ(m.勢力MAN[3][2], 1);
    EXPECT_EQ(m.攻駒MAN[3][2], -950);
    EXPECT_EQ(m.勢力COM[3][3], 1);
    EXPECT_EQ(m.王手MAN[3][3], 0);
    EXPECT_EQ(m.王手COM[3][2], 0);
}

// For every square that is empty or holds an enemy piece, a side's count is
// the number of its pieces that could move there. Lines see through the
// enemy king, so the reference treats that king as absent.
TEST(勢力調査, 数は移動チェックで届く駒の数と一致する) {
    std::mt19937 rng(12345);
    const int codes[] = {10, 11, 20, 30, 100, 110, 800, 900};
    for (int trial = 0; trial < 3000; ++trial) {
        GameState s;
        std::uniform_int_distribution<int> coord(1, 5), pick(0, 7), count(2, 12);
        s.盤[coord(rng)][coord(rng)] = 王MAN;
        int x, y;
        do {
            x = coord(rng), y = coord(rng);
        } while (s.盤[x][y] != 空桝);
        s.盤[x][y] = 王COM;
        for (int n = count(rng); n > 0; --n) {
            x = coord(rng), y = coord(rng);
            if (s.盤[x][y] == 空桝) s.盤[x][y] = codes[pick(rng)] * (rng() % 2 ? 1 : -1);
        }
        InfluenceMaps m;
        勢力調査(s.盤, m);
        for (int side : {-1, 1}) {
            Grid seeThrough = s.盤;
            for (auto& col : seeThrough)
                for (int& c : col)
                    if (c == -side * 950) c = 空桝;
            for (int tx = 1; tx <= 5; ++tx) {
                for (int ty = 1; ty <= 5; ++ty) {
                    const int t = s.盤[tx][ty];
                    if (t * side >= 10) continue;  // own piece: a defence, not a move
                    int expected = 0;
                    for (int px = 1; px <= 5; ++px) {
                        for (int py = 1; py <= 5; ++py) {
                            const int c = s.盤[px][py];
                            if (c * side < 10) continue;
                            expected += 移動チェック(seeThrough, px, py, tx, ty, c) == OK;
                        }
                    }
                    const Grid& counts = side > 0 ? m.勢力COM : m.勢力MAN;
                    ASSERT_EQ(counts[tx][ty], expected)
                        << "trial " << trial << " side " << side << " square " << tx << "," << ty;
                }
            }
        }
    }
}

}  // namespace
}  // namespace tanukiban
