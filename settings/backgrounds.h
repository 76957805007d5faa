#pragma once
// The five board backgrounds and their names in the settings file.

#include <optional>
#include <string_view>

#include "rules/pieces.h"

namespace tanukiban {

struct BackgroundName {
    int kind;               // 背景_緑 …
    std::string_view name;  // its value in the settings file and its menu caption
};

// In the order of the menu items MIDORI, TAKE, TATAMI, UCHU, RENGA, which is
// the order the writer looks for the checked one.
inline constexpr BackgroundName kBackgroundNames[] = {
    {背景_緑, "緑"}, {背景_竹, "竹"}, {背景_畳, "畳"}, {背景_宇宙, "宇宙"}, {背景_煉瓦, "煉瓦"},
};

// The kind of a name, exactly as written; nothing for any other text.
std::optional<int> backgroundKind(std::string_view name);

// The name of a kind; empty for a value that is none of the five.
std::string_view backgroundName(int kind);

}  // namespace tanukiban
