#pragma once
// Who moves: a position in, a move out, within a budget. The one-ply player
// of levels 1–3 and the searching player of levels 4–6 both answer here, so
// the window, the hint, USI, self-play and the tools drive either alike.
#include <functional>
#include <optional>
#include <vector>

#include "engine/position.h"
#include "engine/search.h"
#include "engine/zobrist.h"
#include "rules/game_move.h"
#include "rules/movegen.h"
#include "rules/position.h"

namespace tanukiban::players {

// The position to move from, in the game's terms and, where the engine can
// hold the board, in the engine's with the game's earlier positions.
struct Turn {
    GamePosition state;
    bool upper = true;  // the upper side (COM, positive codes) is to move
    std::optional<engine::Position> position;
};

// The turn of the game's state for one side; `priorKeys` are the positions
// the game passed through, oldest first, for the engine's repetitions.
Turn turnOfGame(const GamePosition& s, bool upper, const std::vector<engine::Key>& priorKeys = {});
// The turn of an engine position, for front ends that hold one.
Turn turnOfPosition(const engine::Position& pos);

// What a player may spend. The search reads all of it; the one-ply player
// answers at once whatever it says. `limits.stop` is the canceller's flag,
// raised from any thread to ask for an answer now.
struct Budget {
    engine::SearchLimits limits;
    engine::InfoCallback info;  // the search's progress, on the thinking thread
};

enum class Outcome {
    Moved,     // the move is in `move` (and in `best` when the turn had an engine position)
    NoMove,    // the side to move has none: it has lost
    Unusable,  // the board is not one this player can hold
};

struct Answer {
    Outcome outcome = Outcome::Unusable;
    GameMove move{};
    engine::Move best;    // the engine's description, when the turn had an engine position
    engine::Move ponder;  // the answer the search expects, if it knows one
    int score = 0;        // the search's score for the side to move
    double points = 0;    // the one-ply choice's score of its move
};

class Player {
  public:
    virtual ~Player() = default;
    // One thread at a time; the caller keeps the player alive meanwhile.
    virtual Answer choose(const Turn& turn, const Budget& budget) = 0;
};

}  // namespace tanukiban::players
