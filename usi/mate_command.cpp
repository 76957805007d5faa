#include "usi/mate_command.h"

#include <algorithm>
#include <charconv>
#include <mutex>

#include "usi/notation.h"
#include "usi/session.h"

namespace tanukiban::usi {

using namespace engine;

std::optional<MateRequest> readMateRequest(const std::vector<std::string_view>& words,
                                           std::string* error) {
    const auto fail = [&] {
        if (error) *error = "go mate needs a time in milliseconds or infinite";
        return std::nullopt;
    };
    const auto at = std::find(words.begin(), words.end(), std::string_view("mate"));
    if (at == words.end() || at + 1 == words.end()) return fail();
    const std::string_view time = *(at + 1);
    if (time == "infinite") return MateRequest{true, 0};
    std::int64_t ms = 0;
    const auto [end, ec] = std::from_chars(time.data(), time.data() + time.size(), ms);
    if (ec != std::errc() || end != time.data() + time.size()) return fail();
    return MateRequest{false, std::max<std::int64_t>(0, ms)};
}

MateLimits mateLimits(const MateRequest& request, const Clock& clock) {
    MateLimits limits;
    if (!request.infinite && clock) {
        TimeControl tc;
        tc.movetime = std::max<std::int64_t>(1, request.milliseconds);
        limits.deadline = clock() + timeBudget(tc).hard;
    }
    return limits;
}

std::string mateAnswer(const Position& root, const MateResult& result) {
    if (result.status == MateStatus::Disproven) return "checkmate nomate";
    if (result.status != MateStatus::Proven || result.line.empty()) return "checkmate timeout";
    std::string line = "checkmate";
    Position pos = root;
    for (const Move m : result.line) {
        line += ' ' + formatMove(pos, m);
        // Taking the king ends the game; it is never made on a position.
        if (pos.kingCapture() == m) break;
        pos.make(m);
    }
    return line;
}

void Session::goMate(const std::vector<std::string_view>& words) {
    std::string error;
    const std::optional<MateRequest> request = readMateRequest(words, &error);
    if (!request) {
        say("info string " + error);
        return;
    }
    MateLimits limits = mateLimits(*request, clock_);
    limits.nodes = config_.nodeCap;
    limits.stop = &stop_;
    if (thread_.joinable()) thread_.join();
    {
        const std::lock_guard lock(mutex_);
        busy_ = true;
        hold_ = pondering_ = infinite_ = false;
    }
    stop_.store(false);
    thread_ = std::thread([this, root = position_.current, limits] {
        const MateResult result = mateSolver_.solve(root, limits);
        {
            const std::lock_guard lock(mutex_);
            busy_ = false;
        }
        say(mateAnswer(root, result));
    });
}

}  // namespace tanukiban::usi
