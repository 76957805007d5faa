#pragma once
// Legal move generation: board moves (each turning the piece over) and
// drops of either face of a held pair on any empty square; no move may leave
// the mover's king attacked. A side with no legal move has lost.
#include <cstdint>

#include "engine/position.h"

namespace tanukiban::engine {

enum class GenType {
    All,       // every legal move
    Captures,  // legal board moves that take a piece (all evasions when in check)
};

void generateMoves(const Position& pos, MoveList& out, GenType type = GenType::All);

// Whether any move word names a legal move of the side to move: the same
// answer as generateMoves, without generating.
bool isLegal(const Position& pos, Move m);

// Whether the side to move has a legal move at all (if not, it has lost).
bool hasLegalMove(const Position& pos);

// Leaf count of the legal move tree; the last ply is counted, not made.
std::uint64_t perft(Position& pos, int depth);

}  // namespace tanukiban::engine
