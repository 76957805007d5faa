// Stepping through the positions of a game, and turning the board about.
#include "flow/game.h"

namespace tanukiban {

void Game::STOP_Click() {}
void Game::CANCEL_Click() {}
void Game::REVERSE_Click() {}
void Game::REPLAY_Click() {}
void Game::AFTER_Click() {}

}  // namespace tanukiban
