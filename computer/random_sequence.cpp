#include "computer/random_sequence.h"

namespace tanukiban {

float RandomSequence::next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<float>(state_ >> 8) * (1.0f / 16777216.0f);
}

}  // namespace tanukiban
