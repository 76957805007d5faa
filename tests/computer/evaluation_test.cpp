// The decisive results and the worked examples of the evaluation, seen
// through the candidates the choice scores.
#include <gtest/gtest.h>

#include <cstdlib>

#include "position.h"
#include "rules/state.h"

namespace tanukiban {
namespace {

using testing::ChoiceRun;
using testing::position;
using testing::runChoice;
using testing::scanSource;
using testing::tenthsAt;

TEST(盤評価, 王を取る手は9999で走査はそこで終わる) {
    const GameState s = position(
        {
            {0, 0, 王COM, 0, 0},
            {0, 0, 0, 0, 歩COM},
            {0, 0, 0, 0, 0},
            {0, 0, 金COM, 0, 0},
            {0, 0, 王MAN, 0, 0},
        },
        {}, /*com=*/{0, 1, 0, 0, 0});
    for (int level = 1; level <= 3; ++level) {
        GameState at = s;
        at.COMレベル = level;
        const ChoiceRun run = runChoice(at);
        ASSERT_TRUE(run.best);
        EXPECT_EQ(run.best->score.tenths, 99990);
        EXPECT_EQ(scanSource(run.best->move).first, 3);
        EXPECT_EQ(scanSource(run.best->move).second, 4);
        EXPECT_EQ(run.best->move.after, 桂COM);  // the gold turns over
        const ScoredMove& last = run.candidates.back();
        EXPECT_EQ(last.move.toX, 3);
        EXPECT_EQ(last.move.toY, 5);
        EXPECT_EQ(run.ticks, 3);  // columns 4 and 5 and the drops are never reached
    }
}

TEST(盤評価, 自玉に利きが残る手はマイナス9998) {
    GameState s = position({
        {0, 0, 王COM, 0, 0},
        {0, 0, 金COM, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {王MAN, 0, 飛MAN, 0, 0},
    });
    for (int level = 1; level <= 3; ++level) {
        EXPECT_EQ(tenthsAt(s, level, 3, 2, 2, 2), -99980);
        EXPECT_NE(tenthsAt(s, level, 3, 2, 3, 3), -99980);  // still in the way
    }
}

// The lower king is walled in by its own pieces.
GameState walledKing(Hand com) {
    return position(
        {
            {王COM, 0, 0, 0, 0},
            {0, 0, 0, 0, 0},
            {0, 0, 0, 0, 0},
            {0, 金MAN, 歩MAN, 金MAN, 0},
            {0, 銀MAN, 王MAN, 銀MAN, 0},
        },
        {}, com, 1);
}

TEST(盤評価, 逃げ場のない王への桂の王手は詰みでなくても9998で打てば走査が終わる) {
    const ChoiceRun run = runChoice(walledKing({0, 0, 0, 1, 0}));
    ASSERT_TRUE(run.best);
    // The knight dropped on (2,3) can be taken by the gold, so the mate test
    // fails, but the king has nowhere to go.
    EXPECT_EQ(scanSource(run.best->move).first, 敵持盤X1);
    EXPECT_EQ(scanSource(run.best->move).second, 3);
    EXPECT_EQ(run.best->move.toX, 2);
    EXPECT_EQ(run.best->move.toY, 3);
    EXPECT_EQ(run.best->move.after, 桂COM);  // a drop keeps its face
    EXPECT_EQ(run.best->score.tenths, 99980);
    const ScoredMove& last = run.candidates.back();
    EXPECT_EQ(last.move.toX, 2);
    EXPECT_EQ(last.move.toY, 3);  // the drop on (4,3), as good, is never tried
    EXPECT_EQ(run.find(敵持盤X1, 3, 4, 3), nullptr);
}

GameState pawnMateNet(Hand com) {
    return position(
        {
            {0, 0, 0, 0, 王COM},
            {0, 0, 0, 0, 0},
            {0, 0, 金COM, 0, 0},
            {0, 0, 0, 0, 0},
            {0, 歩MAN, 王MAN, 歩MAN, 0},
        },
        {}, com, 1);
}

TEST(盤評価, 打ち歩詰めはマイナス9998で他の駒の詰みは9998) {
    const ChoiceRun run = runChoice(pawnMateNet({0, 1, 0, 0, 0}));
    const ScoredMove* pawn = run.find(敵持盤X1, 1, 3, 4);
    ASSERT_NE(pawn, nullptr);
    EXPECT_EQ(pawn->score.tenths, -99980);
    ASSERT_TRUE(run.best);
    EXPECT_EQ(scanSource(run.best->move).first, 敵持盤X2);  // the rook face of the same piece mates
    EXPECT_EQ(run.best->move.toX, 3);
    EXPECT_EQ(run.best->move.toY, 4);
    EXPECT_EQ(run.best->score.tenths, 99980);
    EXPECT_EQ(&run.candidates.back(), run.find(敵持盤X2, 1, 3, 4));  // the mate ends the scan
}

TEST(盤評価, 盤上の手の9998では走査は続き先に見た手が残る) {
    GameState s = pawnMateNet({});
    s.盤[1][4] = 飛COM;  // (1,4) to (3,4) mates
    s.盤[5][4] = 飛COM;  // and so does (5,4) to (3,4), met later
    const ChoiceRun run = runChoice(s);
    ASSERT_TRUE(run.best);
    EXPECT_EQ(scanSource(run.best->move).first, 1);
    EXPECT_EQ(run.best->score.tenths, 99980);
    const ScoredMove* later = run.find(5, 4, 4, 4);
    ASSERT_NE(later, nullptr);
    const ScoredMove* sameMate = run.find(5, 4, 3, 4);
    ASSERT_NE(sameMate, nullptr);
    EXPECT_EQ(sameMate->score.tenths, 99980);
}

TEST(盤評価, と金を取ると中級以上で61点) {
    GameState s = position({
        {0, 0, 王COM, 0, 0},
        {金COM, 0, 0, 0, 0},
        {とMAN, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 王MAN},
    });
    EXPECT_EQ(tenthsAt(s, 2, 1, 2, 1, 3) - tenthsAt(s, 1, 1, 2, 1, 3), 610);
    // A rook taken the same way is worth its value, with no bonus; a gold's
    // straight step gets nothing more at the strongest level.
    s.盤[1][3] = 飛MAN;
    EXPECT_EQ(tenthsAt(s, 2, 1, 2, 1, 3) - tenthsAt(s, 1, 1, 2, 1, 3), 9000);
    EXPECT_EQ(tenthsAt(s, 3, 1, 2, 1, 3), tenthsAt(s, 2, 1, 2, 1, 3));
}

TEST(盤評価, 香の下に飛車のいる列へ打つ香は上級で900点) {
    const GameState s = position(
        {
            {0, 0, 王COM, 0, 0},
            {0, 0, 0, 0, 0},
            {0, 香MAN, 0, 0, 0},
            {0, 0, 0, 0, 0},
            {0, 飛MAN, 0, 0, 王MAN},
        },
        {}, {0, 0, 1, 0, 0});
    EXPECT_EQ(tenthsAt(s, 3, 敵持盤X1, 2, 2, 2) - tenthsAt(s, 2, 敵持盤X1, 2, 2, 2), 9000);
    // The tokin face of the same pair gets no such term.
    EXPECT_LT(tenthsAt(s, 3, 敵持盤X2, 2, 2, 2) - tenthsAt(s, 2, 敵持盤X2, 2, 2, 2), 20);
}

TEST(盤評価, 上級の歩の手だけに乱数の端数が順に加わる) {
    GameState s;
    初期設定(s);
    s.持駒COM = {0, 1, 0, 0, 0};
    s.持駒数COM = 1;
    RandomSequence random;
    const ChoiceRun run = runChoice(s, &random);
    RandomSequence expected;
    int pawns = 0;
    for (const ScoredMove& c : run.candidates) {
        if (c.move.before == 歩COM) {
            ASSERT_LT(std::abs(c.score.tenths), 99980);
            EXPECT_EQ(c.score.fraction, expected.next());
            ++pawns;
        } else {
            EXPECT_EQ(c.score.fraction, 0.0f);
        }
    }
    EXPECT_EQ(pawns, 1 + 15);  // the pawn's step and its drops on the empty squares
    EXPECT_EQ(random.next(), expected.next());

    s.COMレベル = 2;
    RandomSequence untouched;
    for (const ScoredMove& c : runChoice(s, &untouched).candidates)
        EXPECT_EQ(c.score.fraction, 0.0f);
    EXPECT_EQ(untouched.next(), RandomSequence().next());
}

}  // namespace
}  // namespace tanukiban
