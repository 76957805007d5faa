// The game review: marks, signs and mates from either side, cancellation.
// Node budgets keep every result independent of the machine.
#include "players/review.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "players/one_ply_player.h"
#include "record/ply_move.h"
#include "tests/support/played_game.h"
#include "tests/support/positions.h"

namespace tanukiban::players {
namespace {

void setPly(MoveList& list, int i, const GameMove& gm, int captured) {
    Ply m = plyOf(gm);
    m.取得駒 = captured;
    list.store(i, m);
}

ReviewBudget nodes(std::uint64_t n) {
    ReviewBudget budget;
    budget.nodes = n;
    return budget;
}

TEST(GameReview, 王を取らせる手は大悪手でその王取りで勝ち) {
    const BoardRows rows = {
        {0, 0, 王COM, 0, 0}, {0, 0, 0, 0, 0},     {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 飛COM}, {0, 0, 王MAN, 0, 0},
    };
    const GamePosition lowerFirst = positionFromRows(rows);
    // The king steps into the rook's row; the rook takes it, turning over.
    const GameMove step = GameMove::onBoard(3, 5, 3, 4, 王MAN, 王MAN);
    const GameMove take = GameMove::onBoard(5, 4, 3, 4, 飛COM, 歩COM);

    for (const bool mirrored : {false, true}) {
        SCOPED_TRACE(mirrored ? "the upper side errs" : "the lower side errs");
        const GamePosition start = mirrored ? turnedAbout(lowerFirst) : lowerFirst;
        MoveList list;
        setPly(list, 1, mirrored ? turnedAbout(step) : step, 空桝);
        setPly(list, 2, mirrored ? turnedAbout(take) : take, mirrored ? 王COM : 王MAN);
        const int sign = mirrored ? -1 : 1;  // the lower side's view of the erring side's fate

        GameReviewer reviewer;
        const Review review = reviewer.review({start, list, 2}, nodes(2000));
        ASSERT_EQ(review.status, ReviewStatus::Complete);
        ASSERT_EQ(review.plies.size(), 2u);
        const ReviewedPly& err = review.plies[0];
        const ReviewedPly& win = review.plies[1];
        EXPECT_EQ(err.mover, mirrored ? engine::Upper : engine::Lower);
        EXPECT_EQ(err.mark, Mark::Blunder);
        EXPECT_EQ(err.after, sign * -(ReviewMate - 1)) << "the other side mates in one ply";
        EXPECT_GT(err.loss, 0);
        EXPECT_EQ(win.before, err.after);
        EXPECT_EQ(win.after, sign * -ReviewMate) << "a side whose king is gone has lost";
        EXPECT_EQ(win.best, win.played);
        EXPECT_EQ(win.loss, 0);
        EXPECT_EQ(win.mark, Mark::None);
    }
}

TEST(GameReview, 駒得を逃す手は疑問手) {
    const GameState start = testing::middleGame();
    MoveList list;
    // The knight turns into a gold where it does little, when much more was there.
    setPly(list, 1, GameMove::onBoard(1, 4, 2, 2, 桂MAN, 金MAN), 空桝);
    GameReviewer reviewer({}, 1);
    const Review review = reviewer.review({start, list, 1}, nodes(20000));
    ASSERT_EQ(review.plies.size(), 1u);
    const ReviewedPly& p = review.plies[0];
    EXPECT_GT(p.before, p.after) << "the lower side moved and lost ground, in its own view";
    EXPECT_EQ(p.loss, p.before - p.after);
    EXPECT_EQ(p.mark, Mark::Mistake);
}

TEST(GameReview, 詰みの点と印の境目) {
    EXPECT_EQ(reviewScore(engine::MateScore - 1), ReviewMate - 1);
    EXPECT_EQ(reviewScore(-engine::MateScore + 4), -(ReviewMate - 4));
    EXPECT_EQ(reviewScore(-engine::MateScore), LostScore);
    EXPECT_FALSE(isReviewMate(reviewScore(engine::MateBound - 1))) << "a huge score is no mate";

    EXPECT_EQ(markOf(MistakeLoss - 1, 0, 1 - MistakeLoss, false), Mark::None);
    EXPECT_EQ(markOf(MistakeLoss, 0, -MistakeLoss, false), Mark::Mistake);
    EXPECT_EQ(markOf(BlunderLoss, 0, -BlunderLoss, false), Mark::Blunder);
    EXPECT_EQ(markOf(2 * WinningScore, WinningScore, -WinningScore, false), Mark::Blunder);
    EXPECT_EQ(markOf(ReviewMate - 5, ReviewMate - 5, 0, false), Mark::Blunder);
    EXPECT_EQ(markOf(2, ReviewMate - 5, ReviewMate - 7, false), Mark::None)
        << "a longer mate still mates";
    EXPECT_EQ(markOf(0, LostScore, LostScore, true), Mark::Blunder);
}

TEST(GameReview, 止めればそこまでの講評を途中と示す) {
    const testing::PlayedGame game = testing::playGame(3, true, 12);
    const ReviewedGame reviewed{game.after[0], game.final.手順, game.final.手順数};
    ASSERT_GE(reviewed.plies, 4);
    std::atomic<bool> stop{false};
    GameReviewer reviewer({}, 1);
    Review review = reviewer.review(reviewed, nodes(2000), &stop, [&](int analysed, int total) {
        EXPECT_EQ(total, reviewed.plies + 1);
        if (analysed == 3) stop = true;
    });
    EXPECT_EQ(review.status, ReviewStatus::Cancelled);
    EXPECT_EQ(review.plies.size(), 2u) << "the plies whose both positions were searched";

    // A search with no bound but the request is cut short by it.
    stop = false;
    GameReviewer unbounded;
    ReviewBudget forever;
    forever.perPosition = std::chrono::hours(1);
    std::thread raiser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        stop = true;
    });
    review = unbounded.review(reviewed, forever, &stop);
    raiser.join();
    EXPECT_EQ(review.status, ReviewStatus::Cancelled);
    EXPECT_TRUE(review.plies.empty());
}

}  // namespace
}  // namespace tanukiban::players
