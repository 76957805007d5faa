// The hint: the engine's move for the player to move, framed on the board
// and written where that player's moves are written, until the next click.
// It thinks on the player's own time; a board click meanwhile cancels it.
#include <utility>

#include "display/board.h"
#include "display/text.h"
#include "flow/engine_move.h"
#include "flow/game.h"

namespace tanukiban {

namespace {

constexpr engine::Milliseconds kHintTime{1000};

// Where the move starts on the screen: its board square, or the stand
// square of the face it drops.
std::pair<int, int> shownSource(const Move& mv) {
    if (isManStand(mv.fromX)) return {mv.fromX, mv.fromY + 1};
    if (isComStand(mv.fromX)) return {mv.fromX, 5 - mv.fromY};
    return {mv.fromX, mv.fromY};
}

}  // namespace

void Game::HINT_Click() {
    clearHint();
    const GameState& s = state_;
    const char* refusal = nullptr;
    if (s.手番 == 手番なし || s.棋譜モード == OK) {
        refusal = "対局中ではありません";
    } else if (s.対局モード == 対局_COM && s.手番 != s.手番MAN) {
        refusal = "MANの番ではありません";
    }
    if (refusal) {
        play(sounds_.音_禁止);
        platform_.showMessage(refusal, "ﾋﾝﾄ");
        return;
    }

    think(computer_.searchPlayer(), turnOf(s, s.手番 == s.手番COM), kHintTime,
          TurnState::HintThinking, [this](const players::Answer& answer) { showHint(answer); });
}

void Game::showHint(const players::Answer& answer) {
    if (answer.outcome != players::Outcome::Moved) {
        play(sounds_.音_禁止);
        platform_.showMessage("指せる手がありません", "ﾋﾝﾄ");
        return;
    }
    const Move& mv = answer.move;
    hint_ = mv;
    hintSide_ = state_.手番;
    const auto [x, y] = shownSource(mv);
    描画_桝輪郭(canvas(), 白色, x, y);
    描画_桝輪郭(canvas(), 白色, mv.toX, mv.toY);
    描画_移動結果(canvas(), hintSide_, mv.toX, mv.toY, mv.after, 白色);
    platform_.surface().refresh();
}

void Game::clearHint() {
    if (!hint_) return;
    const Move mv = *hint_;
    hint_.reset();
    const auto [x, y] = shownSource(mv);
    描画_桝輪郭(canvas(), 桝枠色, x, y);
    描画_桝輪郭(canvas(), 桝枠色, mv.toX, mv.toY);
    消去_移動結果(canvas(), hintSide_);
}

}  // namespace tanukiban
