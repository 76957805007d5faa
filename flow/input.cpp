// Human move input and the move guide.
#include "flow/game.h"

namespace tanukiban {

void Game::Form_MouseDown(int /*button*/, int /*shift*/, double /*X*/, double /*Y*/) {}

void Game::描画_移動可能桝色(int /*移動元X*/, int /*移動元Y*/, int /*描画色*/, int /*移動駒*/) {}

void Game::SIDOU_Click() {}

}  // namespace tanukiban
