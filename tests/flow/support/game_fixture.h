#pragma once
// The tests' way into the game object: what it holds, read-only, and a
// position set up by hand. Everything else goes through the handlers.
#include <functional>
#include <optional>

#include "flow/game.h"

namespace tanukiban {

class GameFixture {
  public:
    static const GameState& state(const Game& g) { return g.state_; }
    static const Options& options(const Game& g) { return g.options_; }
    static const SoundIds& sounds(const Game& g) { return g.sounds_; }
    static const PickUp& pickUp(const Game& g) { return g.pickUp_; }
    static double shownSecond(const Game& g) { return g.表示秒; }
    static TurnState turnState(const Game& g) { return g.turnState(); }

    // The state changed as a set-up step, before the handlers take over.
    static void arrange(Game& g, const std::function<void(GameState&)>& change) {
        change(g.state_);
    }

    // The game's own procedures, for the tests of one of them alone.
    static void 初期設定(Game& g) { g.初期設定(); }
    static void 待ち時間(Game& g, double seconds, std::function<void()> then) {
        g.待ち時間(seconds, std::move(then));
    }
    static void レベル_設定(Game& g, int level) { g.レベル_設定(level); }
    static void 描画_棋譜読込み部分消去(Game& g) { g.描画_棋譜読込み部分消去(); }
    // Every thinking time is multiplied by this; tests think briefly.
    static void setThinkTimeScale(Game& g, double scale) { g.thinkTimeScale_ = scale; }
    // The analysis stops at this depth, so that a test can wait for it.
    static void capAnalysis(Game& g, int depth) { g.analyst_.setDepthCap(depth); }
    static void awaitAnalysis(Game& g) { g.analyst_.wait(); }
    static void setReviewBudget(Game& g, const players::ReviewBudget& b) { g.reviewBudget_ = b; }
    static void awaitReview(Game& g) { g.review_.wait(); }
    // The key of the position the analysis works on, if any.
    static std::optional<engine::Key> analysedKey(const Game& g) {
        if (!g.analysedRoot_) return std::nullopt;
        return g.analysedRoot_->key();
    }
};

}  // namespace tanukiban
