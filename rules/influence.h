#pragma once
// The influence survey: attack counts, cheapest attackers and defenders and
// check maps of both sides, rebuilt from the board.
#include "rules/state.h"

namespace tanukiban {

struct InfluenceMaps {
    Grid 勢力MAN{};
    Grid 勢力COM{};
    Grid 守駒COM{};
    Grid 守駒COM_X{};  // not reset by a survey
    Grid 守駒COM_Y{};  // not reset by a survey
    Grid 攻駒MAN{};
    Grid 攻駒MAN_X{};
    Grid 攻駒MAN_Y{};
    Grid 攻駒COM{};
    Grid 攻駒COM_X{};  // not reset by a survey
    Grid 攻駒COM_Y{};  // not reset by a survey
    Grid 王手MAN{};
    Grid 王手COM{};
};

// Rebuilds the maps from s.盤 and writes the king squares it finds into s.
void 勢力調査(GameState& s, InfluenceMaps& m);

}  // namespace tanukiban
