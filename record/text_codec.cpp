#include "record/text_codec.h"

#include <cstdint>

namespace tanukiban {
namespace {

// Length of the UTF-8 sequence a byte starts, or 0 for a byte that cannot
// start one.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Decodes one character of valid UTF-8 at text[pos]; advances pos.
std::uint32_t nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const int len = sequenceLength(lead);
    if (len <= 1 || pos + len > text.size()) {
        ++pos;
        return lead;
    }
    std::uint32_t cp = lead & (0x7F >> len);
    for (int k = 1; k < len; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(text[pos + k]) & 0x3F);
    pos += len;
    return cp;
}

bool isControl(std::uint32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F);
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int len = sequenceLength(lead);
        if (len == 0 || i + len > bytes.size()) return false;
        for (int k = 1; k < len; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        }
        if (len >= 3) {
            const auto second = static_cast<unsigned char>(bytes[i + 1]);
            if (lead == 0xE0 && second < 0xA0) return false;  // overlong
            if (lead == 0xED && second > 0x9F) return false;  // surrogate
            if (lead == 0xF0 && second < 0x90) return false;  // overlong
            if (lead == 0xF4 && second > 0x8F) return false;  // beyond U+10FFFF
        }
        i += static_cast<std::size_t>(len);
    }
    return true;
}

int characterCount(std::string_view utf8) {
    int n = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++n) nextCodePoint(utf8, pos);
    return n;
}

bool hasControlCharacter(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        if (isControl(nextCodePoint(utf8, pos))) return true;
    }
    return false;
}

std::string withoutControlCharacters(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        if (!isControl(nextCodePoint(utf8, pos))) out.append(utf8.substr(start, pos - start));
    }
    return out;
}

}  // namespace tanukiban
