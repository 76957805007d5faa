#include "flow/record_header.h"

#include "display/geometry.h"
#include "display/palette.h"
#include "record/text_codec.h"

namespace tanukiban {

double 取得_棋譜のX座標(std::string_view IN_文字列) {
    const double n = characterCount(IN_文字列);
    return 盤原点X + (1 + (13 - n) / 5) * 桝幅;
}

std::array<HeaderLine, 3> headerLayout(const RecordHeader& header) {
    return {{
        {header.title, 取得_棋譜のX座標(header.title), 5700, 赤色},
        {header.upper, 取得_棋譜のX座標(header.upper), 100, 白色},
        {header.lower, 取得_棋譜のX座標(header.lower), 5300, 白色},
    }};
}

}  // namespace tanukiban
