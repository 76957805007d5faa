#pragma once
// The computer's choice of move: every board move and drop of the upper side
// tried one ply deep and scored, the first strictly best one kept.
#include <functional>
#include <optional>
#include <vector>

#include "computer/random_sequence.h"
#include "computer/score.h"
#include "computer/work.h"
#include "rules/game_move.h"
#include "rules/influence.h"

namespace tanukiban {

// A candidate with its score, or the move chosen. The piece showed its face
// before the move (`before`) while it was scored.
struct ScoredMove {
    GameMove move;
    Score score{};
};

struct ChoiceHooks {
    // Called once per origin column of the board scan and once per pair and
    // face of the drop scan, so a caller can keep a clock display moving.
    std::function<void()> tick;
    // When set, receives every scored candidate in scan order.
    std::vector<ScoredMove>* candidates = nullptr;
};

// The copies and probes of the position before the move, taken at the start
// of the choice; exposed for tests that score single candidates.
void prepareComputerTurn(GamePosition& s, InfluenceMaps& m, ComputerWork& w);

// Chooses the upper side's move at the level (1..3). The board, the hands and
// the influence maps' meaning are left as found (the maps describe the last
// candidate tried); w keeps the copies of the position before the move.
// Returns nothing when there is no candidate at all. `random` may be null:
// pawn moves then get no random fraction.
std::optional<ScoredMove> chooseComputerMove(GamePosition& s, int level, InfluenceMaps& m,
                                             ComputerWork& w, RandomSequence* random,
                                             const ChoiceHooks& hooks = {});

}  // namespace tanukiban
