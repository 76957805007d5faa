#pragma once
// What the game is doing between two events of the window.

namespace tanukiban {

// The busy states (thinking, animating, pausing) take no input but Escape
// and closing the window; a board click also cancels a hint being worked
// out and counts as a click.
enum class TurnState {
    Idle,         // no game on, a record shown, or play waiting to be resumed
    HumanToMove,  // a human's move is awaited
    PieceHeld,    // the first click of a human's move has picked a piece up
    ComputerThinking,
    HintThinking,
    Animating,  // a piece turning over, frame by frame
    Pausing,    // one of the game's own waits (待ち時間)
    Ended,      // the program has ended
};

}  // namespace tanukiban
