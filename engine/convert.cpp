#include "engine/convert.h"

#include <cstdlib>

#include "engine/movegen.h"

namespace tanukiban::engine {

namespace {

constexpr int kMagnitude[KindCount] = {10, 11, 20, 30, 100, 110, 800, 900, 950};

}  // namespace

Piece pieceFromCode(int code) {
    for (int k = 0; k < KindCount; ++k) {
        if (std::abs(code) == kMagnitude[k])
            return makePiece(code < 0 ? Lower : Upper, static_cast<Kind>(k));
    }
    return NoPiece;
}

int codeFromPiece(Piece p) {
    if (p == NoPiece) return 空桝;
    const int magnitude = kMagnitude[kindOf(p)];
    return colorOf(p) == Lower ? -magnitude : magnitude;
}

std::optional<Position> positionFromGame(const GamePosition& s, Color sideToMove,
                                         std::string* error) {
    Placement placement;
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) {
            const int code = s.盤[x][y];
            const Piece p = pieceFromCode(code);
            if (code != 空桝 && p == NoPiece) {
                if (error) *error = "unknown piece code " + std::to_string(code);
                return std::nullopt;
            }
            placement.board[squareAt(x, y)] = p;
        }
    }
    for (std::size_t pair = 1; pair <= PairCount; ++pair) {
        placement.hand[Lower][pair - 1] = s.持駒MAN[pair];
        placement.hand[Upper][pair - 1] = s.持駒COM[pair];
    }
    placement.sideToMove = sideToMove;
    Position pos;
    if (!pos.set(placement, error)) return std::nullopt;
    return pos;
}

std::optional<Position> positionFromGame(const GamePosition& s, std::string* error) {
    const bool upper = s.手番 != 手番なし && s.手番 == s.手番COM;
    return positionFromGame(s, upper ? Upper : Lower, error);
}

void writeToGame(const Position& pos, GamePosition& s) {
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) s.盤[x][y] = codeFromPiece(pos.pieceOn(squareAt(x, y)));
    }
    s.持駒数MAN = s.持駒数COM = 0;
    for (int pair = 0; pair < PairCount; ++pair) {
        const auto index = static_cast<std::size_t>(pair) + 1;
        s.持駒MAN[index] = pos.handCount(Lower, pair);
        s.持駒COM[index] = pos.handCount(Upper, pair);
        s.持駒数MAN += pos.handCount(Lower, pair);
        s.持駒数COM += pos.handCount(Upper, pair);
    }
    s.手番 = pos.sideToMove() == Upper ? s.手番COM : s.手番MAN;
}

GameMove toGameMove(const Position& pos, Move m) {
    const int toX = columnOf(m.to()), toY = rowOf(m.to());
    if (m.isDrop()) {
        return GameMove::drop(codeFromPiece(makePiece(pos.sideToMove(), m.dropFace())), toX, toY);
    }
    return GameMove::onBoard(columnOf(m.from()), rowOf(m.from()), toX, toY,
                             codeFromPiece(pos.pieceOn(m.from())),
                             codeFromPiece(pos.pieceAfter(m)));
}

Move fromGameMove(const Position& pos, const GameMove& gm) {
    if (!onBoard(gm.toX, gm.toY)) return Move();
    const Square to = squareAt(gm.toX, gm.toY);
    Move m;
    if (gm.isDrop()) {
        const Piece p = pieceFromCode(gm.before);
        if (p == NoPiece || colorOf(p) != pos.sideToMove() || kindOf(p) == King) return Move();
        if (gm.pair != pairOf(kindOf(p)) + 1) return Move();
        m = Move::drop(kindOf(p), to);
    } else {
        if (!onBoard(gm.fromX, gm.fromY)) return Move();
        m = Move::board(squareAt(gm.fromX, gm.fromY), to);
    }
    return isLegal(pos, m) ? m : Move();
}

}  // namespace tanukiban::engine
