#pragma once
// The menu bar: every item by its name, with caption and place.
#include <span>
#include <string_view>

namespace tanukiban {

enum class MenuItem {
    TAIKYOKU,
    MATCH_MAN,
    START,
    START2,
    SENTE,
    GOTE,
    LEVEL,
    LEVEL1,
    LEVEL2,
    LEVEL3,
    LEVEL4,
    LEVEL5,
    LEVEL6,
    HINT,
    OWARI,
    STOP,
    CANCEL,
    REVERSE,
    COPY_SFEN,
    COPY_KIFU,
    PASTE_SFEN,
    ANALYSIS,
    REPLAY,
    AFTER,
    LBEL_UP,
    LEBEL_DOWN,
    KIFU,
    KIFU_READ,
    KIFU_WRITE,
    REVIEW,
    OPTION,
    MIDORI,
    TATAMI,
    TAKE,
    UCHU,
    RENGA,
    SIDOU,
    KEIKA,
    BGM,
    VER,
};

struct MenuEntry {
    MenuItem item;
    std::string_view name;     // the item's name, e.g. "KIFU_READ"
    std::string_view caption;  // what the menu shows
    int depth;                 // 0 on the bar, 1 in a menu, 2 in a submenu
    bool checkable;
};

// Every item, in menu-bar order, each followed by the items of its menu.
std::span<const MenuEntry> menuTable();
const MenuEntry& menuEntry(MenuItem item);

}  // namespace tanukiban
