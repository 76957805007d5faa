#pragma once
// The searching engine behind the computer levels 4–6 and the hint. It thinks
// on a thread of its own so that the window stays alive meanwhile, and it is
// stopped and joined, never abandoned. Its table is taken when it first
// thinks, so a run that never asks it pays nothing for it.
#include <atomic>
#include <memory>
#include <thread>

#include "engine/limits.h"
#include "engine/position.h"

namespace tanukiban {

namespace engine {
class Searcher;
}

class EngineThinker {
  public:
    EngineThinker();
    ~EngineThinker();
    EngineThinker(const EngineThinker&) = delete;
    EngineThinker& operator=(const EngineThinker&) = delete;

    // Starts thinking about the position for about `time` (scaled, see
    // setTimeScale) and returns at once. A search still running is stopped first.
    void start(const engine::Position& position, engine::Milliseconds time, int pliesPlayed);
    // True once the search has answered, or when none was started.
    bool done() const { return done_.load(std::memory_order_acquire); }
    // Asks a running search to answer now; safe from any thread.
    void stop() { stopRequest_.store(true, std::memory_order_relaxed); }
    // Waits for the search to end and gives its move: no move when the side
    // to move has none.
    engine::Move finish();

    // Every thinking time is multiplied by this; tests think briefly.
    void setTimeScale(double scale) { timeScale_ = scale; }

  private:
    std::unique_ptr<engine::Searcher> searcher_;
    std::thread thread_;
    std::atomic<bool> done_{true};
    std::atomic<bool> stopRequest_{false};
    engine::Move best_;
    double timeScale_ = 1.0;
};

}  // namespace tanukiban
