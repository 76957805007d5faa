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
    // Whether the ply takes anything is read off the board it is played on.
    const Grid before = state_.盤;
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

    const Ply ply = state_.手順.ply(state_.手順数);
    描画_所有時間(canvas(), options_.経過時間, state_.手番COM, state_.所有秒COM);
    描画_所有時間(canvas(), options_.経過時間, state_.手番MAN, state_.所有秒MAN);
    if (isBoardMove(ply.元X)) {
        描画_絵(canvas(), 空桝, ply.元X, ply.元Y);
        描画_桝輪郭(canvas(), 背景色, ply.元X, ply.元Y);
    }
    描画_絵(canvas(), ply.先駒, ply.先X, ply.先Y);
    描画_桝輪郭(canvas(), 背景色, ply.先X, ply.先Y);
    描画_自持盤(canvas(), state_.持駒MAN);
    描画_敵持盤(canvas(), state_.持駒COM);
    play(sounds_.音_駒打音);
    const int side = ply.先駒 > 0 ? state_.手番COM : state_.手番MAN;
    const MoveKind kind = !isBoardMove(ply.元X)              ? MoveKind::Drop
                          : before[ply.先X][ply.先Y] != 空桝 ? MoveKind::Capture
                                                             : MoveKind::Move;
    描画_移動結果(canvas(), side, ply.先X, ply.先Y, ply.先駒, 移動結果色, kind);
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

    const Ply ply = state_.手順.ply(state_.手順数 + 1);  // the ply just taken back
    if (isBoardMove(ply.元X)) {
        描画_絵(canvas(), ply.元駒, ply.元X, ply.元Y);
        描画_桝輪郭(canvas(), 背景色, ply.元X, ply.元Y);
    }
    描画_所有時間(canvas(), options_.経過時間, state_.手番COM, state_.所有秒COM);
    描画_所有時間(canvas(), options_.経過時間, state_.手番MAN, state_.所有秒MAN);
    描画_自持盤(canvas(), state_.持駒MAN);
    描画_敵持盤(canvas(), state_.持駒COM);
    描画_絵(canvas(), 空桝, ply.先X, ply.先Y);
    描画_桝輪郭(canvas(), 背景色, ply.先X, ply.先Y);
    if (ply.取得駒 != 空桝) {
        描画_絵(canvas(), ply.取得駒, ply.先X, ply.先Y);
        描画_桝輪郭(canvas(), 背景色, ply.先X, ply.先Y);
    }
    play(sounds_.音_駒打音);
    消去_移動結果(canvas(), ply.元駒 > 0 ? state_.手番COM : state_.手番MAN);
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
