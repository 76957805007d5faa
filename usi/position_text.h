#pragma once
// A position with the moves played from it, read from the text of a USI
// `position` command or from what a person pastes: the reader is tolerant of
// the forms in use and of blanks and line breaks around and between words.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/position.h"

namespace tanukiban::usi {

struct PositionText {
    engine::Position start;           // where the moves start
    int startPly = 0;                 // plies before the start (its move number − 1)
    std::vector<engine::Move> moves;  // as played from the start
    engine::Position current;         // after the moves, which it holds for repetitions
};

// Reads any of
//   [position] startpos [moves m1 m2 …]
//   [position] [sfen] <board> <side> <hands> [<move number>] [moves m1 m2 …]
// with either spelling of pieces and moves (see notation.h). Nothing when
// the text is malformed or a move is illegal, with the reason in *error.
std::optional<PositionText> readPosition(std::string_view text, std::string* error = nullptr);

// The same, but a move that cannot be played ends the list: the position
// after the moves before it is returned, and *refused says which move was
// refused and why (left empty when every move was played).
std::optional<PositionText> readPositionUpToRefusal(std::string_view text, std::string* error,
                                                    std::string* refused);

}  // namespace tanukiban::usi
