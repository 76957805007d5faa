// Game control: the 対局 menu.
#include <string>
#include <string_view>

#include "flow/drawing.h"
#include "flow/game.h"
#include "flow/sfen_exchange.h"

namespace tanukiban {

namespace {

// A game counts as new before its first ply. One from a pasted position has
// its side to move once started, which a later start keeps.
bool isNewGame(const GameState& s) {
    return s.手番 == 手番なし || (s.手数 == 0 && !s.pastedPosition);
}

bool startsFromPaste(const GameState& s) {
    return s.手番 == 手番なし && s.pastedPosition;
}

// 先手 and 後手 say who moves first from the initial position; a pasted
// one has its own side to move, which the message names.
std::string pastedStartText(std::string_view turn) {
    return "貼付けた局面の手番で始めます。" + std::string(turn);
}

}  // namespace

void Game::TAIKYOKU_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
}

void Game::START_Click() {
    描画_棋譜読込み部分消去();
    for (int x = -2; x <= 0; ++x)
        描画_絵(canvas(), options_.背景種類, x, 0);  // where the level was shown
    描画_将棋盤桝(canvas());
    state_.開始時刻 = platform_.secondsSinceMidnight();
    startClockIfShown();
    state_.対局モード = 対局_MAN;
    finishedGame_.reset();
    // Plies beyond the shown position belong to an earlier game (after 最初
    // or 反転), so stepping forward must not bring them back; a loaded record
    // stays in force and keeps its plies.
    if (state_.棋譜モード != OK) state_.手順最大数 = state_.手順数;
    if (startsFromPaste(state_)) {
        startPastedGame(state_);
        platform_.showMessage(
            pastedStartText(state_.手番 == 先手 ? "先手の番です" : "後手の番です"), " ");
    } else if (isNewGame(state_)) {
        state_.手番MAN = 先手;
        state_.手番COM = 後手;
        state_.手番 = 先手;
        platform_.showMessage("先手の番です", " ");
    } else {
        platform_.showMessage(state_.手番 == 先手 ? "先手の番です" : "後手の番です", " ");
    }
    state_.局面変更 = NG;
}

// What 先手 and 後手 share: switch to a game against the computer from the
// current position, cutting off any plies beyond it.
void Game::enterComputerGame(bool startClockNow) {
    描画_棋譜読込み部分消去();
    描画_レベル(canvas(), state_.COMレベル);
    描画_将棋盤桝(canvas());
    pickUp_.選択中 = 0;
    state_.対局モード = 対局_COM;
    state_.棋譜モード = NG;
    finishedGame_.reset();
    // 手順数, not 手数: after 反転 the move count runs on over an empty list.
    state_.手順最大数 = state_.手順数;
    if (startClockNow) state_.開始時刻 = platform_.secondsSinceMidnight();
    startClockIfShown();
}

void Game::startComputerGameFromPaste() {
    enterComputerGame(true);
    startPastedGame(state_);
    if (state_.手番 == state_.手番COM) {
        platform_.showMessage(pastedStartText("COMの番です"), " ");
        com_ban();
        return;
    }
    platform_.showMessage(pastedStartText("MANの番です"), " ");
    state_.局面変更 = NG;
}

void Game::SENTE_Click() {
    if (startsFromPaste(state_)) {
        startComputerGameFromPaste();
        return;
    }
    enterComputerGame(true);

    if (isNewGame(state_)) {
        state_.手番MAN = 先手;
        state_.手番COM = 後手;
        state_.手番 = state_.手番MAN;
        platform_.showMessage("MANの番です", " ");
        state_.局面変更 = NG;
    } else if (state_.手番 == state_.手番COM) {
        com_ban();
    } else {
        state_.手番MAN = 先手;
        state_.手番COM = 後手;
        state_.手番 = 先手;
        platform_.showMessage("MANの番です", "対局");
        state_.局面変更 = NG;
    }
}

void Game::GOTE_Click() {
    if (startsFromPaste(state_)) {
        startComputerGameFromPaste();
        return;
    }
    // The clock's start is left to the computer's turn or to the human's resume.
    enterComputerGame(false);

    if (isNewGame(state_)) {
        state_.手番MAN = 後手;
        state_.手番COM = 先手;
        state_.手番 = 先手;
        com_ban();
    } else if (state_.手番 == state_.手番MAN) {
        // After stepping, the turn starts now; otherwise it runs on from its start.
        if (state_.局面変更 == OK) state_.開始時刻 = platform_.secondsSinceMidnight();
        platform_.showMessage("MANの番です", "対局");
        state_.局面変更 = NG;
    } else {
        com_ban();
    }
}

// Clears where the level is shown, then sets it.
void Game::chooseLevel(int level) {
    for (int x = -2; x <= 0; ++x) 描画_絵(canvas(), options_.背景種類, x, 0);
    レベル_設定(level);
}

void Game::レベル_設定(int IN_LEVEL) {
    constexpr MenuItem kItems[] = {MenuItem::LEVEL1, MenuItem::LEVEL2, MenuItem::LEVEL3,
                                   MenuItem::LEVEL4, MenuItem::LEVEL5, MenuItem::LEVEL6};
    for (MenuItem item : kItems) platform_.setChecked(item, false);
    if (IN_LEVEL >= 1 && IN_LEVEL <= 6) {
        platform_.setChecked(kItems[IN_LEVEL - 1], true);
        state_.COMレベル = IN_LEVEL;
    }
    if (state_.対局モード == 対局_COM) 描画_レベル(canvas(), state_.COMレベル);
}

void Game::OWARI_Click() {
    endProgram();
}

}  // namespace tanukiban
