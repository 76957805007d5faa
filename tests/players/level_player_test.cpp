#include "players/level_player.h"

#include <gtest/gtest.h>

#include "tests/support/one_move_book.h"

namespace tanukiban::players {
namespace {

// The top level plays the book's move without searching; the level below
// searches; a missing book file is no book.
TEST(LevelPlayer, 最上位のレベルは本の手を指す) {
    auto [start, booked, book] = testing::oneMoveBook();
    const OpeningBook opening(std::move(book));
    const OpeningBook missing("/nonexistent/opening.book");

    RandomSequence random;
    LevelPlayer player(random, OnePlyPlayer::Manner::LegalOnly, {}, 1);
    int searched = 0;
    Budget budget{{}, [&](const engine::SearchInfo&) { ++searched; }};
    budget.limits.nodes = 2000;
    const Turn turn = turnOfPosition(start);

    player.setBook(&opening);
    player.setLevel(MaxLevel);
    const Answer answer = player.choose(turn, budget);
    EXPECT_EQ(answer.outcome, Outcome::Moved);
    EXPECT_EQ(answer.best, booked);
    EXPECT_EQ(answer.move.toX, engine::toGameMove(start, booked).toX);
    EXPECT_EQ(searched, 0);

    for (const int level : {MaxLevel - 1, MaxLevel}) {
        player.setLevel(level);
        player.setBook(level == MaxLevel ? &missing : &opening);
        searched = 0;
        EXPECT_EQ(player.choose(turn, budget).outcome, Outcome::Moved);
        EXPECT_GT(searched, 0) << level;
    }
}

}  // namespace
}  // namespace tanukiban::players
