#include "display/redraw.h"

#include "display/board.h"
#include "display/pictures.h"
#include "display/status.h"
#include "display/text.h"

namespace tanukiban {

void 画面_再描画(Surface& s, const GameState& g, int 背景種類, bool 経過時間表示) {
    const Canvas c{s, 背景種類, g.手番COM, g.手番MAN};
    描画_背景(s, 背景種類);
    描画_桝_数値(s);
    描画_自持盤(c, g.持駒MAN);
    描画_敵持盤(c, g.持駒COM);
    描画_盤(s, g.盤);
    描画_所有時間(c, 経過時間表示, g.手番COM, g.所有秒COM);
    描画_所有時間(c, 経過時間表示, g.手番MAN, g.所有秒MAN);

    struct Label {
        double x, y;
        const char* text;
    };
    static constexpr Label kLabels[] = {
        {7.3, 1.4, "表"}, {9.3, 1.4, "裏"}, {-0.6, 5.4, "表"}, {-2.6, 5.4, "裏"}};
    for (const Label& l : kLabels) {
        描画_数値(s, l.x, l.y, l.text, 黒色, 0, 15);
        描画_数値(s, l.x - 0.1, l.y - 0.1, l.text, 白色, 0, 15);
    }

    if (g.対局モード == 対局_COM) 描画_レベル(s, g.COMレベル);
    if (g.ハンデ設定済 == OK) 描画_ハンデレベル(c, g.ハンデレベル);
    描画_絵(s, 題字, 11, -0.5);
}

}  // namespace tanukiban
