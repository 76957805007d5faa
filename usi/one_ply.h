#pragma once
// The game's own computer of levels 1–3, for either side of an engine
// position.
#include "computer/random_sequence.h"
#include "engine/position.h"

namespace tanukiban::usi {

// The move the one-ply player chooses at the level, or no move when the
// side to move has none. That player plays the upper side, so the position
// is turned half round when the lower side is to move. Where its choice would
// leave its own king attacked, which the engine does not allow, the best
// scored legal candidate is taken instead.
engine::Move onePlyMove(const engine::Position& pos, int level, RandomSequence& random);

}  // namespace tanukiban::usi
