#pragma once
// Between the game's moves and the move list's plies, which keep a drop by
// the stand column of its face and a row, as record files do.
#include "rules/game_move.h"
#include "rules/position.h"

namespace tanukiban {

// The stand column a face is kept in: 7/9 for the lower side, −1/−3 for the
// upper; the first of each holds the faces 歩 香 桂 銀.
int standColumnOf(int face);

// How the move list keeps an upper drop's row: a player's drop by the stand
// row clicked (5 − the pair), the computer's by the pair. Record files hold
// both, so both are written as they always were and read alike.
enum class UpperDropRow { Clicked, Pair };

// A ply as the program stores a move: a lower drop by its stand row, an
// upper drop as `row` says. The clocks are left at 0.
Ply plyOf(const GameMove& m, UpperDropRow row = UpperDropRow::Pair);
// The move a stored ply describes, whichever row it keeps for a drop.
GameMove moveOf(const Ply& ply);

}  // namespace tanukiban
