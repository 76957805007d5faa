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

std::optional<PositionText> readPositionUpToRefusal(std::string_view text, std::string* error,
                                                    std::string* refused) {
    if (refused) refused->clear();
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
        if (!sameWord(words[i], "moves")) return fail("unexpected word: " + printable(words[i]));
        ++i;
    }
    result.current = result.start;
    for (; i < words.size(); ++i) {
        std::string why;
        const Move m = parseMove(result.current, words[i], &why);
        if (!m) {
            if (refused) *refused = "move " + std::to_string(result.moves.size() + 1) + ": " + why;
            break;
        }
        result.current.make(m);
        result.moves.push_back(m);
    }
    return result;
}

std::optional<PositionText> readPosition(std::string_view text, std::string* error) {
    std::string refused;
    std::optional<PositionText> read = readPositionUpToRefusal(text, error, &refused);
    if (refused.empty()) return read;
    if (error) *error = std::move(refused);
    return std::nullopt;
}

}  // namespace tanukiban::usi
