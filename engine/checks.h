#pragma once
// Moves that give check, for the mate solver's attacker.
#include "engine/position.h"

namespace tanukiban::engine {

// Whether a legal move of the side to move attacks the other king once
// made: by the piece on its new face, or by a slider it uncovers.
bool givesCheck(const Position& pos, Move m);

// The legal moves of the side to move that give check, drops of both faces
// included.
void generateChecks(const Position& pos, MoveList& out);

}  // namespace tanukiban::engine
