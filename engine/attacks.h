#pragma once
// Attack tables of every face on the 25 squares.
#include "engine/types.h"

namespace tanukiban::engine {

namespace detail {
struct AttackTables {
    Bitboard step[2][KindCount][SquareCount];    // non-sliding faces (zero for sliders)
    Bitboard ray[8][SquareCount];                // open rays: N, S, W, E, NW, NE, SW, SE
    Bitboard between[SquareCount][SquareCount];  // squares strictly between two on a line
    Bitboard line[SquareCount][SquareCount];     // the whole line through two squares
};
extern const AttackTables tables;

// Directions whose squares rise in number (south, east, south-west,
// south-east) find their first blocker with the lowest bit, the others with
// the highest.
inline Bitboard rayAttack(int dir, Square s, Bitboard occupied) {
    const Bitboard ray = tables.ray[dir][s];
    const Bitboard blockers = ray & occupied;
    if (!blockers) return ray;
    const bool rising = dir == 1 || dir == 3 || dir == 6 || dir == 7;
    const Square first = rising ? std::countr_zero(blockers) : 31 - std::countl_zero(blockers);
    return ray ^ tables.ray[dir][first];
}
}  // namespace detail

enum Direction { North = 0, South, West, East, NorthWest, NorthEast, SouthWest, SouthEast };

inline Bitboard stepAttacks(Color c, Kind k, Square s) {
    return detail::tables.step[c][k][s];
}
inline Bitboard rookAttacks(Square s, Bitboard occupied) {
    using detail::rayAttack;
    return rayAttack(North, s, occupied) | rayAttack(South, s, occupied) |
           rayAttack(West, s, occupied) | rayAttack(East, s, occupied);
}
inline Bitboard bishopAttacks(Square s, Bitboard occupied) {
    using detail::rayAttack;
    return rayAttack(NorthWest, s, occupied) | rayAttack(NorthEast, s, occupied) |
           rayAttack(SouthWest, s, occupied) | rayAttack(SouthEast, s, occupied);
}
inline Bitboard lanceAttacks(Color c, Square s, Bitboard occupied) {
    return detail::rayAttack(c == Lower ? North : South, s, occupied);
}
// The squares a lance of side c could reach on an empty board.
inline Bitboard lanceRay(Color c, Square s) {
    return detail::tables.ray[c == Lower ? North : South][s];
}
inline Bitboard rookRays(Square s) {
    const auto& r = detail::tables.ray;
    return r[North][s] | r[South][s] | r[West][s] | r[East][s];
}
inline Bitboard bishopRays(Square s) {
    const auto& r = detail::tables.ray;
    return r[NorthWest][s] | r[NorthEast][s] | r[SouthWest][s] | r[SouthEast][s];
}
inline Bitboard between(Square a, Square b) {
    return detail::tables.between[a][b];
}
inline Bitboard lineThrough(Square a, Square b) {
    return detail::tables.line[a][b];
}

// Squares a piece of side c and face k on s attacks, given the occupancy.
inline Bitboard attacksOf(Color c, Kind k, Square s, Bitboard occupied) {
    switch (k) {
        case Lance:
            return lanceAttacks(c, s, occupied);
        case Bishop:
            return bishopAttacks(s, occupied);
        case Rook:
            return rookAttacks(s, occupied);
        default:
            return stepAttacks(c, k, s);
    }
}

}  // namespace tanukiban::engine
