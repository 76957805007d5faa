#pragma once
// Command-line numbers, read whole or refused, for every tool alike.
#include <cstdlib>

namespace tanukiban::tools {

// True, with the number in `out`, when `text` is a whole decimal number in [lo, hi].
inline bool parseLong(const char* text, long lo, long hi, long& out) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || v < lo || v > hi) return false;
    out = v;
    return true;
}

}  // namespace tanukiban::tools
