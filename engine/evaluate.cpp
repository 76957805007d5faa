#include "engine/evaluate.h"

#include "engine/weights.h"

namespace tanukiban::engine {

const Weights& defaultWeights() {
    static const Weights w = tunedWeights();
    return w;
}

int evaluate(const Position& pos, const Weights& w) {
    int sum = 0, tempo = 0;
    evaluationTerms(pos, [&](int t, int amount) {
        if (t >= term::Tempo) {
            tempo += w[static_cast<std::size_t>(t)] * amount;
        } else {
            sum += w[static_cast<std::size_t>(t)] * amount;
        }
    });
    return (pos.sideToMove() == Lower ? sum : -sum) + tempo;
}

}  // namespace tanukiban::engine
