#pragma once
// A game review on a thread of its own, so that the window goes on while
// every position is searched; its progress can be read at any time, and it
// is stopped and joined, never abandoned.
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "players/review.h"

namespace tanukiban {

class BackgroundReview {
  public:
    using Done = std::function<void(const players::Review&)>;

    BackgroundReview() = default;
    ~BackgroundReview() { cancel(); }
    BackgroundReview(const BackgroundReview&) = delete;
    BackgroundReview& operator=(const BackgroundReview&) = delete;

    // Reviews the first `plies` plies of the game from `start`; `done` gets the
    // review on the review's thread unless it was cancelled. A review still
    // running is cancelled first.
    void start(const GamePosition& start, int plies, const players::ReviewBudget& budget,
               Done done);
    // Stops the review and waits for it; its `done` is not called.
    void cancel();
    // Waits until the review has ended by itself.
    void wait();
    bool running() const { return running_.load(std::memory_order_acquire); }
    // Positions analysed so far, of all the game's.
    int analysed() const { return analysed_.load(std::memory_order_relaxed); }
    int positions() const { return positions_.load(std::memory_order_relaxed); }

  private:
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
    std::atomic<int> analysed_{0};
    std::atomic<int> positions_{0};
};

}  // namespace tanukiban
