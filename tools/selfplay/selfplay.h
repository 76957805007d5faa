#pragma once
// One game of the computer against itself. Levels 1–3 play the lower side
// by the same choice on the position turned half round with the sides
// exchanged, the move mapped back; levels 4–6 search with the engine.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "computer/random_sequence.h"
#include "engine/search.h"
#include "players/opening_book.h"
#include "rules/state.h"

namespace tanukiban {

// How a searching level (4–6) plays: its think time scaled, or a fixed
// number of nodes or a fixed depth a move, with the search's parts and
// weights as given.
struct EngineSide {
    double timeScale = 1.0;
    std::uint64_t nodes = 0;
    int depth = 0;
    engine::SearchFeatures features{};
    std::optional<engine::Weights> weights;
    std::shared_ptr<const players::OpeningBook> book;  // none: no book
};

struct SelfPlayConfig {
    int upperLevel = 3;
    int lowerLevel = 3;
    bool upperFirst = true;
    bool keepMoves = false;  // fill SelfPlayResult::moves
    // The first plies are drawn at random among the legal moves, so that a
    // long soak visits many positions although the levels play alike.
    int randomOpeningPlies = 0;
    unsigned openingSeed = 0;
    EngineSide upperEngine{};
    EngineSide lowerEngine{};
};

struct SelfPlayResult {
    int winner = 0;  // +1 upper, −1 lower, 0 draw
    int plies = 0;
    int choices = 0;
    double choiceSeconds = 0;        // time spent inside the choice
    std::string violation;           // the first broken invariant, empty if none
    std::vector<std::string> moves;  // one line a ply, when asked for
    GameState position;              // where the game ended, its move list included
};

// Plays until a king is captured, a side has no move (it loses), or the
// move list is full (手順上限 plies, a draw). Checks the invariants after every ply
// and stops at the first violation.
SelfPlayResult playSelfGame(const SelfPlayConfig& config, RandomSequence& random);

}  // namespace tanukiban
