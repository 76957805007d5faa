// The game's own pauses, as events of the window, and the clock arithmetic
// they rest on.
#include <utility>

#include "flow/game.h"

namespace tanukiban {

double 調査_経過秒(double I_開始, double I_終了) {
    if (I_開始 <= I_終了) return I_終了 - I_開始;
    return (86400 - I_開始) + I_終了;  // the clock passed midnight
}

void Game::schedule(double seconds, std::function<void()> call) {
    platform_.schedule(seconds, [this, call = std::move(call)] {
        if (ended_) return;
        const FollowAfter follow{*this};
        call();
    });
}

void Game::待ち時間(double IN_秒, std::function<void()> 続き, TurnState state) {
    waiting_ = state;
    schedule(IN_秒, [this, 続き = std::move(続き)] {
        waiting_ = TurnState::Idle;
        続き();
    });
}

}  // namespace tanukiban
