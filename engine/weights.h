#pragma once
// The evaluation's weights in centipawns, in the order of evaluate.h's terms.
// Written by tools/tune from self-play results.
#include "engine/evaluate.h"

namespace tanukiban::engine {

inline Weights tunedWeights() {
    return {
        150, 300, 200, 200, 300, 350, 350, 400, 450, 350, 400, 450, 350, 300, 350, 400, 0, 0, 0,
        0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0, 0, 0,
        0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0, 0, 0,
        0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0, 0, 0,
        0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0, 0, 0,
        0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0, 0, 0,
        0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0, 0, 0,
        0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0, 0, 5,
        5,   5,   5,   5,   5,   5,   5,   -20, 10,  10,  -5,  50,
    };
}

}  // namespace tanukiban::engine
