#include "players/search_player.h"

#include <chrono>

#include "engine/convert.h"

namespace tanukiban::players {

engine::Clock steadyClock() {
    return [] { return std::chrono::steady_clock::now(); };
}

SearchPlayer::SearchPlayer(engine::Clock clock, std::size_t hashMegabytes)
    : searcher_(std::move(clock), hashMegabytes) {}

void SearchPlayer::prepare() {
    engine::SearchLimits limits;
    limits.depth = 1;
    searcher_.search(engine::Position::initial(), limits);
}

Answer SearchPlayer::choose(const Turn& turn, const Budget& budget) {
    Answer answer;
    if (!turn.position) return answer;
    const engine::SearchResult result =
        searcher_.search(*turn.position, budget.limits, budget.info);
    if (!result.best) {
        answer.outcome = Outcome::NoMove;
        return answer;
    }
    answer.outcome = Outcome::Moved;
    answer.best = result.best;
    answer.ponder = result.ponder;
    answer.score = result.score;
    answer.move = engine::toGameMove(*turn.position, result.best);
    return answer;
}

}  // namespace tanukiban::players
