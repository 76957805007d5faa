#pragma once
// The game's own rules asked about an engine position, so that what the
// engine's mate lines claim is checked by the other implementation.
#include "engine/position.h"

namespace tanukiban::testing {

// The side to move: its king attacked, or (mated) mated by the game's test.
bool rulesSeeCheck(const engine::Position& pos, bool mated);

}  // namespace tanukiban::testing
