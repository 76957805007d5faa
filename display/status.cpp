#include "display/status.h"

#include <cmath>

#include "display/board.h"
#include "display/text.h"
#include "rules/pieces.h"

namespace tanukiban {

std::string 調査_時間秒追加結果(double IN_経過秒) {
    // Single precision, as the clock keeps its seconds.
    float s = static_cast<float>(IN_経過秒);
    const float hours = s >= 3600 ? std::floor(s / 3600) : 0.0f;
    s -= 3600 * hours;
    const float minutes = std::floor(s / 60);
    const float seconds = s - 60 * minutes;
    return 変換_数字から文字(static_cast<long long>(hours)) + ":" +
           変換_数字から文字(static_cast<long long>(minutes)) + ":" +
           変換_数字から文字(static_cast<long long>(std::floor(seconds)));
}

void 消去_所有時間(const Canvas& c, int IN_手番) {
    if (IN_手番 == c.手番MAN) {
        for (int x = 9; x <= 11; ++x) 描画_絵(c, c.背景種類, x, 7);
    } else if (IN_手番 == c.手番COM) {
        for (int x = -2; x <= 0; ++x) 描画_絵(c, c.背景種類, x, 7);
    }
}

void 描画_所有時間(const Canvas& c, bool 経過時間表示, int IN_手番, double IN_思考時間) {
    if (!経過時間表示) return;
    消去_所有時間(c, IN_手番);
    double x = 0;
    if (IN_手番 == c.手番MAN) {
        x = 9.1;
    } else if (IN_手番 == c.手番COM) {
        x = -1.5;
    } else {
        return;
    }
    const std::string text = 調査_時間秒追加結果(IN_思考時間);
    描画_数値(c, x, 7.3, text, 黒色, 0, 12);
    描画_数値(c, x - 0.1, 7.2, text, 白色, 0, 12);
}

void 描画_ハンデレベル(const Canvas& c, int IN_ハンデレベル) {
    for (int x : {11, 12, 13, 16}) 描画_絵(c, c.背景種類, x, 1);
    描画_文字列(c, 11.1, 1.1, IN_ハンデレベル, 黒色, 10);
    描画_文字列(c, 11, 1, IN_ハンデレベル, 白色, 10);
}

}  // namespace tanukiban
