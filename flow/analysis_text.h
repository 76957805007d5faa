#pragma once
// The analysis strip's texts, in the chosen language: evaluations from the
// lower side's view and lines in the window's own move notation.
#include <string>
#include <vector>

#include "engine/position.h"

namespace tanukiban {

// A review evaluation (players/review_score.h) as "+1.25", or the mate it
// announces as "詰み 5手" (the lower side mates) or "被詰み 4手".
std::string evaluationText(int evaluation);

// A move of `pos` as the window writes a last move ("４四香", "S-4d" in English).
std::string moveText(const engine::Position& pos, engine::Move move);

// The first `plies` moves of `line` from `pos`, as moveText writes them, one
// space apart; it stops at a move that is not legal where it stands.
std::string lineText(const engine::Position& pos, const std::vector<engine::Move>& line,
                     int plies = 8);

}  // namespace tanukiban
