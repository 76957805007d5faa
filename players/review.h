#pragma once
// A game review: every position of a game searched for a fixed budget, and
// each ply set against the best move of the position it was played from.
// Evaluations are from the lower side's view (see review_score.h); moves
// are the engine's, so that every front end writes them its own way.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/position.h"
#include "players/review_score.h"
#include "players/search_player.h"
#include "rules/position.h"

namespace tanukiban::players {

struct ReviewedPly {
    int ply = 0;  // 1 for the game's first
    engine::Color mover = engine::Lower;
    engine::Placement position;  // the position the ply was played from
    // As the list holds it; a ply that leaves its own king to be taken, or
    // takes a king, is one the engine would never make.
    engine::Move played;
    engine::Move best;  // no move when the mover had none
    int before = 0;     // the evaluation of `position`
    int after = 0;      // the evaluation once the ply was played
    int loss = 0;       // how much worse than the best, from the mover's view; ≥ 0
    Mark mark = Mark::None;
};

enum class ReviewStatus {
    Complete,
    Cancelled,  // stopped on request: the plies reviewed so far
    Unusable,   // a position the engine cannot hold, or a ply out of range: the plies before it
};

struct Review {
    std::vector<ReviewedPly> plies;
    ReviewStatus status = ReviewStatus::Complete;
};

// The search of each position: a time, or a node count for results that
// do not hang on the machine's load (the time is then not read).
struct ReviewBudget {
    engine::Milliseconds perPosition{300};
    std::uint64_t nodes = 0;
};

// The game: its starting board and hands (a handicap's or a pasted one's as
// well as the initial position) and its first `plies` plies.
struct ReviewedGame {
    const GamePosition& start;
    const MoveList& list;
    int plies = 0;
};

struct PositionVerdict;

class GameReviewer {
  public:
    // Positions analysed of all the game's (its plies + 1), after each one.
    using Progress = std::function<void(int analysed, int positions)>;

    // Half the engine's usual table: a review runs in the window beside the
    // analysis, and a position's budget fills no more.
    explicit GameReviewer(engine::Clock clock = steadyClock(), std::size_t hashMegabytes = 8);

    // Runs on the caller's thread, one review at a time; `progress` is called
    // there too. `stop`, raised from any thread, ends the review within a
    // moment with the plies finished so far; a search it cut short is not used.
    // A time budget needs the clock given at construction.
    Review review(const ReviewedGame& game, const ReviewBudget& budget,
                  const std::atomic<bool>* stop = nullptr, const Progress& progress = {});

  private:
    PositionVerdict analyse(const GamePosition& s, engine::Color side, int played,
                            const ReviewBudget& budget, const std::atomic<bool>* stop);

    engine::Clock clock_;
    SearchPlayer player_;
    std::vector<engine::Key> keys_;  // the positions analysed so far, for repetitions
};

}  // namespace tanukiban::players
