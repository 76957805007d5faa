#include "usi/position_text.h"

#include <algorithm>

#include "usi/notation.h"
#include "usi/words.h"

namespace tanukiban::usi {

using namespace engine;

namespace {

bool sameWord(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
        };
        return lower(x) == lower(y);
    });
}

}  // namespace

std::optional<PositionText> readPosition(std::string_view text, std::string* error) {
    const std::vector<std::string_view> words = splitWords(text);
    const auto fail = [&](std::string why) -> std::optional<PositionText> {
        if (error) *error = std::move(why);
        return std::nullopt;
    };
    std::size_t i = 0;
    if (i < words.size() && sameWord(words[i], "position")) ++i;
    if (i == words.size()) return fail("no position given");

    PositionText result;
    if (sameWord(words[i], "startpos")) {
        result.start = Position::initial();
        ++i;
    } else {
        if (sameWord(words[i], "sfen")) ++i;
        const auto end = std::find_if(words.begin() + static_cast<std::ptrdiff_t>(i), words.end(),
                                      [](std::string_view w) { return sameWord(w, "moves"); });
        const std::vector<std::string_view> sfen(words.begin() + static_cast<std::ptrdiff_t>(i),
                                                 end);
        int moveNumber = 1;
        std::string why;
        std::optional<Position> pos = parseSfen(sfen, &moveNumber, &why);
        if (!pos) return fail("bad position: " + why);
        result.start = *pos;
        result.startPly = moveNumber - 1;
        i = static_cast<std::size_t>(end - words.begin());
    }
    if (i < words.size()) {
        if (!sameWord(words[i], "moves"))
            return fail("unexpected word: " + std::string(words[i].substr(0, 16)));
        ++i;
    }
    result.current = result.start;
    for (; i < words.size(); ++i) {
        std::string why;
        const Move m = parseMove(result.current, words[i], &why);
        if (!m) return fail("move " + std::to_string(result.moves.size() + 1) + ": " + why);
        result.current.make(m);
        result.moves.push_back(m);
    }
    return result;
}

}  // namespace tanukiban::usi
