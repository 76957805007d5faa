#pragma once
// How long the engine may think: deadlines handed in by its caller (the
// engine reads no clock of its own), and a pure function that turns a game
// clock into such a budget.
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

namespace tanukiban::engine {

using TimePoint = std::chrono::steady_clock::time_point;
using Milliseconds = std::chrono::milliseconds;
// The caller's clock; the search asks it now and then whether a deadline
// has passed.
using Clock = std::function<TimePoint()>;

// The game is drawn when it reaches this many plies.
inline constexpr int GamePlyLimit = 500;

// The clock of the side to move, in milliseconds; zero for what is absent.
// A fixed time per move is given as movetime.
struct TimeControl {
    std::int64_t remaining = 0;
    std::int64_t increment = 0;
    std::int64_t byoyomi = 0;
    std::int64_t movetime = 0;
};

struct TimeBudget {
    Milliseconds soft;  // start no new iteration after this much
    Milliseconds hard;  // stop searching after this much
};

// What to spend on one move. Keeps a small reserve for the answer to reach
// the other side; never less than 1 ms.
TimeBudget timeBudget(const TimeControl& tc);

// The thinking time of the searching levels 4–6 of the window (0.1 s, 1 s and
// 3 s a move); zero for the other levels, which do not search.
Milliseconds levelThinkTime(int level);
inline bool isSearchLevel(int level) {
    return level >= 4 && level <= 6;
}

}  // namespace tanukiban::engine
