// The clocks: elapsed time per side and its display.
#include <cmath>

#include "flow/drawing.h"
#include "flow/game.h"

namespace tanukiban {

void Game::Timer1_Timer() {
    tickClock();
}

bool Game::tickClock() {
    // It acts only while the clock runs.
    if (ended_ || clockHeld_ || !platform_.clockTimerOn()) return false;
    state_.思考秒 = 調査_経過秒(state_.開始時刻, platform_.secondsSinceMidnight());
    const double whole = std::floor(state_.思考秒);
    if (whole == 表示秒) return false;
    表示秒 = whole;
    if (state_.手番 == state_.手番COM) {
        描画_所有時間(canvas(), options_.経過時間, state_.手番COM,
                      state_.思考秒 + state_.所有秒COM);
    } else if (state_.手番 == state_.手番MAN) {
        描画_所有時間(canvas(), options_.経過時間, state_.手番MAN,
                      state_.思考秒 + state_.所有秒MAN);
    }
    platform_.surface().refresh();
    // The clock rests a moment after it changed; the game goes on meanwhile.
    clockHeld_ = true;
    schedule(kClockRest, [this] { clockHeld_ = false; });
    return true;
}

void Game::measureThinkingTime() {
    // The tick only samples the clock while the display is on; the totals
    // and the move list want the whole turn either way.
    state_.思考秒 = 調査_経過秒(state_.開始時刻, platform_.secondsSinceMidnight());
}

void Game::startClockIfShown() {
    if (options_.経過時間) platform_.setClockTimer(true);
}

void Game::KEIKA_Click() {
    setClockShown(!options_.経過時間);
    処理_経過時間();
    書込_環境設定ファイル();
}

void Game::処理_経過時間() {
    if (options_.経過時間) {
        platform_.setClockTimer(true);
        描画_所有時間(canvas(), true, state_.手番COM, state_.所有秒COM);
        描画_所有時間(canvas(), true, state_.手番MAN, state_.所有秒MAN);
    } else {
        platform_.setClockTimer(false);
        消去_所有時間(canvas(), state_.手番MAN);
        消去_所有時間(canvas(), state_.手番COM);
    }
}

}  // namespace tanukiban
