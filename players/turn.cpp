#include "engine/convert.h"
#include "players/player.h"

namespace tanukiban::players {

Turn turnOfGame(const GamePosition& s, bool upper, const std::vector<engine::Key>& priorKeys) {
    Turn turn{s, upper, engine::positionFromGame(s, upper ? engine::Upper : engine::Lower)};
    if (turn.position) turn.position->setPriorKeys(priorKeys);
    return turn;
}

Turn turnOfPosition(const engine::Position& pos) {
    Turn turn{GamePosition{}, pos.sideToMove() == engine::Upper, pos};
    engine::writeToGame(pos, turn.state);
    return turn;
}

}  // namespace tanukiban::players
