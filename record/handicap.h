#pragma once
// The handicap ladder: levels −4..4, each step adding or removing one extra
// piece on the empty middle rows before a game starts.
#include <optional>
#include <string_view>

#include "record/notice.h"
#include "rules/state.h"

namespace tanukiban {

inline constexpr int kTopHandicap = 4;

enum class HandicapStatus {
    Changed,     // the level moved and one square changed
    AtEnd,       // the end of the ladder: nothing changed but the flag
    RecordMode,  // refused: a record is loaded
    MidGame,     // refused: plies have been played
    NotAtStart,  // refused: a game runs, or the board was flipped or pasted
};

struct HandicapStep {
    HandicapStatus status = HandicapStatus::AtEnd;
    // The square that changed and what it now holds (空桝 when emptied).
    int x = 0;
    int y = 0;
    int code = 空桝;
};

// △ and ▽. Accepted steps (also at the end of the ladder) set ハンデ設定済.
HandicapStep handicapUp(GameState& s);
HandicapStep handicapDown(GameState& s);

std::optional<Notice> handicapNotice(HandicapStatus status);

// The square and piece of a level's extra piece; nullopt for 0 and beyond ±4.
struct HandicapPiece {
    int x;
    int y;
    int code;
};
std::optional<HandicapPiece> handicapPiece(int level);

// The rank text shown for a level, −10..10; empty for any other value.
std::string_view handicapText(int level);

}  // namespace tanukiban
