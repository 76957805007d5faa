#include "rules/game_move.h"

namespace tanukiban {

GameMove turnedAbout(const GameMove& m) {
    if (m.isDrop()) return GameMove::drop(-m.before, 6 - m.toX, 6 - m.toY);
    return GameMove::onBoard(6 - m.fromX, 6 - m.fromY, 6 - m.toX, 6 - m.toY, -m.before, -m.after);
}

}  // namespace tanukiban
