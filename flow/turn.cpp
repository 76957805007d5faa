// The turn as a state: what the game awaits, the end test of a full move
// list and the passing of the turn with its clock.
#include "flow/game.h"

namespace tanukiban {

TurnState Game::turnState() const {
    if (ended_) return TurnState::Ended;
    if (waiting_ != TurnState::Idle) return waiting_;
    const GameState& s = state_;
    const bool computerToMove = s.対局モード == 対局_COM && s.手番 == s.手番COM;
    if (s.手番 == 手番なし || s.棋譜モード == OK || computerToMove) return TurnState::Idle;
    return pickUp_.選択中 != 0 ? TurnState::PieceHeld : TurnState::HumanToMove;
}

bool Game::drawnByFullList(const std::function<void()>& tidyUp) {
    if (!moveListFull()) return false;
    if (tidyUp) tidyUp();
    引き分け();
    return true;
}

void Game::passTurn() {
    GameState& s = state_;
    // After a finished game the reset left no side to move: only the start is set.
    if (s.手番 == s.手番MAN) {
        s.所有秒MAN += s.思考秒;
    } else if (s.手番 == s.手番COM) {
        s.所有秒COM += s.思考秒;
    }
    if (s.手番 == 先手) {
        s.手番 = 後手;
    } else if (s.手番 == 後手) {
        s.手番 = 先手;
    }
    s.開始時刻 = platform_.secondsSinceMidnight();
}

}  // namespace tanukiban
