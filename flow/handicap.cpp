// The handicap ladder.
#include "record/handicap.h"

#include "flow/game.h"
#include "flow/record_ui.h"

namespace tanukiban {

namespace {

void showStep(Game& game, const HandicapStep& step) {
    if (auto refusal = handicapNotice(step.status)) {
        showNotice(game, *refusal);
        return;
    }
    if (step.status != HandicapStatus::Changed) return;
    // The new text goes on a cleared background, so no trace of the old one stays.
    const int background = game.options().背景種類;
    for (int x : {13, 12, 11}) game.描画_絵(background, x, 1);
    game.play(game.sounds().音_駒打音);
    const int level = game.state().ハンデレベル;
    game.描画_文字列(11.1, 1.1, level, 黒色, 10);
    game.描画_文字列(11, 1, level, 白色, 10);
    game.描画_絵(step.code, step.x, step.y);
    game.描画_桝輪郭(背景色, step.x, step.y);
}

}  // namespace

void Game::LBEL_UP_Click() {
    closeRecordPanel(*this);
    showStep(*this, handicapUp(state_));
}

void Game::LEBEL_DOWN_Click() {
    closeRecordPanel(*this);
    showStep(*this, handicapDown(state_));
}

}  // namespace tanukiban
