// The clocks: elapsed time per side and its display.
#include "flow/game.h"

namespace tanukiban {

void Game::Timer1_Timer() {}

void Game::KEIKA_Click() {}

void Game::処理_経過時間() {
    if (platform_.isChecked(MenuItem::KEIKA)) {
        platform_.setClockTimer(true);
        描画_所有時間(state_.手番COM, state_.所有秒COM);
        描画_所有時間(state_.手番MAN, state_.所有秒MAN);
    } else {
        platform_.setClockTimer(false);
        消去_所有時間(state_.手番MAN);
        消去_所有時間(state_.手番COM);
    }
}

}  // namespace tanukiban
