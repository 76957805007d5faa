#include "flow/engine_thinker.h"

#include <algorithm>
#include <chrono>
#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "engine/search.h"

namespace tanukiban {

namespace {

// Enough for seconds of thought on this small board, and small enough that
// the window with a full table stays within 60 MB.
constexpr std::size_t kTableMegabytes = 8;

// The search yields to the window's own thread when the processor is
// contended, so that painting and Escape stay prompt; with a core to itself
// it runs at full speed all the same.
void yieldToTheWindow() {
#if defined(__linux__)
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
}

}  // namespace

EngineThinker::EngineThinker() = default;

EngineThinker::~EngineThinker() {
    stop();
    if (thread_.joinable()) thread_.join();
}

void EngineThinker::start(const engine::Position& position, engine::Milliseconds time,
                          int pliesPlayed) {
    stop();
    if (thread_.joinable()) thread_.join();
    if (!searcher_) {
        searcher_ = std::make_unique<engine::Searcher>(
            [] { return std::chrono::steady_clock::now(); }, kTableMegabytes);
    }
    const auto scaled = std::chrono::duration_cast<engine::Milliseconds>(time * timeScale_);
    engine::SearchLimits limits;
    limits.deadline = std::chrono::steady_clock::now() + std::max(scaled, engine::Milliseconds(1));
    limits.pliesPlayed = pliesPlayed;
    limits.stop = &stopRequest_;
    stopRequest_.store(false, std::memory_order_relaxed);
    done_.store(false, std::memory_order_release);
    best_ = engine::Move();
    thread_ = std::thread([this, position, limits] {
        yieldToTheWindow();
        best_ = searcher_->search(position, limits).best;
        done_.store(true, std::memory_order_release);
    });
}

engine::Move EngineThinker::finish() {
    if (thread_.joinable()) thread_.join();
    return best_;
}

}  // namespace tanukiban
