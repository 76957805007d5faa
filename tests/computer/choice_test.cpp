// The scan of the computer's choice: order, ties, early stops, restoring.
#include <gtest/gtest.h>

#include <random>

#include "computer/evaluate.h"
#include "position.h"
#include "rules/mate.h"
#include "rules/movegen.h"
#include "rules/state.h"
#include "tests/support/positions.h"

namespace tanukiban {
namespace {

using testing::ChoiceRun;
using testing::position;
using testing::randomPosition;
using testing::runChoice;
using testing::scanSource;

GameState middleGame(int level) {
    GameState s = testing::middleGame();
    s.COMレベル = level;
    return s;
}

TEST(COM選択, 候補は盤上の手から打つ手へ決まった順に並ぶ) {
    const GameState s = middleGame(3);
    std::vector<GameMove> expected;
    generateMoves(s, /*com=*/true, expected);
    const ChoiceRun run = runChoice(s);
    ASSERT_EQ(run.candidates.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_TRUE(run.candidates[i].move == expected[i]) << "candidate " << i;
    }
    EXPECT_EQ(run.ticks, 5 + 8);
}

TEST(COM選択, 同点なら先に見た手を選ぶ) {
    GameState s;
    初期設定(s);
    const ChoiceRun run = runChoice(s);
    ASSERT_TRUE(run.best);
    // The tokin's two steps score alike; the first one met is played, and
    // the tokin turns into a lance.
    const ScoredMove* first = run.find(5, 1, 4, 2);
    const ScoredMove* second = run.find(5, 1, 5, 2);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->score, second->score);
    EXPECT_EQ(run.best->move.toX, 4);
    EXPECT_EQ(run.best->move.before, とCOM);
    EXPECT_EQ(run.best->move.after, 香COM);
}

TEST(COM選択, 最善は最初に現れた最高点の候補) {
    std::mt19937 rng(20240601);
    for (int i = 0; i < 300; ++i) {
        RandomSequence random;
        const ChoiceRun run = runChoice(randomPosition(rng, 1 + i % 3), &random);
        EXPECT_TRUE(run.restored);
        if (run.candidates.empty()) {
            EXPECT_FALSE(run.best);
            continue;
        }
        std::size_t top = 0;
        for (std::size_t k = 1; k < run.candidates.size(); ++k) {
            if (run.candidates[k].score > run.candidates[top].score) top = k;
        }
        ASSERT_TRUE(run.best);
        const ScoredMove& c = run.candidates[top];
        EXPECT_TRUE(run.best->move == c.move);
        EXPECT_EQ(run.best->score, c.score);
    }
}

TEST(COM選択, 持ち駒がなければ打つ手を調べない) {
    GameState s = middleGame(2);
    s.持駒COM = {};
    s.持駒数COM = 0;
    const ChoiceRun run = runChoice(s);
    EXPECT_EQ(run.ticks, 5);
    for (const ScoredMove& c : run.candidates) EXPECT_FALSE(c.move.isDrop());
}

TEST(COM選択, 候補が一つもなければ手なし) {
    GameState s = position({
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 王MAN, 0, 0},
        {0, 歩COM, 0, 0, 0},  // a pawn on the last row has no move
    });
    const ChoiceRun run = runChoice(s);
    EXPECT_TRUE(run.candidates.empty());
    EXPECT_FALSE(run.best);
}

TEST(COM選択, 古い地図が残っていても逃げ道は今の局面で数える) {
    GameState s = middleGame(3);
    InfluenceMaps m;
    ComputerWork w;
    GameState other;
    初期設定(other);
    勢力調査(other.盤, m);  // the maps describe another position
    chooseComputerMove(s, s.COMレベル, m, w, nullptr);

    GameState fresh = middleGame(3);
    InfluenceMaps freshMaps;
    Grid marks{};
    勢力調査(fresh.盤, freshMaps);
    EXPECT_EQ(w.前逃道数MAN, 調査_自王逃道(fresh, freshMaps, marks));
    EXPECT_EQ(w.前盤, fresh.盤);
    EXPECT_EQ(w.前勢力MAN, freshMaps.勢力MAN);
    EXPECT_EQ(w.前勢力COM, freshMaps.勢力COM);
}

void expectSameMaps(const InfluenceMaps& a, const InfluenceMaps& b) {
    EXPECT_EQ(a.勢力MAN, b.勢力MAN);
    EXPECT_EQ(a.勢力COM, b.勢力COM);
    EXPECT_EQ(a.守駒COM, b.守駒COM);
    EXPECT_EQ(a.守駒COM_X, b.守駒COM_X);
    EXPECT_EQ(a.守駒COM_Y, b.守駒COM_Y);
    EXPECT_EQ(a.攻駒MAN, b.攻駒MAN);
    EXPECT_EQ(a.攻駒MAN_X, b.攻駒MAN_X);
    EXPECT_EQ(a.攻駒MAN_Y, b.攻駒MAN_Y);
    EXPECT_EQ(a.攻駒COM, b.攻駒COM);
    EXPECT_EQ(a.攻駒COM_X, b.攻駒COM_X);
    EXPECT_EQ(a.攻駒COM_Y, b.攻駒COM_Y);
    EXPECT_EQ(a.王手MAN, b.王手MAN);
    EXPECT_EQ(a.王手COM, b.王手COM);
}

// Each candidate scored on its own, with the board and maps checked around
// the evaluation, must give what the choice gave it.
TEST(COM選択, 評価は盤と地図を元のまま残し選択と同じ点を付ける) {
    std::mt19937 rng(77);
    for (int i = 0; i < 200; ++i) {
        GameState s = randomPosition(rng, 1 + i % 3);
        const Grid board = s.盤;
        const Hand man = s.持駒MAN, com = s.持駒COM;
        const ChoiceRun run = runChoice(s);
        ASSERT_TRUE(run.restored);

        InfluenceMaps m;
        ComputerWork w;
        勢力調査(s.盤, m);
        prepareComputerTurn(s, m, w);
        const KingSquares kings = m.kings;
        std::vector<GameMove> moves;
        generateMoves(s, true, moves);
        std::size_t k = 0;
        for (const GameMove& mv : moves) {
            if (k >= run.candidates.size()) break;  // the scan stopped early
            const bool drop = mv.isDrop();
            const auto [fromX, fromY] = scanSource(mv);
            w.候補駒 = mv.before;
            w.元王距離 = drop ? 0
                              : std::max(std::abs(kings.王X_MAN - mv.fromX),
                                         std::abs(kings.王Y_MAN - mv.fromY));
            const int taken = s.盤[mv.toX][mv.toY];
            if (!drop) s.盤[mv.fromX][mv.fromY] = 空桝;
            s.盤[mv.toX][mv.toY] = mv.before;
            勢力調査(s.盤, m);
            const Grid setUp = s.盤;
            const InfluenceMaps before = m;
            const Score score = 盤評価(s, s.COMレベル, m, w, nullptr, taken, mv.before, fromX,
                                       fromY, mv.toX, mv.toY);
            EXPECT_EQ(s.盤, setUp);
            expectSameMaps(m, before);
            EXPECT_EQ(score.tenths, run.candidates[k].score.tenths)
                << "position " << i << " candidate " << k;
            s.盤[mv.toX][mv.toY] = taken;
            if (!drop) s.盤[mv.fromX][mv.fromY] = mv.before;
            ++k;
        }
        EXPECT_EQ(k, run.candidates.size());
        EXPECT_EQ(s.盤, board);
        EXPECT_EQ(s.持駒MAN, man);
        EXPECT_EQ(s.持駒COM, com);
    }
}

}  // namespace
}  // namespace tanukiban
