#pragma once
// The one asynchronous thinker: runs a player on a worker thread and hands
// its answer to a callback on that thread, which the owner posts on to its
// own. It is stopped and joined, never abandoned.
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

#include "players/player.h"

namespace tanukiban::players {

class Thinker {
  public:
    using Done = std::function<void(const Answer&)>;

    // A background thinker yields the processor to the thread that owns it
    // (the window's, so that painting and Escape stay prompt) when it is
    // contended; with a core to itself it runs at full speed all the same.
    enum class Priority { Normal, Background };

    explicit Thinker(Priority priority = Priority::Normal) : priority_(priority) {}
    // Cancels a running choice.
    ~Thinker();
    Thinker(const Thinker&) = delete;
    Thinker& operator=(const Thinker&) = delete;

    // Starts the player on the turn and returns at once; `done` gets the
    // answer on the worker thread. A choice still running is waited for
    // first: stop or cancel it to make that short. The player must outlive
    // the choice. The budget's stop flag is the thinker's own.
    void start(Player& player, Turn turn, Budget budget, Done done);
    // Asks a running choice to answer now; its answer still comes. Safe from
    // any thread, and a no-op when nothing runs.
    void stop() { stop_.store(true, std::memory_order_relaxed); }
    // Stops a running choice and waits for it; its answer is dropped (a
    // `done` already running is waited for).
    void cancel();
    // Waits until the running choice has answered.
    void wait();
    // From start until the answer has been handed over.
    bool thinking() const { return thinking_.load(std::memory_order_acquire); }
    // True when stop() or cancel() was asked since the last start.
    bool stopping() const { return stop_.load(std::memory_order_relaxed); }

  private:
    Priority priority_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> drop_{false};
    std::atomic<bool> thinking_{false};
};

}  // namespace tanukiban::players
