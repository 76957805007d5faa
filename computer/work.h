#pragma once
// The maps and values the computer keeps between the start of its turn and
// the scoring of each candidate.
#include "computer/score.h"
#include "rules/position.h"

namespace tanukiban {

struct ComputerWork {
    // The position before the move and its survey.
    Grid 前盤{};
    Grid 前勢力MAN{};
    Grid 前勢力COM{};
    Grid 前攻駒COM_X{};
    Grid 前攻駒COM_Y{};
    int 前持駒数COM = 0;
    int 前逃道数MAN = 0;

    // Free squares next to the human's king; cleared once a turn only.
    Grid 逃道MAN{};

    // Filled by the probes run before the scan.
    Grid 移動不可MAN{};
    Grid 持角狙座標MAN{};
    int 移動不可COM有 = NG;

    // The candidate being scored.
    int 元王距離 = 0;
    int 候補駒 = 空桝;
    Score 最高点{};
};

}  // namespace tanukiban
