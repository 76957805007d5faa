// The computer's turn: the caption, the choice with the clock kept moving,
// the move played and animated, and the announcement of check or mate.
#include "computer/choice.h"
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
    const std::optional<ChosenMove> chosen = chooseComputerTurnMove();
    if (ended_) return;  // the program ended while the engine thought
    if (!chosen) {
        // Not a single move or drop: the computer gives up.
        終了("あなた");
        return;
    }
    const ChosenMove& mv = *chosen;

    PlyPlan plan;
    plan.stored.元X = mv.元X;
    plan.stored.元Y = mv.元Y;
    plan.stored.先X = mv.先X;
    plan.stored.先Y = mv.先Y;
    plan.stored.元駒 = mv.元駒;
    plan.stored.先駒 = mv.先駒;
    plan.駒移動元Y = mv.元Y;
    playPly(plan);
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
