#pragma once
// The movement rules: the only statement of how pieces move and drop.
#include "rules/position.h"

namespace tanukiban {

// OK when a piece of code 移動駒種類 may go from (移動元X, 移動元Y) — a square
// or a stand square for a drop — to (移動先X, 移動先Y) on 盤. Pseudo-legal:
// the mover's own king may be left attacked.
int 移動チェック(const Grid& 盤, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y,
                 int 移動駒種類);
int 移動チェック飛車(const Grid& 盤, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
int 移動チェック角(const Grid& 盤, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);

// The other face of a piece; kings keep theirs; anything else gives 0.
int 取得_移動後成り駒(int I_駒);

}  // namespace tanukiban
