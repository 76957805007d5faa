#pragma once
// The clock fields below the stands and the handicap grade right of the board.
#include <string>

#include "display/surface.h"

namespace tanukiban {

// Seconds as HH:MM:SS; 100 hours or more leave the hours field empty.
std::string 調査_時間秒追加結果(double IN_経過秒);

// The side's accumulated time, only while the elapsed-time option is on.
void 描画_所有時間(Surface& s, int 背景種類, bool 経過時間表示, int 手番COM, int 手番MAN,
                   int IN_手番, double IN_思考時間);
void 消去_所有時間(Surface& s, int 背景種類, int 手番COM, int 手番MAN, int IN_手番);

void 描画_ハンデレベル(Surface& s, int 背景種類, int IN_ハンデレベル);

}  // namespace tanukiban
