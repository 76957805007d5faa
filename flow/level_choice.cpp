// The computer's choice at its level, and thinking on the thinker while the
// window goes on painting and ticking.
#include <algorithm>
#include <chrono>
#include <utility>

#include "flow/engine_move.h"
#include "flow/game.h"

namespace tanukiban {

void Game::startComputerChoice() {
    const int level = state_.COMレベル;
    computer_.setLevel(level);
    players::Turn turn = turnOf(state_, true);
    const bool searching = computer_.searchesOn(turn);
    auto choose = [this, searching, level, turn = std::move(turn)]() mutable {
        think(computer_, std::move(turn), players::levelThinkTime(searching ? level : 0),
              TurnState::ComputerThinking,
              [this](const players::Answer& answer) { playComputerAnswer(answer); });
    };
    // The scan ticks the clock as it begins, and a clock that changed holds
    // the scan while it rests, as it always has.
    if (!searching && tickClock()) {
        待ち時間(kClockRest, std::move(choose));
        return;
    }
    choose();
}

void Game::think(players::Player& player, players::Turn turn, engine::Milliseconds time,
                 TurnState state, std::function<void(const players::Answer&)> then) {
    const auto scaled = std::chrono::duration_cast<engine::Milliseconds>(time * thinkTimeScale_);
    players::Budget budget;
    budget.limits.deadline =
        std::chrono::steady_clock::now() + std::max(scaled, engine::Milliseconds(1));
    // The game is drawn when its move list is full, whatever its move count.
    budget.limits.pliesToDraw = 手順上限 - state_.手順数;
    waiting_ = state;
    const int ticket = ++thinking_;
    // The answer comes on the thinker's thread and is posted on to the window's.
    auto post = [this, ticket, then = std::move(then)](const players::Answer& answer) {
        schedule(0, [this, ticket, then, answer] {
            if (ticket != thinking_) return;
            thinker_.wait();
            waiting_ = TurnState::Idle;
            then(answer);
        });
    };
    thinker_.start(player, std::move(turn), std::move(budget), std::move(post));
}

void Game::cancelThinking() {
    thinker_.cancel();
    ++thinking_;
    waiting_ = TurnState::Idle;
}

}  // namespace tanukiban
