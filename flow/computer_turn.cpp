// The computer's turn: the caption, the choice with the clock kept moving,
// the move played and animated, and the announcement of check or mate.
#include <utility>

#include "computer/choice.h"
#include "flow/drawing.h"
#include "flow/game.h"
#include "record/ply_move.h"
#include "rules/mate.h"

namespace tanukiban {

void Game::com_ban(std::function<void()> afterwards) {
    GameState& s = state_;
    s.開始時刻 = platform_.secondsSinceMidnight();
    startClockIfShown();

    for (int x = -2; x <= 0; ++x) 描画_絵(canvas(), options_.背景種類, x, 6);
    描画_数値(canvas(), -1.5, 6.5, "思考中", 黒色, 0, 12);
    描画_数値(canvas(), -1.6, 6.4, "思考中", 白色, 0, 12);

    // Only a continued record can get here full; nothing may be stored past the last ply.
    if (drawnByFullList()) return;

    // The pause comes before the survey of the position in the order the
    // player sees; the survey draws nothing, so it may run after it.
    platform_.surface().refresh();
    afterComputer_ = std::move(afterwards);
    待ち時間(0.3, [this] { startComputerChoice(); });
}

void Game::playComputerAnswer(const players::Answer& answer) {
    if (answer.outcome != players::Outcome::Moved) {
        // Not a single move or drop: the computer gives up.
        終了("あなた");
        return;
    }
    const GameMove mv = answer.move;
    playPly(mv, UpperDropRow::Pair, [this, mv](int captured) { endOfComputerPly(mv, captured); });
}

void Game::endOfComputerPly(const GameMove& mv, int captured) {
    GameState& s = state_;
    platform_.setClockTimer(false);
    const KingSquares kings = 勢力調査(s.盤, maps_);
    // A taken king ends the game before any mate test, which would read the
    // square the king no longer stands on.
    if (s.勝者 == s.手番COM) {
        終了("ｺﾝﾋﾟｭｰﾀ");
        return;
    }
    if (詰めかMAN(s, maps_) == OK) {
        platform_.showMessage("よし！!", "詰め ?");
    } else if (maps_.勢力COM[kings.王X_MAN][kings.王Y_MAN] > 0) {
        platform_.showMessage("   ** 王手 **", "");
    }

    const MoveKind kind = mv.isDrop()        ? MoveKind::Drop
                          : captured != 空桝 ? MoveKind::Capture
                                             : MoveKind::Move;
    描画_移動結果(canvas(), s.手番COM, mv.toX, mv.toY, mv.after, 白色, kind);
    描画_桝輪郭(canvas(), 白色, mv.toX, mv.toY);
    if (drawnByFullList()) return;

    passTurn();
    startClockIfShown();
    if (auto click = std::exchange(afterComputer_, {})) click();
}

}  // namespace tanukiban
