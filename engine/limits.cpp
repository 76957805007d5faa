#include "engine/limits.h"

#include <algorithm>

namespace tanukiban::engine {

TimeBudget timeBudget(const TimeControl& tc) {
    constexpr std::int64_t kReserve = 30;  // for the answer to travel
    const auto clampMs = [](std::int64_t v) { return Milliseconds(std::max<std::int64_t>(1, v)); };
    if (tc.movetime > 0) {
        const std::int64_t t = tc.movetime - std::min<std::int64_t>(kReserve, tc.movetime / 10);
        return {clampMs(t), clampMs(t)};
    }
    const std::int64_t remaining = std::max<std::int64_t>(0, tc.remaining);
    const std::int64_t increment = std::max<std::int64_t>(0, tc.increment);
    const std::int64_t byoyomi = std::max<std::int64_t>(0, tc.byoyomi);
    const std::int64_t available = remaining + byoyomi + increment - kReserve;
    if (remaining == 0 && increment == 0 && byoyomi == 0) return {clampMs(1), clampMs(1)};
    // A game of this board rarely lasts beyond forty more moves of a side.
    const std::int64_t target = remaining / 30 + increment * 3 / 4 + byoyomi * 9 / 10;
    const std::int64_t hard =
        std::min(available, std::max(target * 3, byoyomi * 9 / 10 + remaining / 8));
    // Byoyomi left unused is lost, so most of it is spent.
    const std::int64_t soft = std::min(std::max(target * 3 / 5, byoyomi * 4 / 5), hard);
    return {clampMs(soft), clampMs(std::max(soft, hard))};
}

}  // namespace tanukiban::engine
