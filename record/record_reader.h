#pragma once
// Reading a record file. The whole file is decoded and checked, ply by ply
// from the initial position, before the game is touched: a file that would
// leave the game in a state it could not reach is refused as a whole.
#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/notice.h"
#include "rules/state.h"

namespace tanukiban {

// The three header lines as UTF-8, control characters removed.
struct RecordHeader {
    std::string title;
    std::string upper;  // the upper (COM-side) player
    std::string lower;  // the lower (MAN-side) player
};

struct LoadedRecord {
    RecordHeader header;
    int plies = 0;
    MoveList 手順;  // plies 1..plies; the rest zero
};

enum class ReadStatus {
    Loaded,      // at least one ply
    NoMoves,     // the header alone: loaded all the same, with nothing to step
    Invalid,     // refused: nothing changes
    CannotOpen,  // refused: nothing changes
};

struct ReadResult {
    ReadStatus status = ReadStatus::Invalid;
    LoadedRecord record;
};

// Anything larger is not a record the game wrote or could load.
inline constexpr std::size_t kLargestRecordFile = 1 << 20;

// Code page 932, or UTF-8 when the bytes are not valid code page 932 but are
// valid UTF-8 (a leading byte order mark is dropped); nullopt when neither.
std::optional<std::string> decodeRecordText(std::string_view bytes);

ReadResult parseRecord(std::string_view bytes);
ReadResult readRecordFile(const std::filesystem::path& file);

// The message boxes the game shows after a read, in order.
std::vector<Notice> readNotices(ReadStatus status);

// Puts a Loaded or NoMoves record into the game: 初期設定, record mode, the
// move list at its start, and, when there is a first ply, the sides and the
// game mode by the side that made it. The caller redraws afterwards.
void applyRecord(GameState& s, const LoadedRecord& record);

// The header in the write panel's terms: its name boxes follow the order of
// moves (Text3 the first player), the file the board's sides.
struct PanelTexts {
    std::string title;         // Text2
    std::string firstPlayer;   // Text3
    std::string secondPlayer;  // Text4
};
PanelTexts panelTexts(const RecordHeader& header, int 手番MAN);

// File1_Click's state change: reads the file and, only when it is accepted
// (Loaded or NoMoves), applies it; a refused file leaves s untouched.
ReadResult loadRecord(GameState& s, const std::filesystem::path& file);

}  // namespace tanukiban
