#pragma once
// The terms of the evaluation, shared by the search and the tuner.
#include "engine/evaluate.h"

namespace tanukiban::engine {

template <typename Add>
void evaluationTerms(const Position& pos, Add&& add) {
    const Bitboard occ = pos.occupied();
    Bitboard attacked[2] = {0, 0};
    for (int ci = 0; ci < 2; ++ci) {
        const Color c = static_cast<Color>(ci);
        const int sign = c == Lower ? 1 : -1;
        for (Bitboard b = pos.pieces(c); b;) {
            const Square s = popLowest(b);
            const Kind k = kindOf(pos.pieceOn(s));
            const int rowsFromHome = c == Lower ? 5 - rowOf(s) : rowOf(s) - 1;
            const int fromMiddle = columnOf(s) > 3 ? columnOf(s) - 3 : 3 - columnOf(s);
            add(term::Place + (k * 5 + rowsFromHome) * 3 + fromMiddle, sign);
            const Bitboard reach = attacksOf(c, k, s, occ);
            attacked[c] |= reach;
            if (k == King) continue;
            add(term::Board + k, sign);
            add(term::Mobility + k, sign * popCount(reach & ~pos.pieces(c)));
        }
        for (int pair = 0; pair < PairCount; ++pair) {
            const int n = pos.handCount(c, pair);
            if (n == 0) continue;
            add(term::Hand + pair, sign);
            if (n > 1) add(term::HandExtra + pair, sign * (n - 1));
        }
    }
    for (int ci = 0; ci < 2; ++ci) {
        const Color c = static_cast<Color>(ci);
        const int sign = c == Lower ? 1 : -1;
        const Bitboard zone = stepAttacks(c, King, pos.kingSquare(c));
        const Bitboard hostile = attacked[~c];
        add(term::KingZoneAttacked, sign * popCount(zone & hostile));
        add(term::KingZoneGuarded, sign * popCount(zone & pos.pieces(c)));
        add(term::KingEscapes, sign * popCount(zone & ~pos.pieces(c) & ~hostile));
        const Bitboard open = zone & ~occ & ~attacked[c];
        add(term::KingDropDanger, sign * pos.handTotal(~c) * popCount(open));
    }
    add(term::Tempo, 1);
}

}  // namespace tanukiban::engine
