#pragma once
// The two scoring procedures the evaluation calls on the position after a
// candidate: the weaknesses and threats of the whole board, and the watch
// for a lower bishop that would aim through the moved piece at the king.
#include "computer/work.h"
#include "rules/influence.h"

namespace tanukiban {

// In tenths. 移動駒 and the destination are read only by the threat count.
int 盤評価_COM危険座標(const GamePosition& s, const InfluenceMaps& m, const ComputerWork& w,
                       int 移動駒, int COM移動先X, int COM移動先Y);

// 移動駒 or 0 (whole points); called with the candidate's destination.
int 盤評価_自角注意_COM(const GamePosition& s, const ComputerWork& w, int 移動元X, int 移動元Y,
                        int 移動駒);

}  // namespace tanukiban
