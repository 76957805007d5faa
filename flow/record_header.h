#pragma once
// Where the header lines of a loaded record are printed on the window.
#include <array>
#include <string_view>

#include "record/record_reader.h"

namespace tanukiban {

// Left edge, in twips, of a header line drawn centred-ish over the board:
// 13 characters start at the board's left edge.
double 取得_棋譜のX座標(std::string_view IN_文字列);

// Where and how each header line is printed (font size 12): the title below
// the board in red, the upper player above it, the lower player below it.
struct HeaderLine {
    std::string_view text;
    double left;  // twips
    double top;   // twips
    int colour;
};
inline constexpr int kHeaderFontSize = 12;
std::array<HeaderLine, 3> headerLayout(const RecordHeader& header);

}  // namespace tanukiban
