// Stepping through the positions of a game, and turning the board about.
#include "record/navigation.h"

#include "flow/drawing.h"
#include "flow/game.h"

namespace tanukiban {

namespace {

bool isBoardMove(int 元X) {
    return 元X >= 1 && 元X <= 5;
}

}  // namespace

void Game::STOP_Click() {
    closeRecordPanel();
}

void Game::CANCEL_Click() {
    初期設定();
    play(sounds_.音_駒打音);
}

void Game::AFTER_Click() {
    closeRecordPanel();
    const StepStatus status = stepForward(state_);
    if (status != StepStatus::Stepped) {
        if (auto refusal = stepNotice(status)) showNotice(*refusal);
        return;
    }
    pickUp_.選択中 = 0;
    // No clock tick may come between the restored totals and the next move.
    platform_.setClockTimer(false);
    描画_将棋盤桝(canvas());
    描画_手数(canvas(), state_.手数, 白色);

    const MoveList& list = state_.手順;
    const int i = state_.手順数;
    描画_所有時間(canvas(), options_.経過時間, state_.手番COM, state_.所有秒COM);
    描画_所有時間(canvas(), options_.経過時間, state_.手番MAN, state_.所有秒MAN);
    if (isBoardMove(list.手順元X[i])) {
        描画_絵(canvas(), 空桝, list.手順元X[i], list.手順元Y[i]);
        描画_桝輪郭(canvas(), 背景色, list.手順元X[i], list.手順元Y[i]);
    }
    描画_絵(canvas(), list.手順先駒[i], list.手順先X[i], list.手順先Y[i]);
    描画_桝輪郭(canvas(), 背景色, list.手順先X[i], list.手順先Y[i]);
    描画_自持盤(canvas(), state_.持駒MAN);
    描画_敵持盤(canvas(), state_.持駒COM);
    play(sounds_.音_駒打音);
    const int side = list.手順先駒[i] > 0 ? state_.手番COM : state_.手番MAN;
    描画_移動結果(canvas(), side, list.手順先X[i], list.手順先Y[i], list.手順先駒[i], 移動結果色);
    描画_手数(canvas(), state_.手数, 白色);
}

void Game::REPLAY_Click() {
    closeRecordPanel();
    const StepStatus status = stepBack(state_);
    if (status != StepStatus::Stepped) {
        if (auto refusal = stepNotice(status)) showNotice(*refusal);
        return;
    }
    pickUp_.選択中 = 0;
    platform_.setClockTimer(false);
    描画_将棋盤桝(canvas());

    const MoveList& list = state_.手順;
    const int i = state_.手順数 + 1;  // the ply just taken back
    if (isBoardMove(list.手順元X[i])) {
        描画_絵(canvas(), list.手順元駒[i], list.手順元X[i], list.手順元Y[i]);
        描画_桝輪郭(canvas(), 背景色, list.手順元X[i], list.手順元Y[i]);
    }
    描画_所有時間(canvas(), options_.経過時間, state_.手番COM, state_.所有秒COM);
    描画_所有時間(canvas(), options_.経過時間, state_.手番MAN, state_.所有秒MAN);
    描画_自持盤(canvas(), state_.持駒MAN);
    描画_敵持盤(canvas(), state_.持駒COM);
    描画_絵(canvas(), 空桝, list.手順先X[i], list.手順先Y[i]);
    描画_桝輪郭(canvas(), 背景色, list.手順先X[i], list.手順先Y[i]);
    if (list.手順取得駒[i] != 空桝) {
        描画_絵(canvas(), list.手順取得駒[i], list.手順先X[i], list.手順先Y[i]);
        描画_桝輪郭(canvas(), 背景色, list.手順先X[i], list.手順先Y[i]);
    }
    play(sounds_.音_駒打音);
    消去_移動結果(canvas(), list.手順元駒[i] > 0 ? state_.手番COM : state_.手番MAN);
    描画_手数(canvas(), state_.手数, 白色);
}

void Game::REVERSE_Click() {
    if (flipBoard(state_) == FlipStatus::RecordMode) {
        showNotice(notices::kFlipInRecordMode);
        return;
    }
    pickUp_.選択中 = 0;
    画面_再描画();
    描画_手数(canvas(), state_.手数, 白色);
    if (state_.ハンデ設定済 == OK) 描画_ハンデレベル(canvas(), state_.ハンデレベル);
    play(sounds_.音_駒打音);
}

}  // namespace tanukiban
