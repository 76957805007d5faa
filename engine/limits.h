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

}  // namespace tanukiban::engine
