#pragma once
// Random keys that sum up a position: pieces on squares, hand counts and
// the side to move.
#include <cstdint>

#include "engine/types.h"

namespace tanukiban::engine {

using Key = std::uint64_t;

inline constexpr int MaxHandCount = 15;

namespace detail {
struct ZobristKeys {
    Key piece[32][SquareCount];
    Key hand[2][PairCount][MaxHandCount + 1];
    Key side;  // present when the upper side is to move
};
extern const ZobristKeys zobrist;
}  // namespace detail

inline Key pieceKey(Piece p, Square s) {
    return detail::zobrist.piece[p][s];
}
inline Key handKey(Color c, int pair, int count) {
    return detail::zobrist.hand[c][pair][count];
}
inline Key sideKey() {
    return detail::zobrist.side;
}

}  // namespace tanukiban::engine
