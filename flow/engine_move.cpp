#include "flow/engine_move.h"

#include <algorithm>

#include "engine/convert.h"
#include "record/ply_replay.h"

namespace tanukiban {

std::vector<engine::Key> priorKeys(const GameState& s) {
    std::vector<engine::Key> keys;
    GameState back = s;
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

EngineAnswer thinkAbout(EngineThinker& thinker, Platform& platform, const GameState& s, bool com,
                        engine::Milliseconds time) {
    std::optional<engine::Position> pos =
        engine::positionFromGame(s, com ? engine::Upper : engine::Lower);
    if (!pos) return {EngineOutcome::Unusable, {}};
    pos->setPriorKeys(priorKeys(s));

    thinker.start(*pos, time, s.手数);
    platform.waitUntil([&thinker] { return thinker.done(); });
    if (!thinker.done()) {
        // The wait was cut short because the program is ending.
        thinker.stop();
        thinker.finish();
        return {EngineOutcome::Interrupted, {}};
    }
    const engine::Move best = thinker.finish();
    if (!best) return {EngineOutcome::NoMove, {}};
    return {EngineOutcome::Moved, engine::toGameMove(*pos, best)};
}

}  // namespace tanukiban
