#pragma once
// UTF-8 checks for names and titles typed or read from a record.
#include <optional>
#include <string>
#include <string_view>

#include "files/cp932.h"

namespace tanukiban {

bool isValidUtf8(std::string_view bytes);

// The number of characters of valid UTF-8 text.
int characterCount(std::string_view utf8);

// Control characters (C0, DEL, C1) are never wanted in a name or a title.
bool hasControlCharacter(std::string_view utf8);
std::string withoutControlCharacters(std::string_view utf8);

}  // namespace tanukiban
