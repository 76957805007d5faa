#include "engine/checks.h"

#include "engine/movegen.h"

namespace tanukiban::engine {

bool givesCheck(const Position& pos, Move m) {
    const Color us = pos.sideToMove();
    const Square king = pos.kingSquare(~us);
    const Square to = m.to();
    const Kind face = kindOf(pos.pieceAfter(m));
    if (m.isDrop()) return (attacksOf(us, face, to, pos.occupied() | bit(to)) & bit(king)) != 0;
    const Square from = m.from();
    const Bitboard occ = (pos.occupied() & ~bit(from)) | bit(to);
    if (attacksOf(us, face, to, occ) & bit(king)) return true;
    if (!lineThrough(king, from)) return false;
    const Bitboard sliders = (rookAttacks(king, occ) & pos.pieces(us, Rook)) |
                             (bishopAttacks(king, occ) & pos.pieces(us, Bishop)) |
                             (lanceAttacks(~us, king, occ) & pos.pieces(us, Lance));
    return (sliders & ~bit(from)) != 0;
}

void generateChecks(const Position& pos, MoveList& out) {
    // Filtering the legal moves costs little next to what the solver does
    // with each, and cannot disagree with the move generator.
    MoveList all;
    generateMoves(pos, all);
    out.size = 0;
    for (const Move m : all)
        if (givesCheck(pos, m)) out.push(m);
}

}  // namespace tanukiban::engine
