#pragma once
// The evaluation's weights in centipawns, in the order of evaluate.h's terms.
// Written by tools/tune from self-play results.
#include "engine/evaluate.h"

namespace tanukiban::engine {

inline Weights tunedWeights() {
    return {
        134, 291, 189, 189, 301, 343, 353, 400, 453, 360, 402, 463, 351, 301, 350, 403, 0,  2,  -12,
        -1,  1,   1,   -1,  0,   1,   1,   0,   0,   -2,  -3,  -3,  0,   0,   -1,  1,   1,  -1, 6,
        2,   -1,  -1,  -5,  -5,  0,   -2,  -4,  1,   4,   -1,  1,   0,   -6,  0,   0,   -1, -1, -2,
        0,   0,   0,   -6,  -1,  0,   2,   4,   3,   -8,  0,   -2,  -1,  0,   -2,  -3,  0,  1,  -2,
        0,   -2,  -1,  0,   0,   0,   1,   3,   0,   0,   -1,  3,   0,   -1,  -1,  0,   -2, 0,  2,
        1,   -3,  2,   3,   -2,  0,   -6,  -3,  -2,  2,   1,   0,   2,   0,   0,   3,   -4, -2, 1,
        -1,  0,   0,   5,   -2,  1,   -1,  0,   0,   0,   0,   0,   -4,  2,   0,   -2,  0,  1,  2,
        2,   -1,  -2,  4,   -5,  -6,  2,   -1,  -2,  2,   1,   0,   2,   2,   -1,  1,   -1, 0,  6,
        8,   6,   6,   15,  -5,  2,   -10, -15, 9,   31,  -5,  35,
    };
}

}  // namespace tanukiban::engine
