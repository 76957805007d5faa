#include "flow/position_analyst.h"

#include <utility>

#include "players/review_score.h"

namespace tanukiban {

int PositionAnalyst::start(players::Turn turn) {
    thinker_.cancel();
    const engine::Color side = turn.upper ? engine::Upper : engine::Lower;
    int generation;
    {
        std::lock_guard lock(mutex_);
        generation = ++generation_;
        reading_.reset();
    }
    players::Budget budget;
    budget.limits.infinite = depthCap_ == 0;
    budget.limits.depth = depthCap_;
    budget.info = [this, generation, side](const engine::SearchInfo& info) {
        AnalysisReading r{generation, info.depth,
                          players::seenBy(players::reviewScore(info.score), side, engine::Lower),
                          info.pv};
        std::lock_guard lock(mutex_);
        if (generation == generation_) reading_ = std::move(r);
    };
    thinker_.start(player_, std::move(turn), std::move(budget), {});
    return generation;
}

void PositionAnalyst::stop() {
    thinker_.cancel();
    std::lock_guard lock(mutex_);
    ++generation_;
    reading_.reset();
}

std::optional<AnalysisReading> PositionAnalyst::latest() const {
    std::lock_guard lock(mutex_);
    return reading_;
}

int PositionAnalyst::generation() const {
    std::lock_guard lock(mutex_);
    return generation_;
}

}  // namespace tanukiban
