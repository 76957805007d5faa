#include "tools/tune/games.h"

#include <atomic>
#include <mutex>
#include <random>
#include <thread>

#include "engine/movegen.h"
#include "engine/search.h"
#include "players/search_player.h"
#include "rules/state.h"

namespace tanukiban::tune {

Sample sampleOf(const engine::Position& pos, float result) {
    Sample s;
    s.result = result;
    engine::evaluationTerms(pos, [&](int t, int amount) {
        if (t >= engine::term::Tempo && pos.sideToMove() == engine::Upper) amount = -amount;
        if (amount != 0)
            s.terms.emplace_back(static_cast<std::uint16_t>(t), static_cast<std::int16_t>(amount));
    });
    return s;
}

namespace {

// Games end at a lost side (no legal move) or as a draw at this many plies.
constexpr int kPlyCap = 300;

// One game: 2..7 random plies, then the engine on both sides. Returns the
// positions kept and the result from the lower side's view.
float playOne(unsigned seed, const GameSettings& settings, std::vector<engine::Position>& kept) {
    using namespace engine;
    std::mt19937 rng(seed);
    Position pos = Position::initial();
    players::SearchPlayer player({}, 4);
    player.setWeights(settings.weights);
    const int randomPlies = 2 + static_cast<int>(rng() % 6);
    engine::MoveList list;
    for (int ply = 0; ply < kPlyCap; ++ply) {
        generateMoves(pos, list);
        if (list.size == 0) return pos.sideToMove() == Lower ? 0.0f : 1.0f;
        engine::Move m;
        if (ply < randomPlies) {
            m = list.moves[rng() % static_cast<unsigned>(list.size)];
        } else {
            SearchLimits limits;
            limits.nodes = settings.nodes;
            limits.pliesToDraw = 手順上限 - ply;
            const players::Answer r = player.choose(players::turnOfPosition(pos), {limits, {}});
            m = r.best;
            // Quiet positions only: not in check, a quiet best move, and a
            // static value close to what the search found.
            const bool capture = !m.isDrop() && pos.pieceOn(m.to()) != NoPiece;
            if (!pos.inCheck() && !capture && !isMateScore(r.score) &&
                std::abs(evaluate(pos, settings.weights) - r.score) < 200)
                kept.push_back(pos);
        }
        pos.make(m);
    }
    return 0.5f;
}

}  // namespace

std::vector<Sample> playGames(const GameSettings& settings, GameTally& tally) {
    std::vector<Sample> samples;
    std::mutex lock;
    std::atomic<int> next{0};
    auto worker = [&] {
        for (int g; (g = next++) < settings.games;) {
            std::vector<engine::Position> kept;
            const float result =
                playOne(settings.seed * 7919u + static_cast<unsigned>(g), settings, kept);
            const std::lock_guard<std::mutex> guard(lock);
            for (const engine::Position& pos : kept) samples.push_back(sampleOf(pos, result));
            if (result > 0.75f) {
                ++tally.lowerWins;
            } else if (result < 0.25f) {
                ++tally.upperWins;
            } else {
                ++tally.draws;
            }
        }
    };
    std::vector<std::thread> threads;
    for (int i = 1; i < settings.threads; ++i) threads.emplace_back(worker);
    worker();
    for (std::thread& t : threads) t.join();
    return samples;
}

}  // namespace tanukiban::tune
