// The handicap ladder.
#include "flow/game.h"

namespace tanukiban {

void Game::LBEL_UP_Click() {}
void Game::LEBEL_DOWN_Click() {}

}  // namespace tanukiban
