#pragma once
// The program's language for one test, Japanese again after it.
#include "text/language.h"

namespace tanukiban::testing {

class ScopedLanguage {
  public:
    explicit ScopedLanguage(text::Language language) { text::setLanguage(language); }
    ~ScopedLanguage() { text::setLanguage(text::Language::Japanese); }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;
};

// Whether a text holds a kana, a kanji or a full-width form.
inline bool hasJapanese(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (length == 3 && i + 2 < utf8.size()) {
            const unsigned code = (lead & 0x0Fu) << 12 |
                                  (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6 |
                                  (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
            if ((code >= 0x3000 && code <= 0x30FF) || (code >= 0x3400 && code <= 0x9FFF) ||
                (code >= 0xFF00 && code <= 0xFFEF))
                return true;
        }
        i += length;
    }
    return false;
}

}  // namespace tanukiban::testing
