#pragma once
// A review's evaluations and marks. Evaluations are centipawns; a forced
// mate is ±(ReviewMate − plies to it), the sign that of the side that mates.
#include "engine/search.h"

namespace tanukiban::players {

inline constexpr int ReviewMate = 30000;
// Evaluations at least this far from zero announce a mate.
inline constexpr int ReviewMateBound = ReviewMate - engine::MaxPly;

// A played move this much worse than the best, from the mover's view, is a
// mistake; this much worse, a blunder.
inline constexpr int MistakeLoss = 300;
inline constexpr int BlunderLoss = 800;
// At least this much ahead is winning, at least this much behind losing.
inline constexpr int WinningScore = 300;

enum class Mark { None, Mistake, Blunder };

// The engine's score for the side to move in the review's terms, the same
// side's view. Ordinary scores stay clear of the mates.
int reviewScore(int engineScore);
inline bool isReviewMate(int score) {
    return score >= ReviewMateBound || score <= -ReviewMateBound;
}
// The evaluation for the side to move: it has lost (no move, or no king).
inline constexpr int LostScore = -ReviewMate;

// The evaluation seen from the other side of the board.
inline int seenBy(int score, engine::Color owner, engine::Color viewer) {
    return owner == viewer ? score : -score;
}

// The mark of a move whose best alternative scored `best` and which itself
// scored `played`, both from the mover's view, `loss` their difference.
Mark markOf(int loss, int best, int played, bool leavesKingToBeTaken);

}  // namespace tanukiban::players
