#pragma once
// The engine's move for one side of the game's position, thought out while
// the window waits with the program still alive.
#include <vector>

#include "engine/limits.h"
#include "engine/zobrist.h"
#include "flow/engine_thinker.h"
#include "flow/platform.h"
#include "rules/movegen.h"
#include "rules/state.h"

namespace tanukiban {

enum class EngineOutcome {
    Moved,        // `move` is the engine's choice
    NoMove,       // the side has no legal move: it has lost
    Unusable,     // the position is not one the engine can hold
    Interrupted,  // the program is ending; nothing was chosen
};

struct EngineAnswer {
    EngineOutcome outcome = EngineOutcome::Unusable;
    Move move{};  // in the game's terms, as generateMoves writes it
};

// Thinks about the position of s with the upper side (`com`) or the lower
// side to move for about `time`; the platform waits meanwhile.
EngineAnswer thinkAbout(EngineThinker& thinker, Platform& platform, const GameState& s, bool com,
                        engine::Milliseconds time);

// The keys of the positions the move list passed through, oldest first, so
// that the engine sees repetitions of the game; they end where the list
// cannot be taken back.
std::vector<engine::Key> priorKeys(const GameState& s);

}  // namespace tanukiban
