#pragma once
// A fixed set of positions and a fixed-depth search over them whose node
// count changes whenever the search or the evaluation does.
#include <cstdint>
#include <vector>

#include "engine/search.h"

namespace tanukiban::engine {

// Twelve positions of play from the opening to the late middle game.
std::vector<Position> benchPositions();
// Ten positions of the engine's own games where the side to move mates in
// 3 to 13 plies.
std::vector<Position> mateBenchPositions();

// Nodes of a search to the given depth of every bench position, each from a
// fresh table of 16 MB.
std::uint64_t benchNodeCount(int depth);

// Reads a board written as five rows from the top, columns left to right,
// '.' for an empty square, P T L N S G B R K for the lower side's faces and
// lower case for the upper side's; then the hands as counts of the pairs
// pawn/rook, tokin/lance, knight/gold, silver/bishop. Nothing on bad input.
std::optional<Position> positionFromText(const char* rows, const int (&lowerHand)[PairCount],
                                         const int (&upperHand)[PairCount], Color sideToMove);

}  // namespace tanukiban::engine
