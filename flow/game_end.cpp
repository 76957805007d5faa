// The end of a game: the winner, or a draw when the move list is full, and
// the question whether to play on.
#include <string>

#include "flow/drawing.h"
#include "flow/game.h"

namespace tanukiban {

void Game::終了(std::string_view 勝手) {
    // The game is over: the clock stops before the boxes wait for the player.
    platform_.setClockTimer(false);
    platform_.showMessage(std::string(勝手) + "の勝ちです", "終了");
    askForAnotherGame();
}

void Game::引き分け() {
    platform_.setClockTimer(false);
    platform_.showMessage("引き分けです", "終了");
    askForAnotherGame();
}

void Game::askForAnotherGame() {
    afterComputer_ = {};  // the click that resumed play is spent
    rememberFinishedGame();
    if (platform_.askYesNo("続けますか？", "再ゲーム")) {
        初期設定();  // a new game is started from the menu
    } else {
        endProgram();
    }
}

}  // namespace tanukiban
