#include "usi/mate_command.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <mutex>
#include <utility>

#include "players/player.h"
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
    for (const engine::Move m : result.line) {
        line += ' ' + formatMove(pos, m);
        // Taking the king ends the game; it is never made on a position.
        if (pos.kingCapture() == m) break;
        pos.make(m);
    }
    return line;
}

namespace {

// The solver as a player, so that `go mate` runs on the session's one thinker
// and `stop` reaches it through the thinker's flag.
class MatePlayer final : public players::Player {
  public:
    MatePlayer(MateSolver& solver, MateLimits limits) : solver_(solver), limits_(limits) {}

    players::Answer choose(const players::Turn& turn, const players::Budget& budget) override {
        MateLimits limits = limits_;
        limits.stop = budget.limits.stop;
        answer_ = mateAnswer(*turn.position, solver_.solve(*turn.position, limits));
        return {};
    }
    const std::string& answer() const { return answer_; }

  private:
    MateSolver& solver_;
    MateLimits limits_;
    std::string answer_;
};

}  // namespace

void Session::goMate(const std::vector<std::string_view>& words) {
    std::string error;
    const std::optional<MateRequest> request = readMateRequest(words, &error);
    if (!request) {
        say("info string " + error);
        return;
    }
    MateLimits limits = mateLimits(*request, clock_);
    limits.nodes = config_.nodeCap;
    {
        const std::lock_guard lock(mutex_);
        busy_ = true;
        hold_ = pondering_ = infinite_ = false;
    }
    auto player = std::make_unique<MatePlayer>(mateSolver_, limits);
    const MatePlayer& solving = *player;
    matePlayer_ = std::move(player);
    thinker_.start(*matePlayer_, players::turnOfPosition(position_.current), {},
                   [this, &solving](const players::Answer&) {
                       {
                           const std::lock_guard lock(mutex_);
                           busy_ = false;
                       }
                       say(solving.answer());
                   });
}

}  // namespace tanukiban::usi
