#pragma once
// A position seen in self-play: its evaluation terms and how the game ended.
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/evaluate.h"

namespace tanukiban::tune {

struct Sample {
    std::vector<std::pair<std::uint16_t, std::int16_t>> terms;  // term, amount (lower side's view)
    float result;  // 1 lower side won, 0 upper side won, 0.5 drawn
};

// The terms of a position as the lower side sees them: the side to move's
// terms change sign when the upper side is to move.
Sample sampleOf(const engine::Position& pos, float result);

}  // namespace tanukiban::tune
