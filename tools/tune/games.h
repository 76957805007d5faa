#pragma once
// Self-play games of the engine at a fixed node count, from random openings,
// keeping the quiet positions of each game with its result.
#include "tools/tune/sample.h"

namespace tanukiban::tune {

struct GameSettings {
    int games = 1000;
    std::uint64_t nodes = 3000;
    int threads = 2;
    unsigned seed = 1;
    engine::Weights weights = engine::defaultWeights();
};

struct GameTally {
    int lowerWins = 0, upperWins = 0, draws = 0;
};

std::vector<Sample> playGames(const GameSettings& settings, GameTally& tally);

}  // namespace tanukiban::tune
