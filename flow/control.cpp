// Game control: the 対局 menu.
#include "flow/game.h"

namespace tanukiban {

void Game::TAIKYOKU_Click() {}
void Game::START_Click() {}
void Game::SENTE_Click() {}
void Game::GOTE_Click() {}
void Game::LEVEL1_Click() {}
void Game::LEVEL2_Click() {}
void Game::LEVEL3_Click() {}
void Game::レベル_設定(int /*IN_LEVEL*/) {}

void Game::OWARI_Click() {
    endProgram();
}

}  // namespace tanukiban
