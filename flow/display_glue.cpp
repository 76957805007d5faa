// The drawing procedures that want more of this game than its canvas.
#include <utility>

#include "display/animation.h"
#include "display/redraw.h"
#include "flow/game.h"

namespace tanukiban {

Canvas Game::canvas() const {
    return Canvas{platform_.surface(), options_.背景種類, state_.手番COM, state_.手番MAN};
}

void Game::画面_再描画() {
    tanukiban::画面_再描画(platform_.surface(), state_, options_.背景種類, options_.経過時間);
}

void Game::描画_回転駒(int I_回転パターン, double I_座標X, double I_座標Y,
                       std::function<void()> 続き, int frame) {
    if (!tanukiban::描画_回転駒(platform_.surface(), I_回転パターン, frame, I_座標X, I_座標Y)) {
        続き();
        return;
    }
    待ち時間(
        回転駒_コマ秒,
        [this, I_回転パターン, I_座標X, I_座標Y, 続き = std::move(続き), frame]() mutable {
            描画_回転駒(I_回転パターン, I_座標X, I_座標Y, std::move(続き), frame + 1);
        },
        TurnState::Animating);
}

}  // namespace tanukiban
