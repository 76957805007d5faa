#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <tuple>

#include "engine/convert.h"
#include "engine/movegen.h"
#include "rules/state.h"

namespace tanukiban::engine {
namespace {

TEST(EnginePerft, 初期局面から深さ5まで) {
    Position pos = Position::initial();
    const Key key = pos.key();
    const std::uint64_t expected[] = {12, 137, 1636, 18268, 225903};
    for (int depth = 1; depth <= 5; ++depth)
        EXPECT_EQ(perft(pos, depth), expected[depth - 1]) << "depth " << depth;
    EXPECT_EQ(pos.key(), key);

    Placement upperFirst = pos.placement();
    upperFirst.sideToMove = Upper;
    ASSERT_TRUE(pos.set(upperFirst));
    EXPECT_EQ(perft(pos, 3), 1636u);
}

// Random games: after every ply the incremental key equals a fresh one, and
// taking every ply back restores the start exactly.
TEST(EnginePosition, 指して戻すと局面とキーが元通り) {
    std::mt19937 rng(7);
    for (int game = 0; game < 50; ++game) {
        Position pos = Position::initial();
        const Position start = pos;
        std::vector<Move> played;
        MoveList list;
        for (int ply = 0; ply < 120; ++ply) {
            generateMoves(pos, list);
            if (list.size == 0) break;
            const Move m = list.moves[rng() % static_cast<unsigned>(list.size)];
            pos.make(m);
            played.push_back(m);
            Position fresh;
            ASSERT_TRUE(fresh.set(pos.placement()));
            ASSERT_EQ(fresh.key(), pos.key());
            ASSERT_EQ(fresh.checkers(), pos.checkers());
        }
        for (auto it = played.rbegin(); it != played.rend(); ++it) pos.unmake(*it);
        EXPECT_EQ(pos.key(), start.key());
        for (Square s = 0; s < SquareCount; ++s) ASSERT_EQ(pos.pieceOn(s), start.pieceOn(s));
        for (int pair = 0; pair < PairCount; ++pair) {
            EXPECT_EQ(pos.handCount(Lower, pair), 0);
            EXPECT_EQ(pos.handCount(Upper, pair), 0);
        }
    }
}

using GameMoveKey = std::tuple<int, int, int, int, int, int, int>;

GameMoveKey keyOf(const GameMove& m) {
    return {m.fromX, m.fromY, m.pair, m.toX, m.toY, m.before, m.after};
}

// The engine's legal moves are exactly the rules layer's moves that do not
// leave the mover's king attacked, on positions from random games; each
// converts to the game's description and back, and the position converts to
// the game's state and back.
TEST(EnginePosition, 合法手が規則層と一致する) {
    std::mt19937 rng(11);
    InfluenceMaps maps;
    int positions = 0;
    for (int game = 0; positions < 3000; ++game) {
        Position pos = Position::initial();
        MoveList list;
        for (int ply = 0; ply < 150; ++ply, ++positions) {
            GameState s;
            s.手番COM = 先手;
            s.手番MAN = 後手;
            writeToGame(pos, s);
            const bool upper = pos.sideToMove() == Upper;
            std::vector<GameMove> pseudo;
            tanukiban::generateMoves(s, upper, pseudo);
            std::set<GameMoveKey> expected;
            for (const GameMove& gm : pseudo) {
                const int captured = applyMove(s, gm, upper);
                if (!ownKingAttacked(s, maps, upper)) expected.insert(keyOf(gm));
                undoMove(s, gm, upper, captured);
            }
            generateMoves(pos, list);
            std::set<GameMoveKey> got;
            for (Move m : list) {
                const GameMove gm = toGameMove(pos, m);
                got.insert(keyOf(gm));
                ASSERT_EQ(fromGameMove(pos, gm), m);
            }
            ASSERT_EQ(got, expected) << "game " << game << " ply " << ply;
            for (Square from = 0; from < SquareCount; ++from) {
                for (Square to = 0; to < SquareCount; ++to) {
                    const Move m = Move::board(from, to);
                    ASSERT_EQ(isLegal(pos, m), list.contains(m));
                }
            }
            for (int face = 0; face < KindCount; ++face) {
                for (Square to = 0; to < SquareCount; ++to) {
                    const Move m = Move::drop(static_cast<Kind>(face), to);
                    ASSERT_EQ(isLegal(pos, m), list.contains(m));
                }
            }

            const std::optional<Position> back = positionFromGame(s);
            ASSERT_TRUE(back.has_value());
            EXPECT_EQ(back->key(), pos.key());
            if (list.size == 0) break;
            pos.make(list.moves[rng() % static_cast<unsigned>(list.size)]);
        }
    }
}

TEST(EnginePosition, 王が一つずつでない局面は受け付けない) {
    GameState s;
    初期設定(s);
    s.盤[3][1] = 空桝;
    std::string why;
    EXPECT_FALSE(positionFromGame(s, &why).has_value());
    EXPECT_FALSE(why.empty());
}

}  // namespace
}  // namespace tanukiban::engine
