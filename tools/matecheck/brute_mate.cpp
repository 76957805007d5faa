#include "tools/matecheck/brute_mate.h"

#include "engine/checks.h"
#include "engine/movegen.h"

namespace tanukiban {

using namespace engine;

namespace {

// Whether every reply of the defender, who is in check, loses within plies.
bool everyReplyLoses(Position& pos, int plies) {
    MoveList replies;
    generateMoves(pos, replies);
    if (replies.size == 0) return true;
    if (plies < 2) return false;
    for (const Move m : replies) {
        pos.make(m);
        const bool lost = mateWithin(pos, plies - 1);
        pos.unmake(m);
        if (!lost) return false;
    }
    return true;
}

}  // namespace

bool mateWithin(Position& pos, int plies) {
    if (plies < 1) return false;
    MoveList checks;
    generateChecks(pos, checks);
    for (const Move m : checks) {
        pos.make(m);
        const bool mates = everyReplyLoses(pos, plies - 1);
        pos.unmake(m);
        if (mates) return true;
    }
    return false;
}

}  // namespace tanukiban
