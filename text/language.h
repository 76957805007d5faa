#pragma once
// The program's texts in the language the player chose. Every text is
// written in Japanese, the default; the English ones come from the catalogue
// (text/en.po), compiled into the program.
#include <string>
#include <string_view>

namespace tanukiban::text {

enum class Language { Japanese, English };

// The language chosen for the whole program; Japanese until set.
Language language();
void setLanguage(Language language);

// The text in the chosen language: the Japanese text itself, or its English
// entry (the text itself when it has none). A text made from an entry with
// one "%s", such as "「駒打音.wav」を開けません。", takes that entry's English
// with the part in place of "%s" translated on its own.
std::string tr(std::string_view japanese);
// The same in a context of the catalogue ("menu" for the menu items): the
// entry of that context, or else the one without.
std::string tr(std::string_view context, std::string_view japanese);

// The English text whatever the language chosen.
std::string english(std::string_view japanese);
std::string english(std::string_view context, std::string_view japanese);

}  // namespace tanukiban::text
