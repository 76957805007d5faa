#include "board_builder.h"

namespace tanukiban::testing {

GameState position(std::initializer_list<Placed> pieces) {
    GameState s;
    for (const Placed& p : pieces) s.盤[p.x][p.y] = p.code;
    return s;
}

}  // namespace tanukiban::testing
