#pragma once
// One stored ply played onto the board and hands, or taken back, from the
// move list alone: nothing is recomputed.
#include "rules/position.h"

namespace tanukiban {

// Plays ply i of list onto s's board and hands.
void applyPlyForward(GamePosition& s, const MoveList& list, int i);
// Takes ply i of list back; the exact inverse of applyPlyForward.
void applyPlyBackward(GamePosition& s, const MoveList& list, int i);

// True when ply i of list can be played on the position of s, as the game
// would have accepted it: its fields are in range, its side alternates with
// ply 1's, no king was taken before it, the piece may go there (移動チェック:
// a drop only onto an empty square), the source holds the piece (or the hand
// holds its pair), the placed code is the right face, and the destination
// holds exactly what the ply says it captured.
bool plyReplayable(const GamePosition& s, const MoveList& list, int i);

}  // namespace tanukiban
