#include "engine/mate_solver.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/bench.h"
#include "engine/checks.h"
#include "engine/movegen.h"

namespace tanukiban::engine {
namespace {

// Random games reach drops, captures, pins and uncovered sliders that
// ordinary play meets rarely.
TEST(MateChecks, 王手の判定は指してみた結果と一致する) {
    std::mt19937 random(5);
    int checks = 0;
    for (int game = 0; game < 40; ++game) {
        Position pos = Position::initial();
        for (int ply = 0; ply < 80; ++ply) {
            MoveList moves, found;
            generateMoves(pos, moves);
            generateChecks(pos, found);
            if (moves.size == 0) break;
            int expected = 0;
            for (const Move m : moves) {
                pos.make(m);
                const bool check = pos.inCheck();
                pos.unmake(m);
                ASSERT_EQ(givesCheck(pos, m), check);
                expected += check;
            }
            ASSERT_EQ(found.size, expected);
            checks += expected;
            pos.make(moves.moves[random() % static_cast<unsigned>(moves.size)]);
        }
    }
    EXPECT_GT(checks, 1000);
}

// Checks everywhere but no mate: the solver needs a few hundred thousand
// positions to say so.
Position longNoMate() {
    return *positionFromText("Ts.k./...../.K.../..B.n/.....", {0, 1, 0, 0}, {2, 0, 1, 0}, Upper);
}

TEST(MateSolver, 上限と停止で打ち切った結果は不明とする) {
    MateSolver solver;
    MateLimits limits;
    limits.nodes = 5000;
    MateResult r = solver.solve(longNoMate(), limits);
    EXPECT_EQ(r.status, MateStatus::Unknown);
    EXPECT_LT(r.nodes, 5000u + 2 * MaxMoves);

    const std::atomic<bool> stop{true};
    limits = {};
    limits.stop = &stop;
    EXPECT_EQ(solver.solve(longNoMate(), limits).status, MateStatus::Unknown);

    // What the cut searches left in the table leads to the same verdict.
    r = solver.solve(longNoMate(), {});
    EXPECT_EQ(r.status, MateStatus::Disproven);
    EXPECT_TRUE(r.line.empty());
    EXPECT_EQ(MateSolver().solve(longNoMate(), {}).status, MateStatus::Disproven);
}

// One table serves both sides: the position a mate leaves, with the mated
// side to move, is a new problem for that side, not a mate it gives.
TEST(MateSolver, 攻め方が替わっても表の結論を取り違えない) {
    MateSolver solver;
    Position pos =
        *positionFromText("...TP/..B.k/.Sl../...K./.....", {1, 0, 2, 0}, {0, 0, 0, 0}, Lower);
    const MateResult mate = solver.solve(pos, {});
    ASSERT_EQ(mate.status, MateStatus::Proven);
    ASSERT_EQ(mate.line.size(), 1u);
    pos.make(mate.line[0]);
    EXPECT_EQ(solver.solve(pos, {}).status, MateStatus::Disproven);
}

// The proof search alone shows a mate in 5 and in 7 plies here; both are
// mates in 3.
TEST(MateSolver, 最短の詰みを示す) {
    MateSolver solver;
    for (const Position& pos :
         {*positionFromText("k..K./nr.../..B../l.B../.....", {0, 1, 1, 0}, {1, 0, 0, 0}, Lower),
          *positionFromText("....k/.Tr../N..S./...K./.....", {1, 1, 0, 0}, {0, 0, 1, 1}, Lower)}) {
        const MateResult r = solver.solve(pos, {});
        ASSERT_EQ(r.status, MateStatus::Proven);
        EXPECT_EQ(r.line.size(), 3u);
    }
}

}  // namespace
}  // namespace tanukiban::engine
