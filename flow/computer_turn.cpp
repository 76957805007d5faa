// The computer's turn and the end of a game.
#include "flow/game.h"

namespace tanukiban {

void Game::com_ban() {}

void Game::終了(std::string_view /*勝手*/) {}

}  // namespace tanukiban
