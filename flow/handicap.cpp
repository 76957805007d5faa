// The handicap ladder.
#include "record/handicap.h"

#include "flow/drawing.h"
#include "flow/game.h"

namespace tanukiban {

void Game::LBEL_UP_Click() {
    closeRecordPanel();
    showHandicapStep(handicapUp(state_));
}

void Game::LEBEL_DOWN_Click() {
    closeRecordPanel();
    showHandicapStep(handicapDown(state_));
}

void Game::showHandicapStep(const HandicapStep& step) {
    if (auto refusal = handicapNotice(step.status)) {
        showNotice(*refusal);
        return;
    }
    if (step.status != HandicapStatus::Changed) return;
    // The new text goes on a cleared background, so no trace of the old one stays.
    const Canvas c = canvas();
    for (int x : {13, 12, 11}) 描画_絵(c, c.背景種類, x, 1);
    play(sounds_.音_駒打音);
    描画_文字列(c, 11.1, 1.1, state_.ハンデレベル, 黒色, 10);
    描画_文字列(c, 11, 1, state_.ハンデレベル, 白色, 10);
    描画_絵(c, step.code, step.x, step.y);
    描画_桝輪郭(c, 背景色, step.x, step.y);
}

}  // namespace tanukiban
