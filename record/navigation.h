#pragma once
// Stepping through the positions of a game or a loaded record, and turning
// the board about. State changes only; the game object draws, plays the
// sounds and shows the notices.
#include <optional>

#include "record/notice.h"
#include "rules/state.h"

namespace tanukiban {

enum class StepStatus {
    Stepped,      // one ply replayed or taken back
    NoGame,       // 進 with no game and no record
    EndOfRecord,  // 進 at the end of a loaded record
    EndOfGame,    // 進 at the end of a played game
    AtStart,      // 戻 before the first ply
};

// 進: replays ply 手順数 + 1 (board, hands, clocks, 手数, 手番). Sets
// 局面変更 unless no game runs.
StepStatus stepForward(GameState& s);

// 戻: takes back ply 手順数. Sets 局面変更 even when refused.
StepStatus stepBack(GameState& s);

// What the game shows for a refused step; nullopt after a step.
std::optional<Notice> stepNotice(StepStatus status);

enum class FlipStatus { Flipped, RecordMode };

// 反転: turns the position by half a turn with every piece changing side,
// exchanges the hands, negates a handicap level that was set, passes the turn
// and gives up the move list.
FlipStatus flipBoard(GameState& s);

std::optional<Notice> flipNotice(FlipStatus status);

}  // namespace tanukiban
