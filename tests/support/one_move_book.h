#pragma once
// A book of one entry: the initial position answered by its last generated
// move, for the suites that check a player answers from its book.
#include "engine/book.h"
#include "engine/movegen.h"

namespace tanukiban::testing {

struct OneMoveBook {
    engine::Position start = engine::Position::initial();
    engine::Move booked{};
    engine::Book book;
};

inline OneMoveBook oneMoveBook() {
    OneMoveBook b;
    engine::MoveList moves;
    engine::generateMoves(b.start, moves);
    b.booked = moves.moves[moves.size - 1];
    b.book.add(b.start, b.booked);
    return b;
}

}  // namespace tanukiban::testing
