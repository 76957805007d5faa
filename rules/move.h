#pragma once
// Making a move that has been judged legal and recorded.
#include "rules/position.h"

namespace tanukiban {

// Which stands a move changed, so the display knows what to redraw.
struct MoveEffects {
    bool manStandChanged = false;
    bool comStandChanged = false;
};

// Carries out a board move or a drop. 移動駒 is the face placed on the
// destination (already turned over for a board move).
MoveEffects 駒移動(GamePosition& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);

// Files a captured piece into the captor's hand by its face pair, or notes
// the winner when it is a king.
void 駒取得(GamePosition& s, int 取得駒);

}  // namespace tanukiban
