#pragma once
// The clock fields below the stands and the handicap grade right of the board.
#include <string>

#include "display/canvas.h"

namespace tanukiban {

// Seconds as HH:MM:SS; 100 hours or more leave the hours field empty.
std::string 調査_時間秒追加結果(double IN_経過秒);

// The side's accumulated time, only while the elapsed-time option is on.
void 描画_所有時間(const Canvas& c, bool 経過時間表示, int IN_手番, double IN_思考時間);
void 消去_所有時間(const Canvas& c, int IN_手番);

void 描画_ハンデレベル(const Canvas& c, int IN_ハンデレベル);

}  // namespace tanukiban
