#pragma once
// Making a move that has been judged legal and recorded.
#include "rules/game_move.h"
#include "rules/position.h"

namespace tanukiban {

// Which stands a move changed, so the display knows what to redraw.
struct MoveEffects {
    bool manStandChanged = false;
    bool comStandChanged = false;
};

// Carries out a board move or a drop; the destination shows the move's
// `after` face.
MoveEffects 駒移動(GamePosition& s, const GameMove& mv);

// Files a captured piece into the captor's hand by its face pair, or notes
// the winner when it is a king.
void 駒取得(GamePosition& s, int 取得駒);

}  // namespace tanukiban
