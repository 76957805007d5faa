#include "engine/movegen.h"

namespace tanukiban::engine {

namespace {

// Own pieces that alone stand between the king and an enemy slider.
Bitboard pinnedPieces(const Position& pos, Color us, Square king) {
    const Color them = ~us;
    const Bitboard occ = pos.occupied();
    Bitboard snipers = (rookRays(king) & pos.pieces(them, Rook)) |
                       (bishopRays(king) & pos.pieces(them, Bishop)) |
                       (lanceRay(us, king) & pos.pieces(them, Lance));
    Bitboard pinned = 0;
    while (snipers) {
        const Bitboard inBetween = between(king, popLowest(snipers)) & occ;
        if (inBetween && !(inBetween & (inBetween - 1))) pinned |= inBetween & pos.pieces(us);
    }
    return pinned;
}

}  // namespace

void generateMoves(const Position& pos, MoveList& out, GenType type) {
    out.size = 0;
    const Color us = pos.sideToMove(), them = ~us;
    const Square king = pos.kingSquare(us);
    const Bitboard occ = pos.occupied();
    const Bitboard checkers = pos.checkers();
    const bool capturesOnly = type == GenType::Captures && !checkers;
    // The other king is never a target: a legal position cannot offer it.
    Bitboard targets = AllSquares & ~pos.pieces(us) & ~pos.pieces(them, King);
    if (capturesOnly) targets &= pos.pieces(them);

    for (Bitboard to = stepAttacks(us, King, king) & targets; to;) {
        const Square t = popLowest(to);
        if (!pos.attackersTo(t, occ ^ bit(king), them)) out.push(Move::board(king, t));
    }
    if (checkers & (checkers - 1)) return;

    Bitboard dropTargets = capturesOnly ? 0 : AllSquares & ~occ;
    if (checkers) {
        const Bitboard block = between(king, lowestSquare(checkers));
        targets &= block | checkers;
        dropTargets &= block;
    }

    const Bitboard pinned = pinnedPieces(pos, us, king);
    for (Bitboard from = pos.pieces(us) & ~bit(king); from;) {
        const Square f = popLowest(from);
        Bitboard to = attacksOf(us, kindOf(pos.pieceOn(f)), f, occ) & targets;
        if (pinned & bit(f)) to &= lineThrough(king, f);
        while (to) out.push(Move::board(f, popLowest(to)));
    }

    if (!dropTargets) return;
    for (int pair = 0; pair < PairCount; ++pair) {
        if (!pos.handCount(us, pair)) continue;
        static constexpr Kind faces[PairCount][2] = {
            {Pawn, Rook}, {Lance, Tokin}, {Knight, Gold}, {Silver, Bishop}};
        for (Kind face : faces[pair])
            for (Bitboard to = dropTargets; to;) out.push(Move::drop(face, popLowest(to)));
    }
}

bool isLegal(const Position& pos, Move m) {
    const Color us = pos.sideToMove(), them = ~us;
    const Square to = m.to();
    if (!m || to >= SquareCount) return false;
    const Bitboard occ = pos.occupied();
    const Square king = pos.kingSquare(us);
    if (m.isDrop()) {
        const Kind face = m.dropFace();
        if (m.from() != 0 || face >= King || !pos.handCount(us, pairOf(face)) || (occ & bit(to)))
            return false;
        return !pos.attackersTo(king, occ | bit(to), them);
    }
    const Square from = m.from();
    if (from >= SquareCount || !(pos.pieces(us) & bit(from))) return false;
    if ((pos.pieces(us) | pos.pieces(them, King)) & bit(to)) return false;
    const Kind k = kindOf(pos.pieceOn(from));
    if (!(attacksOf(us, k, from, occ) & bit(to))) return false;
    if (k == King) return !pos.attackersTo(to, occ ^ bit(from), them);
    // Whatever still attacks the king once the piece has moved, other than
    // the piece it took, makes the move illegal.
    return !(pos.attackersTo(king, (occ ^ bit(from)) | bit(to), them) & ~bit(to));
}

bool hasLegalMove(const Position& pos) {
    // Out of check any drop is legal, and the board always has an empty square.
    if (!pos.inCheck() && !pos.handEmpty(pos.sideToMove())) return true;
    MoveList list;
    generateMoves(pos, list);
    return list.size > 0;
}

std::uint64_t perft(Position& pos, int depth) {
    if (depth <= 0) return 1;
    MoveList list;
    generateMoves(pos, list);
    if (depth == 1) return static_cast<std::uint64_t>(list.size);
    std::uint64_t nodes = 0;
    for (Move m : list) {
        pos.make(m);
        nodes += perft(pos, depth - 1);
        pos.unmake(m);
    }
    return nodes;
}

}  // namespace tanukiban::engine
