// Making a recorded move, with the squares and stands it changes redrawn.
#include "flow/drawing.h"
#include "flow/game.h"
#include "record/ply_move.h"
#include "rules/move.h"

namespace tanukiban {

void Game::駒移動(const GameMove& mv) {
    const MoveEffects changed = tanukiban::駒移動(state_, mv);
    // For a drop this paints over a stand square (the one the computer's ply
    // names); the stand redraw below puts it right.
    const Ply source = plyOf(mv);
    描画_絵(canvas(), 空桝, source.元X, source.元Y);
    描画_桝輪郭(canvas(), 背景色, source.元X, source.元Y);
    if (changed.manStandChanged) 描画_自持盤(canvas(), state_.持駒MAN);
    if (changed.comStandChanged) 描画_敵持盤(canvas(), state_.持駒COM);
    描画_絵(canvas(), mv.after, mv.toX, mv.toY);
    描画_桝輪郭(canvas(), 背景色, mv.toX, mv.toY);
}

}  // namespace tanukiban
