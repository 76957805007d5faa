#include "flow/engine_move.h"

#include <algorithm>

#include "engine/convert.h"
#include "record/ply_replay.h"

namespace tanukiban {

std::vector<engine::Key> priorKeys(const GamePosition& s) {
    std::vector<engine::Key> keys;
    GamePosition back = s;
    for (int i = std::min(s.手順数, 手順上限); i >= 1; --i) {
        applyPlyBackward(back, back.手順, i);
        const bool comMoved = isCom(back.手順.手順元駒[i]);
        const auto pos = engine::positionFromGame(back, comMoved ? engine::Upper : engine::Lower);
        if (!pos) break;
        keys.push_back(pos->key());
    }
    std::reverse(keys.begin(), keys.end());
    return keys;
}

players::Turn turnOf(const GamePosition& s, bool com) {
    return players::turnOfGame(s, com, priorKeys(s));
}

}  // namespace tanukiban
