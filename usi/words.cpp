#include "usi/words.h"

namespace tanukiban::usi {

namespace {

constexpr std::string_view kFullWidthSpace = "\xE3\x80\x80";

// Length of the blank at the start of the text, 0 when it starts with none.
std::size_t blankAt(std::string_view text) {
    if (text.empty()) return 0;
    const char c = text.front();
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f') return 1;
    return text.starts_with(kFullWidthSpace) ? kFullWidthSpace.size() : 0;
}

}  // namespace

std::vector<std::string_view> splitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0, i = 0;
    while (i < text.size()) {
        const std::size_t blank = blankAt(text.substr(i));
        if (blank == 0) {
            ++i;
            continue;
        }
        if (i > start) words.push_back(text.substr(start, i - start));
        i += blank;
        start = i;
    }
    if (i > start) words.push_back(text.substr(start, i - start));
    return words;
}

std::string printable(std::string_view text, std::size_t limit) {
    std::string out(text.substr(0, limit));
    for (char& c : out)
        if (c < 0x20 || c > 0x7e) c = '?';
    if (text.size() > limit) out += "...";
    return out;
}

}  // namespace tanukiban::usi
