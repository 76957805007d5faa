#pragma once
// A plain fixed-depth mate search, as a check on the mate solver: every
// check of the attacker, every reply of the defender, nothing pruned.
#include "engine/position.h"

namespace tanukiban {

// Whether the side to move mates within the given number of plies (odd).
bool mateWithin(engine::Position& pos, int plies);

}  // namespace tanukiban
