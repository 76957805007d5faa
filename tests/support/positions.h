#pragma once
// Positions more than one suite and the benchmarks start from.
#include "rules/state.h"

namespace tanukiban::testing {

// A crowded middle game with pieces in both hands.
inline GameState middleGame() {
    const BoardRows rows = {
        {香COM, 金COM, 王COM, 0, 角COM}, {歩COM, 0, 銀COM, 桂COM, 0}, {0, 飛MAN, 0, 歩MAN, とCOM},
        {桂MAN, 0, 金MAN, 0, 銀MAN},     {0, 角MAN, 王MAN, 0, 香MAN},
    };
    return positionFromRows(rows, {0, 1, 0, 1, 0}, {0, 1, 1, 0, 0});
}

}  // namespace tanukiban::testing
