// The computer's turn: the caption, the choice with the clock kept moving,
// the move played and animated, and the announcement of check or mate.
#include "computer/choice.h"
#include "display/animation.h"
#include "flow/drawing.h"
#include "flow/game.h"
#include "rules/mate.h"

namespace tanukiban {

void Game::com_ban() {
    GameState& s = state_;
    s.開始時刻 = platform_.secondsSinceMidnight();
    startClockIfShown();

    for (int x = -2; x <= 0; ++x) 描画_絵(canvas(), options_.背景種類, x, 6);
    描画_数値(canvas(), -1.5, 6.5, "思考中", 黒色, 0, 12);
    描画_数値(canvas(), -1.6, 6.4, "思考中", 白色, 0, 12);

    if (moveListFull()) {
        // Only a continued record can get here; nothing may be stored past the last ply.
        引き分け();
        return;
    }

    // The pause comes before the survey of the position in the order the
    // player sees; the survey draws nothing, so it may run after it.
    platform_.surface().refresh();
    待ち時間(0.3);
    ChoiceHooks hooks;
    hooks.tick = [this] { Timer1_Timer(); };
    const std::optional<ChosenMove> chosen =
        chooseComputerMove(s, maps_, computerWork_, &random_, hooks);
    if (!chosen) {
        // Not a single move or drop: the computer gives up.
        終了("あなた");
        return;
    }
    const ChosenMove& mv = *chosen;

    measureThinkingTime();
    手順保存(s, mv.元X, mv.元Y, mv.先X, mv.先Y, mv.元駒, mv.先駒, s.所有秒MAN, s.所有秒MAN,
             s.所有秒COM, s.所有秒COM + s.思考秒);
    s.手数 += 1;
    描画_手数(canvas(), s.手数, 白色);
    駒移動(mv.元X, mv.元Y, mv.先X, mv.先Y, mv.先駒);

    if (!mv.isDrop() && mv.先駒 != 王COM) {
        描画_絵(canvas(), mv.元駒, mv.先X, mv.先Y);
        描画_桝輪郭(canvas(), 背景色, mv.先X, mv.先Y);
        platform_.surface().refresh();
        play(sounds_.音_駒打音);
        待ち時間(0.2);
        描画_回転駒(turningPatternFor(mv.元駒), mv.先X, mv.先Y);
        描画_絵(canvas(), s.盤[mv.先X][mv.先Y], mv.先X, mv.先Y);
        描画_桝輪郭(canvas(), 背景色, mv.先X, mv.先Y);
    }
    play(sounds_.音_駒打音);
    platform_.setClockTimer(false);

    勢力調査(s, maps_);
    // A taken king ends the game before any mate test, which would read the
    // square the king no longer stands on.
    if (s.勝者 == s.手番COM) {
        終了("ｺﾝﾋﾟｭｰﾀ");
        return;
    }
    if (詰めかMAN(s, maps_) == OK) {
        platform_.showMessage("よし！!", "詰め ?");
    } else if (maps_.勢力COM[s.王X_MAN][s.王Y_MAN] > 0) {
        platform_.showMessage("   ** 王手 **", "");
    }

    描画_移動結果(canvas(), s.手番COM, mv.先X, mv.先Y, mv.先駒, 白色);
    描画_桝輪郭(canvas(), 白色, mv.先X, mv.先Y);
    if (moveListFull()) {
        引き分け();
        return;
    }

    s.所有秒COM += s.思考秒;
    s.開始時刻 = platform_.secondsSinceMidnight();
    s.手番 = s.手番MAN;
    startClockIfShown();
}

}  // namespace tanukiban
