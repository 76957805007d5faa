// Making a recorded move, with the squares and stands it changes redrawn.
#include "flow/drawing.h"
#include "flow/game.h"
#include "rules/move.h"

namespace tanukiban {

void Game::駒移動(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒) {
    const MoveEffects changed =
        tanukiban::駒移動(state_, 移動元X, 移動元Y, 移動先X, 移動先Y, 移動駒);
    // For a drop this paints over the stand square; the stand redraw below puts it right.
    描画_絵(canvas(), 空桝, 移動元X, 移動元Y);
    描画_桝輪郭(canvas(), 背景色, 移動元X, 移動元Y);
    if (changed.manStandChanged) 描画_自持盤(canvas(), state_.持駒MAN);
    if (changed.comStandChanged) 描画_敵持盤(canvas(), state_.持駒COM);
    描画_絵(canvas(), 移動駒, 移動先X, 移動先Y);
    描画_桝輪郭(canvas(), 背景色, 移動先X, 移動先Y);
}

}  // namespace tanukiban
