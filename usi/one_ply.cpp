#include "usi/one_ply.h"

#include <vector>

#include "computer/choice.h"
#include "engine/convert.h"
#include "engine/movegen.h"

namespace tanukiban::usi {

using engine::Move;
using engine::MoveList;
using engine::Position;
using namespace engine;

namespace {

Square turned(Square s) {
    return SquareCount - 1 - s;
}

// The position turned half round with every piece changing side.
Position turnedAbout(const Position& pos) {
    const Placement from = pos.placement();
    Placement to;
    for (Square s = 0; s < SquareCount; ++s) {
        const Piece p = from.board[s];
        to.board[turned(s)] = p == NoPiece ? NoPiece : makePiece(~colorOf(p), kindOf(p));
    }
    for (int pair = 0; pair < PairCount; ++pair) {
        to.hand[Lower][pair] = from.hand[Upper][pair];
        to.hand[Upper][pair] = from.hand[Lower][pair];
    }
    to.sideToMove = ~from.sideToMove;
    Position result;
    result.set(to);
    return result;
}

}  // namespace

Move onePlyMove(const Position& pos, int level, RandomSequence& random) {
    const bool turn = pos.sideToMove() == Lower;
    const Position upper = turn ? turnedAbout(pos) : pos;
    MoveList legal;
    engine::generateMoves(upper, legal);
    if (legal.size == 0) return Move();

    GameState s;
    writeToGame(upper, s);
    s.対局モード = 対局_COM;
    s.COMレベル = level;
    InfluenceMaps maps;
    ComputerWork work;
    std::vector<ScoredCandidate> candidates;
    ChoiceHooks hooks;
    hooks.candidates = &candidates;
    chooseComputerMove(s, maps, work, &random, hooks);

    // The player keeps the first candidate strictly better than all before
    // it; among the legal ones that is its own choice whenever that is legal.
    Move best = legal.moves[0];
    const ScoredCandidate* bestScored = nullptr;
    for (const ScoredCandidate& c : candidates) {
        const Square to = squareAt(c.toX, c.toY);
        const Move m = isStand(c.fromX) ? Move::drop(kindOf(pieceFromCode(c.piece)), to)
                                        : Move::board(squareAt(c.fromX, c.fromY), to);
        if (!legal.contains(m)) continue;
        if (bestScored && !(c.score > bestScored->score)) continue;
        bestScored = &c;
        best = m;
    }
    if (!turn) return best;
    return best.isDrop() ? Move::drop(best.dropFace(), turned(best.to()))
                         : Move::board(turned(best.from()), turned(best.to()));
}

}  // namespace tanukiban::usi
