// The hint: the engine's move for the player to move, framed on the board
// and written at a place of its own, until the next click or command. It
// thinks on the player's own time; a board click meanwhile cancels it. Its
// marks lie over the picture, so that clearing them leaves it as it was.
#include <utility>

#include "display/board.h"
#include "display/text.h"
#include "flow/engine_move.h"
#include "flow/game.h"

namespace tanukiban {

namespace {

constexpr engine::Milliseconds kHintTime{1000};
// Yellow, and thicker than the white frames of the guide and the last move.
constexpr int kHintColour = 14;
constexpr int kHintLineWidth = 3;

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

    Surface& surface = platform_.surface();
    surface.setMarking(true);
    drawHintThinking(canvas());
    surface.setMarking(false);
    hintMarked_ = true;
    surface.refresh();
    think(computer_.searchPlayer(), turnOf(s, s.手番 == s.手番COM), kHintTime,
          TurnState::HintThinking, [this](const players::Answer& answer) { showHint(answer); });
}

void Game::showHint(const players::Answer& answer) {
    clearHint();
    if (answer.outcome != players::Outcome::Moved) {
        play(sounds_.音_禁止);
        platform_.showMessage("指せる手がありません", "ﾋﾝﾄ");
        return;
    }
    const GameMove& mv = answer.move;
    const auto [x, y] = shownSource(mv);
    const MoveKind kind = mv.isDrop()                         ? MoveKind::Drop
                          : state_.盤[mv.toX][mv.toY] != 空桝 ? MoveKind::Capture
                                                              : MoveKind::Move;
    Surface& surface = platform_.surface();
    surface.setMarking(true);
    surface.frameCell(kHintColour, x, y, kHintLineWidth);
    surface.frameCell(kHintColour, mv.toX, mv.toY, kHintLineWidth);
    drawHintMove(canvas(), mv.toX, mv.toY, mv.after, kind, kHintColour);
    surface.setMarking(false);
    hintMarked_ = true;
    surface.refresh();
}

void Game::clearHint() {
    if (!hintMarked_) return;
    hintMarked_ = false;
    analysisMark_ = engine::Move();  // framed again at the analysis's next tick
    platform_.surface().clearMarks();
    platform_.surface().refresh();
}

}  // namespace tanukiban
