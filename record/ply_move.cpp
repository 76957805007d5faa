#include "record/ply_move.h"

namespace tanukiban {

int standColumnOf(int face) {
    const int pair = facePair(face);
    const bool second = pair != 0 && pairFace(pair, true, face > 0) == face;
    if (face > 0) return second ? 敵持盤X2 : 敵持盤X1;
    return second ? 自持盤X2 : 自持盤X1;
}

Ply plyOf(const GameMove& m, UpperDropRow row) {
    Ply ply;
    if (m.isDrop()) {
        ply.元X = standColumnOf(m.before);
        if (!m.upper()) {
            ply.元Y = m.pair + 1;
        } else {
            ply.元Y = row == UpperDropRow::Clicked ? 5 - m.pair : m.pair;
        }
    } else {
        ply.元X = m.fromX;
        ply.元Y = m.fromY;
    }
    ply.先X = m.toX;
    ply.先Y = m.toY;
    ply.元駒 = m.before;
    ply.先駒 = m.after;
    return ply;
}

GameMove moveOf(const Ply& ply) {
    if (isStand(ply.元X)) return GameMove::drop(ply.元駒, ply.先X, ply.先Y);
    return GameMove::onBoard(ply.元X, ply.元Y, ply.先X, ply.先Y, ply.元駒, ply.先駒);
}

}  // namespace tanukiban
