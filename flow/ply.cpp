// One ply, whoever plays it: stored, counted, made, the piece turned over and
// the knock played. What follows (the end test, the turn passing) is the
// caller's, as it differs between the human and the computer.
#include <utility>

#include "display/animation.h"
#include "flow/drawing.h"
#include "flow/game.h"

namespace tanukiban {

void Game::playPly(const GameMove& mv, UpperDropRow row, std::function<void(int captured)> then) {
    GameState& s = state_;
    // The mover's own clock, also between two humans, so that stepping
    // through the list restores each side's total.
    measureThinkingTime();
    const bool manMoves = s.手番 == s.手番MAN;
    Ply stored = plyOf(mv, row);
    stored.前秒MAN = s.所有秒MAN;
    stored.後秒MAN = s.所有秒MAN + (manMoves ? s.思考秒 : 0);
    stored.前秒COM = s.所有秒COM;
    stored.後秒COM = s.所有秒COM + (manMoves ? 0 : s.思考秒);
    手順保存(s, stored);
    s.手数 += 1;
    描画_手数(canvas(), s.手数, 白色);

    const int 先X = mv.toX, 先Y = mv.toY;
    const int captured = s.盤[先X][先Y];
    駒移動(mv);

    if (mv.isDrop() || mv.before == 王MAN || mv.before == 王COM) {
        play(sounds_.音_駒打音);
        then(captured);
        return;
    }
    描画_絵(canvas(), mv.before, 先X, 先Y);
    描画_桝輪郭(canvas(), 背景色, 先X, 先Y);
    platform_.surface().refresh();
    play(sounds_.音_駒打音);
    const int pattern = turningPatternFor(mv.before);
    待ち時間(0.2, [this, pattern, 先X, 先Y, captured, then = std::move(then)]() mutable {
        描画_回転駒(pattern, 先X, 先Y, [this, 先X, 先Y, captured, then = std::move(then)] {
            描画_絵(canvas(), state_.盤[先X][先Y], 先X, 先Y);
            描画_桝輪郭(canvas(), 背景色, 先X, 先Y);
            play(sounds_.音_駒打音);
            then(captured);
        });
    });
}

}  // namespace tanukiban
