#pragma once
// The session around the position: the mode and level of play, the record
// and handicap flags, and the clocks. The game's flow owns it.
#include "rules/pieces.h"

namespace tanukiban {

struct GameSession {
    int 対局モード = 対局_MAN;
    int COMレベル = 3;
    int ハンデレベル = 0;

    int 棋譜モード = NG;
    int 反転済 = NG;
    int ハンデ設定済 = NG;
    int 局面変更 = NG;
    // A position other than the start of a game (the initial one, the lower
    // side to move, move 1) was pasted: like a handicap, it keeps the game
    // out of record files and the handicap ladder off until 初期設定, and a
    // game started from it begins with its side to move.
    bool pastedPosition = false;

    // Clocks, in seconds since midnight or seconds with fractions.
    double 開始時刻 = 0;
    double 思考秒 = 0;
    double 所有秒MAN = 0;
    double 所有秒COM = 0;
};

}  // namespace tanukiban
