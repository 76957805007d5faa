#pragma once
// The computer's levels: which player plays at each, and for how long the
// searching ones think in the window.
#include "engine/limits.h"

namespace tanukiban::players {

inline constexpr int MinLevel = 1, MaxLevel = 6;

// Levels 4–6 search with the engine; 1–3 take the game's one-ply choice.
inline bool searches(int level) {
    return level >= 4 && level <= 6;
}

// The searching levels' time a move (0.1 s, 1 s and 3 s); zero for the others.
engine::Milliseconds levelThinkTime(int level);

}  // namespace tanukiban::players
