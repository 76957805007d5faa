#pragma once
// Positions and games to and from the text other programs read (SFEN and
// USI moves), over the game's state. Plain C++: the game object shows the
// notices and touches the clipboard.
#include <optional>
#include <string>
#include <string_view>

#include "engine/position.h"
#include "record/notice.h"
#include "rules/state.h"

namespace tanukiban {

// The side to move in the shown position: by 手番 while a game runs or a
// record is stepped through, else as upperToMoveAtRest says.
engine::Color shownSideToMove(const GamePosition& s);

// The shown position with its side to move and hands, as SFEN. Nothing when
// the board holds no position (a king missing).
std::optional<std::string> shownPositionText(const GamePosition& s);

// `position sfen <start> moves …`: the position before the first ply of the
// move list, then plies 1..手順数. Other programs take no move that leaves
// the mover's king attacked or takes a king, both of which this game allows:
// the first such ply ends the moves.
struct GameText {
    std::string text;
    int plies = 0;  // the plies written
};
std::optional<GameText> gameSoFarText(const GameState& s);

// The position a pasted text ends at (see usi::readPosition for the forms),
// or nothing when it is not a position of this game: malformed, not one king
// a side, more pieces of a pair than the initial position and the largest
// handicap hold together, or a move number past the largest one read.
struct PastedPosition {
    engine::Position position;
    int plies = 0;  // played before it: its move number − 1
};
std::optional<PastedPosition> readPastedPosition(std::string_view text);

// Why a paste is refused in this state: a record is loaded or a game runs.
std::optional<Notice> pasteRefusal(const GameState& s);

// The state as after 最初, with the pasted position on the board and in the
// hands, its side to move and move count kept for the game started from it,
// and no game running.
void applyPastedPosition(GameState& s, const PastedPosition& pasted);

// The sides of a game started at rest on a pasted position, against the
// computer too: the lower side is 先手 and the upper 後手, as the text names
// them, and the side to move begins.
void startPastedGame(GameState& s);

namespace notices {
inline constexpr Notice kCannotReadPosition{"局面を読み取れません", "貼付", true};
inline constexpr Notice kPasteRecordMode{"棋譜ﾓｰﾄﾞではできません(局面→最初)", "貼付", true};
inline constexpr Notice kPasteMidGame{"対局途中ではできません", "貼付", true};
inline constexpr Notice kPasteResetFirst{"'局面 '→ '最初 'にして下さい", "貼付", true};
inline constexpr Notice kCannotCopy{"局面を書き出せません", "ｺﾋﾟｰ", true};
}  // namespace notices

}  // namespace tanukiban
