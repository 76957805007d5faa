#include "players/review_score.h"

#include <algorithm>

namespace tanukiban::players {

int reviewScore(int engineScore) {
    if (engine::isMateScore(engineScore)) {
        const int plies = engine::matePlies(engineScore);
        return plies > 0 ? ReviewMate - plies : -(ReviewMate + plies);
    }
    return std::clamp(engineScore, -ReviewMateBound + 1, ReviewMateBound - 1);
}

Mark markOf(int loss, int best, int played, bool leavesKingToBeTaken) {
    if (leavesKingToBeTaken) return Mark::Blunder;
    if (loss <= 0) return Mark::None;
    const bool missesMate = best >= ReviewMateBound && played < ReviewMateBound;
    const bool throwsWin = best >= WinningScore && played <= -WinningScore;
    if (loss >= BlunderLoss || missesMate || throwsWin) return Mark::Blunder;
    return loss >= MistakeLoss ? Mark::Mistake : Mark::None;
}

}  // namespace tanukiban::players
