#include "flow/background_review.h"

#include <utility>

namespace tanukiban {

void BackgroundReview::start(const GamePosition& start, int plies,
                             const players::ReviewBudget& budget, Done done) {
    cancel();
    stop_.store(false, std::memory_order_relaxed);
    analysed_.store(0, std::memory_order_relaxed);
    positions_.store(plies + 1, std::memory_order_relaxed);
    running_.store(true, std::memory_order_release);
    // The thread keeps its own copy of the game: the window's goes on changing.
    auto game = std::make_unique<GamePosition>(start);
    thread_ = std::thread([this, game = std::move(game), plies, budget, done = std::move(done)] {
        // A fresh reviewer for each game, so that the same game and budget give
        // the same review wherever it is made.
        players::GameReviewer reviewer;
        const players::Review review = reviewer.review(
            {*game, game->手順, plies}, budget, &stop_,
            [this](int done, int) { analysed_.store(done, std::memory_order_relaxed); });
        if (!stop_.load(std::memory_order_relaxed)) done(review);
        running_.store(false, std::memory_order_release);
    });
}

void BackgroundReview::cancel() {
    stop_.store(true, std::memory_order_relaxed);
    wait();
}

void BackgroundReview::wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace tanukiban
