#include <gtest/gtest.h>

#include <thread>

#include "engine/bench.h"
#include "engine/movegen.h"

namespace tanukiban::engine {
namespace {

TimePoint now() {
    return std::chrono::steady_clock::now();
}

SearchResult searchToDepth(const Position& pos, int depth) {
    Searcher searcher;
    SearchLimits limits;
    limits.depth = depth;
    return searcher.search(pos, limits);
}

// The lower knight jumps next to the upper king and lands as a gold that
// the pawn guards: mate in one, found as such; the mated side has no move.
TEST(EngineSearch, 一手詰を詰みの点で見つけ詰んだ側は指す手がない) {
    const std::optional<Position> pos =
        positionFromText("k..../...../.P.../N..../....K", {0, 0, 0, 0}, {0, 0, 0, 0}, Lower);
    ASSERT_TRUE(pos.has_value());
    const SearchResult r = searchToDepth(*pos, 4);
    const Move mate = Move::board(squareAt(1, 4), squareAt(2, 2));
    EXPECT_EQ(r.best, mate);
    EXPECT_EQ(r.score, MateScore - 1);

    Position after = *pos;
    after.make(mate);
    const SearchResult lost = searchToDepth(after, 4);
    EXPECT_FALSE(lost.best);
    EXPECT_EQ(lost.score, -MateScore);
}

// The knight lands as a gold that, with the bishop, leaves the upper side
// no move while it is not in check: a win, although taking the pawn looks
// better by far and the quiet move is searched near the leaves.
TEST(EngineSearch, 指す手をなくす手を勝ちと見る) {
    const std::optional<Position> pos =
        positionFromText("k..../...../...B./n..../..NpK", {0, 0, 0, 0}, {0, 0, 0, 0}, Lower);
    ASSERT_TRUE(pos.has_value());
    const SearchResult r = searchToDepth(*pos, 2);
    EXPECT_EQ(r.best, Move::board(squareAt(3, 5), squareAt(2, 3)));
    EXPECT_EQ(r.score, MateScore - 1);
}

// The fixed-depth count of tanukiban-bench: any change to the search or the
// evaluation moves it, and then this number is updated on purpose.
TEST(EngineSearch, ベンチの節点数) {
    EXPECT_EQ(benchNodeCount(6), 103912u);
}

TEST(EngineTiming, 停止要求に20ミリ秒以内に応える) {
    Searcher searcher(now, 16);
    const Position pos = benchPositions().front();
    long best = 1000000;
    for (int attempt = 0; attempt < 3 && best > 20; ++attempt) {
        TimePoint returned;
        SearchResult r;
        std::thread worker([&] {
            SearchLimits limits;
            limits.infinite = true;
            r = searcher.search(pos, limits);
            returned = now();
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const TimePoint asked = now();
        searcher.stop();
        worker.join();
        EXPECT_TRUE(isLegal(pos, r.best));
        best = std::min<long>(
            best, std::chrono::duration_cast<std::chrono::milliseconds>(returned - asked).count());
    }
    EXPECT_LE(best, 20);
}

TEST(EngineTime, 持ち時間から一手の時間を決める) {
    EXPECT_EQ(timeBudget({.movetime = 1000}).hard.count(), 970);
    const TimeBudget byoyomi = timeBudget({.remaining = 0, .byoyomi = 3000});
    EXPECT_GT(byoyomi.soft.count(), 2000);
    EXPECT_LT(byoyomi.hard.count(), 3000);
    const TimeBudget clock = timeBudget({.remaining = 60000, .increment = 1000});
    EXPECT_LT(clock.soft, clock.hard);
    EXPECT_LT(clock.hard.count(), 30000);
    EXPECT_GE(timeBudget({}).hard.count(), 1);
}

}  // namespace
}  // namespace tanukiban::engine
