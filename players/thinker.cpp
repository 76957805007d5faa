#include "players/thinker.h"

#include <utility>
#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace tanukiban::players {

namespace {

void lowerThisThreadsPriority() {
#if defined(__linux__)
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
}

}  // namespace

Thinker::~Thinker() {
    cancel();
}

void Thinker::start(Player& player, Turn turn, Budget budget, Done done) {
    wait();
    stop_.store(false, std::memory_order_relaxed);
    drop_.store(false, std::memory_order_relaxed);
    thinking_.store(true, std::memory_order_release);
    budget.limits.stop = &stop_;
    thread_ = std::thread([this, &player, turn = std::move(turn), budget = std::move(budget),
                           done = std::move(done)] {
        if (priority_ == Priority::Background) lowerThisThreadsPriority();
        const Answer answer = player.choose(turn, budget);
        if (!drop_.load(std::memory_order_relaxed) && done) done(answer);
        thinking_.store(false, std::memory_order_release);
    });
}

void Thinker::cancel() {
    drop_.store(true, std::memory_order_relaxed);
    stop();
    wait();
}

void Thinker::wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace tanukiban::players
