#pragma once
// A plain search for a shorter mate than the proof search showed: every
// check and every reply to a fixed number of plies, the attacker taking the
// fastest mate and the defender the longest resistance. Exact, but its cost
// grows fast with the plies, so it runs under its own node budget.
#include <cstdint>
#include <vector>

#include "engine/mate_solver.h"

namespace tanukiban::engine {

struct ShortestMate {
    // The fastest mate, with the defender's longest replies; empty when
    // there is none within the plies or the search was cut short.
    std::vector<Move> line;
    std::uint64_t nodes = 0;
};

// The shortest mate of at most maxPlies plies from the position, the side to
// move attacking, within the node budget, the deadline and the stop request.
// The position is left as it was.
ShortestMate shortestMate(Position& pos, int maxPlies, std::uint64_t nodes, const Clock& clock,
                          const MateLimits& limits);

}  // namespace tanukiban::engine
