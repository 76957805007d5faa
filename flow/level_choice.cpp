// The computer's choice at its level, and thinking on the thinker while the
// window waits with the program still alive.
#include <algorithm>
#include <atomic>
#include <chrono>

#include "flow/engine_move.h"
#include "flow/game.h"

namespace tanukiban {

std::optional<ChosenMove> Game::chooseComputerTurnMove() {
    const int level = state_.COMレベル;
    computer_.setLevel(level);
    players::Turn turn = turnOf(state_, true);
    std::optional<players::Answer> answer;
    if (players::searches(level) && turn.position) {
        answer = think(computer_, std::move(turn), players::levelThinkTime(level));
    } else {
        // The scan is over in an instant; the clock shows that it began.
        Timer1_Timer();
        answer = computer_.choose(turn, {});
    }
    if (!answer || answer->outcome != players::Outcome::Moved) return std::nullopt;
    const Move& mv = answer->move;
    ChosenMove chosen;
    chosen.元X = mv.fromX;
    chosen.元Y = mv.fromY;
    chosen.先X = mv.toX;
    chosen.先Y = mv.toY;
    chosen.元駒 = mv.before;
    chosen.先駒 = mv.after;
    return chosen;
}

std::optional<players::Answer> Game::think(players::Player& player, players::Turn turn,
                                           engine::Milliseconds time) {
    const auto scaled = std::chrono::duration_cast<engine::Milliseconds>(time * thinkTimeScale_);
    players::Budget budget;
    budget.limits.deadline =
        std::chrono::steady_clock::now() + std::max(scaled, engine::Milliseconds(1));
    budget.limits.pliesToDraw = 手順上限 - state_.手数;
    std::atomic<bool> done{false};
    players::Answer answer;
    thinker_.start(player, std::move(turn), std::move(budget), [&](const players::Answer& a) {
        answer = a;
        done.store(true, std::memory_order_release);
    });
    platform_.waitUntil([&done] { return done.load(std::memory_order_acquire); });
    if (!done.load(std::memory_order_acquire)) {
        // The wait was cut short because the program is ending.
        thinker_.cancel();
        return std::nullopt;
    }
    thinker_.wait();
    return answer;
}

}  // namespace tanukiban
