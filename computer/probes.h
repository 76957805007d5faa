#pragma once
// Small questions the evaluation asks about a position. They read the board
// and the maps of the last survey and change nothing but the maps they fill.
#include "rules/influence.h"

namespace tanukiban {

// Squares the piece could reach from the given square (as if it stood there)
// that the other side does not attack.
int 調査_移動可場所数(const GamePosition& s, const InfluenceMaps& m, int 移動元X, int 移動元Y,
                      int 移動駒);

// OK when a lower lance or rook further down the column would reach the
// square once the piece on it were gone.
int 調査_自守駒MAN_直進駒(const Grid& 盤, int 入力X, int 入力Y);

// Minus the number of upper bishops, rooks and kings next to the square.
int 調査_周辺状況(const Grid& 盤, int 移動先X, int 移動先Y);

// Marks the empty, poorly guarded squares from which a lower bishop would
// attack the upper king.
void 調査_持角狙座標(const GamePosition& s, const InfluenceMaps& m, Grid& 持角狙座標MAN);

// Marks the lower pieces pinned to their king by an upper lance, bishop or
// rook; the result is OK when some upper piece is pinned likewise.
int 調査_移動不可駒(const GamePosition& s, const KingSquares& k, Grid& 移動不可MAN);

}  // namespace tanukiban
