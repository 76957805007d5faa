#pragma once
// The whole game: its position and the session around it.
#include "rules/position.h"
#include "rules/session.h"

namespace tanukiban {

struct GameState : GamePosition, GameSession {
    GameState() = default;
    // The position with the session as it is before any game; implicit, so
    // that a position the rules build can stand for a whole game.
    GameState(const GamePosition& position) : GamePosition(position) {}
};

// Resets to the initial position (everything but the sides, level,
// 手順最大数 and options). Redrawing and the clock timer are the game
// object's business.
void 初期設定(GameState& s);

}  // namespace tanukiban
