#include "engine/attacks.h"

#include <cstdlib>

namespace tanukiban::engine::detail {

namespace {

constexpr int kDx[8] = {0, 0, -1, 1, -1, 1, -1, 1};
constexpr int kDy[8] = {-1, 1, 0, 0, -1, -1, 1, 1};
constexpr int kOpposite[8] = {1, 0, 3, 2, 7, 6, 5, 4};

constexpr bool inside(int x, int y) {
    return x >= 1 && x <= 5 && y >= 1 && y <= 5;
}

// Step patterns of the lower side as (dx, dy); the upper side's are the
// same turned half round.
struct Steps {
    int count;
    int d[8][2];
};
constexpr Steps stepsOf(Kind k) {
    switch (k) {
        case Pawn:
            return {1, {{0, -1}}};
        case Knight:
            return {2, {{-1, -2}, {1, -2}}};
        case Silver:
            return {5, {{-1, -1}, {0, -1}, {1, -1}, {-1, 1}, {1, 1}}};
        case Tokin:
        case Gold:
            return {6, {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {0, 1}}};
        case King:
            return {8, {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}}};
        default:
            return {0, {}};
    }
}

constexpr AttackTables build() {
    AttackTables t{};
    for (Square s = 0; s < SquareCount; ++s) {
        const int x = columnOf(s), y = rowOf(s);
        for (int c = 0; c < 2; ++c) {
            const int sign = c == Lower ? 1 : -1;
            for (int k = 0; k < KindCount; ++k) {
                const Steps st = stepsOf(static_cast<Kind>(k));
                for (int i = 0; i < st.count; ++i) {
                    const int tx = x + sign * st.d[i][0], ty = y + sign * st.d[i][1];
                    if (inside(tx, ty)) t.step[c][k][s] |= bit(squareAt(tx, ty));
                }
            }
        }
        for (int dir = 0; dir < 8; ++dir) {
            for (int tx = x + kDx[dir], ty = y + kDy[dir]; inside(tx, ty);
                 tx += kDx[dir], ty += kDy[dir]) {
                t.ray[dir][s] |= bit(squareAt(tx, ty));
            }
        }
    }
    for (Square a = 0; a < SquareCount; ++a) {
        for (int dir = 0; dir < 8; ++dir) {
            Bitboard passed = 0;
            for (Bitboard r = t.ray[dir][a]; r;) {
                // Walk outwards in order of distance from a.
                const bool rising = dir == 1 || dir == 3 || dir == 6 || dir == 7;
                const Square b = rising ? std::countr_zero(r) : 31 - std::countl_zero(r);
                r &= ~bit(b);
                t.between[a][b] = passed;
                t.line[a][b] = t.ray[dir][a] | t.ray[kOpposite[dir]][a] | bit(a);
                passed |= bit(b);
            }
        }
    }
    return t;
}

}  // namespace

// Built while compiling, so no other start-up code can see it unfilled.
constexpr AttackTables tables = build();

}  // namespace tanukiban::engine::detail
