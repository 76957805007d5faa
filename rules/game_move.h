#pragma once
// One move of the game: from a square, or from the mover's stand by face
// pair and face; to a square; the face it shows there.
#include "rules/pieces.h"

namespace tanukiban {

struct GameMove {
    int fromX = 0, fromY = 0;  // the square left; 0, 0 for a drop
    int pair = 0;              // a drop: the face pair 1..4 taken from the stand
    int before = 空桝;         // the piece as it stood, or the face dropped; its sign the side
    int toX = 0, toY = 0;
    int after = 空桝;  // the face it shows on the destination

    bool isDrop() const { return pair != 0; }
    bool upper() const { return before > 0; }

    static GameMove onBoard(int fromX, int fromY, int toX, int toY, int before, int after) {
        return GameMove{fromX, fromY, 0, before, toX, toY, after};
    }
    static GameMove drop(int face, int toX, int toY) {
        return GameMove{0, 0, facePair(face), face, toX, toY, face};
    }

    bool operator==(const GameMove& o) const {
        return fromX == o.fromX && fromY == o.fromY && pair == o.pair && before == o.before &&
               toX == o.toX && toY == o.toY && after == o.after;
    }
};

// The same move seen from the other side of the board turned half round.
GameMove turnedAbout(const GameMove& m);

}  // namespace tanukiban
