#pragma once
// The influence survey: attack counts, cheapest attackers and defenders and
// check maps of both sides and where the kings stand, rebuilt from the board.
#include "rules/position.h"

namespace tanukiban {

// 0 for a king that is not on the board.
struct KingSquares {
    int 王X_MAN = 0, 王Y_MAN = 0, 王X_COM = 0, 王Y_COM = 0;
};

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
    KingSquares kings;  // of the board surveyed
};

// Rebuilds the maps from the board and returns where the kings stand.
KingSquares 勢力調査(const Grid& 盤, InfluenceMaps& m);

}  // namespace tanukiban
