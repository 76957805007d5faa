#include "rules/state.h"

namespace tanukiban {

void 初期設定(GameState& s) {
    resetPosition(s);
    s.ハンデレベル = 0;
    s.ハンデ設定済 = NG;
    s.対局モード = 対局_MAN;
    s.反転済 = NG;
    s.pastedPosition = false;
    s.所有秒COM = 0;
    s.所有秒MAN = 0;
    s.局面変更 = NG;
    s.棋譜モード = NG;
}

}  // namespace tanukiban
