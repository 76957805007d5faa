#pragma once
// The game's position as a player's turn.
#include <vector>

#include "engine/zobrist.h"
#include "players/player.h"
#include "rules/state.h"

namespace tanukiban {

// The keys of the positions the move list passed through, oldest first, so
// that the engine sees repetitions of the game; they end where the list
// cannot be taken back.
std::vector<engine::Key> priorKeys(const GamePosition& s);

// The turn of s with the upper side (`com`) or the lower side to move.
players::Turn turnOf(const GamePosition& s, bool com);

}  // namespace tanukiban
