#pragma once
// Every move a side may make, as 移動チェック allows, and the perft count
// that checks the rules against the published figures of the game.
#include <cstdint>
#include <vector>

#include "rules/game_move.h"
#include "rules/influence.h"

namespace tanukiban {

// Board moves in scan order (column outer, row inner, destinations likewise),
// then drops pair by pair, first face then second, onto every empty square.
void generateMoves(const GamePosition& s, bool com, std::vector<GameMove>& out);

// Plays a move on the board and the hands only (no move list, no clocks).
// Returns the captured code so that undoMove can put it back.
int applyMove(GamePosition& s, const GameMove& mv, bool com);
void undoMove(GamePosition& s, const GameMove& mv, bool com, int captured);

// True when the side that just moved has left its own king attacked;
// runs the survey on the current board.
bool ownKingAttacked(const GamePosition& s, InfluenceMaps& m, bool com);

// Leaf count of the legal move tree of the given depth.
std::uint64_t perft(GamePosition& s, InfluenceMaps& m, bool comToMove, int depth);

}  // namespace tanukiban
