#include "flow/position_analyst.h"

#include <time.h>

#include <algorithm>
#include <chrono>
#include <utility>

#include "players/review_score.h"

namespace tanukiban {

namespace {

// Deep enough for a sensible first evaluation, shallow enough to take a few
// milliseconds, so that the mate solver does not hold the strip up.
constexpr int kQuickDepth = 3;
// The window runs this beside a review and stays within 70 MB: the tables
// are a fraction of the engine's default.
constexpr std::size_t kHashMegabytes = 4;
constexpr std::size_t kMateTableMegabytes = 2;

// The solver's moment is counted in its own thread's processor time, so that
// a busy machine makes it slower but does not cut it short.
engine::TimePoint threadTime() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return engine::TimePoint(std::chrono::duration_cast<engine::TimePoint::duration>(
        std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec)));
}

}  // namespace

PositionAnalyst::PositionAnalyst(int depthCap)
    : depthCap_(depthCap),
      player_(players::steadyClock(), kHashMegabytes),
      solver_(threadTime, kMateTableMegabytes) {}

PositionAnalyst::~PositionAnalyst() {
    thinker_.cancel();
}

int PositionAnalyst::start(players::Turn turn) {
    thinker_.cancel();
    const engine::Color side = turn.upper ? engine::Upper : engine::Lower;
    int generation;
    {
        std::lock_guard lock(mutex_);
        generation = ++generation_;
        reading_.reset();
        provenPlies_ = 0;
    }
    running_ = generation;  // the thinker is idle: no thread reads it now
    players::Budget budget;
    budget.limits.infinite = depthCap_ == 0;
    budget.limits.depth = depthCap_;
    budget.info = [this, generation, side](const engine::SearchInfo& info) {
        searched(generation, side, info);
    };
    thinker_.start(*this, std::move(turn), std::move(budget), {});
    return generation;
}

players::Answer PositionAnalyst::choose(const players::Turn& turn, const players::Budget& budget) {
    const auto stopped = [&] {
        return budget.limits.stop && budget.limits.stop->load(std::memory_order_relaxed);
    };
    players::Budget quick = budget;
    quick.limits.infinite = false;
    quick.limits.depth = depthCap_ == 0 ? kQuickDepth : std::min(kQuickDepth, depthCap_);
    player_.choose(turn, quick);
    if (stopped()) return {};
    lookForMate(turn, budget);
    if (stopped()) return {};
    return player_.choose(turn, budget);
}

void PositionAnalyst::lookForMate(const players::Turn& turn, const players::Budget& budget) {
    if (!turn.position || mateLook_.nodes == 0) return;
    engine::MateLimits limits;
    limits.nodes = mateLook_.nodes;
    if (mateLook_.time) limits.deadline = threadTime() + *mateLook_.time;
    limits.stop = budget.limits.stop;
    const engine::MateResult found = solver_.solve(*turn.position, limits);
    if (found.status != engine::MateStatus::Proven || found.line.empty()) return;
    const engine::Color side = turn.upper ? engine::Upper : engine::Lower;
    const int plies = static_cast<int>(found.line.size());
    std::lock_guard lock(mutex_);
    if (running_ != generation_) return;
    // The shallow look may have seen a mate as short already.
    if (reading_ &&
        players::seenBy(reading_->evaluation, engine::Lower, side) >= players::ReviewMate - plies)
        return;
    const int depth = reading_ ? reading_->depth : 0;
    reading_ = AnalysisReading{generation_, depth,
                               players::seenBy(players::ReviewMate - plies, side, engine::Lower),
                               found.line};
    provenPlies_ = plies;
}

void PositionAnalyst::searched(int generation, engine::Color side, const engine::SearchInfo& info) {
    const int score = players::reviewScore(info.score);
    AnalysisReading r{generation, info.depth, players::seenBy(score, side, engine::Lower), info.pv};
    std::lock_guard lock(mutex_);
    if (generation != generation_) return;
    // The search starts again from the first ply after the shallow look and
    // the solver: its early iterations say nothing new.
    if (reading_ && info.depth < reading_->depth) return;
    if (provenPlies_ > 0 && score < players::ReviewMate - provenPlies_) {
        reading_->depth = info.depth;
        return;
    }
    reading_ = std::move(r);
    provenPlies_ = 0;
}

void PositionAnalyst::stop() {
    thinker_.cancel();
    std::lock_guard lock(mutex_);
    ++generation_;
    reading_.reset();
    provenPlies_ = 0;
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
