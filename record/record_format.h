#pragma once
// The record file's lines: three header lines, then one fixed-column line of
// eleven fields per ply, CR LF after each.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "rules/state.h"

namespace tanukiban {

// A move line's fields in the order of the file's columns.
enum MoveField : int {
    kFieldSourceX,
    kFieldSourceY,
    kFieldDestX,
    kFieldDestY,
    kFieldPlaced,
    kFieldMoving,
    kFieldCaptured,
    kFieldManBefore,
    kFieldManAfter,
    kFieldComBefore,
    kFieldComAfter,
    kFieldCount
};
using MoveLineFields = std::array<int, kFieldCount>;

inline constexpr std::array<int, kFieldCount> kFieldWidths{2, 1, 1, 1, 4, 4, 4, 5, 5, 5, 5};
inline constexpr int kMoveLineLength = 37;
inline constexpr int kLongestTime = 99999;  // what a five-column field holds
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kRecordExtension = ".棋譜";

// Ply i of the list in file order, times cut to whole seconds within 0..99999.
MoveLineFields moveLineFields(const MoveList& list, int i);
void storeMoveLine(MoveList& list, int i, const MoveLineFields& fields);

// The 37 characters of a move line, or nullopt when a value does not fit.
std::optional<std::string> formatMoveLine(const MoveLineFields& fields);

// The fields of a line of exactly 37 ASCII characters; a field that is not
// a number (spaces, an optional minus, digits) reads as 0. nullopt for a line
// of any other shape.
std::optional<MoveLineFields> parseMoveLine(std::string_view line);

// Decoded record text, read line by line. A line ends at CR LF, LF or CR.
class RecordLines {
  public:
    explicit RecordLines(std::string text) : text_(std::move(text)) {}
    bool next(std::string& line);

  private:
    std::string text_;
    std::size_t pos_ = 0;
};

// Reads the next line into 文字列: OK, or NG at the end with 文字列 unchanged.
int 読込_棋譜ファイル(RecordLines& 入力, std::string& 文字列);

}  // namespace tanukiban
