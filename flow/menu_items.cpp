#include "flow/menu_items.h"

namespace tanukiban {

namespace {

using M = MenuItem;

constexpr MenuEntry kMenu[] = {
    {M::TAIKYOKU, "TAIKYOKU", "対局", 0, false},
    {M::MATCH_MAN, "MATCH_MAN", "対局(人間)", 1, false},
    {M::START, "START", "スタート", 2, false},
    {M::START2, "START2", "対局(COM)", 1, false},
    {M::SENTE, "SENTE", "先手", 2, false},
    {M::GOTE, "GOTE", "後手", 2, false},
    {M::LEVEL, "LEVEL", "COM対局ﾚﾍﾞﾙ", 1, false},
    {M::LEVEL1, "LEVEL1", "LEVEL1", 2, true},
    {M::LEVEL2, "LEVEL2", "LEVEL2", 2, true},
    {M::LEVEL3, "LEVEL3", "LEVEL3", 2, true},
    {M::LEVEL4, "LEVEL4", "LEVEL4", 2, true},
    {M::LEVEL5, "LEVEL5", "LEVEL5", 2, true},
    {M::LEVEL6, "LEVEL6", "LEVEL6", 2, true},
    {M::HINT, "HINT", "ﾋﾝﾄ", 1, false},
    {M::OWARI, "OWARI", "終わり", 1, false},
    {M::STOP, "STOP", "局面", 0, false},
    {M::CANCEL, "CANCEL", "最初", 1, false},
    {M::REVERSE, "REVERSE", "反転", 1, false},
    {M::COPY_SFEN, "COPY_SFEN", "SFENをｺﾋﾟｰ", 1, false},
    {M::COPY_KIFU, "COPY_KIFU", "棋譜をｺﾋﾟｰ", 1, false},
    {M::PASTE_SFEN, "PASTE_SFEN", "SFENを貼付", 1, false},
    {M::ANALYSIS, "ANALYSIS", "検討", 1, true},
    {M::REPLAY, "REPLAY", "戻", 0, false},
    {M::AFTER, "AFTER", "進", 0, false},
    {M::LBEL_UP, "LBEL_UP", "△", 0, false},
    {M::LEBEL_DOWN, "LEBEL_DOWN", "▽", 0, false},
    {M::KIFU, "KIFU", "棋譜", 0, false},
    {M::KIFU_READ, "KIFU_READ", "読込", 1, false},
    {M::KIFU_WRITE, "KIFU_WRITE", "書込", 1, false},
    {M::REVIEW, "REVIEW", "棋譜解析", 1, false},
    {M::OPTION, "OPTION", "ｵﾌﾟｼｮﾝ", 0, false},
    {M::MIDORI, "MIDORI", "緑", 1, true},
    {M::TATAMI, "TATAMI", "畳", 1, true},
    {M::TAKE, "TAKE", "竹", 1, true},
    {M::UCHU, "UCHU", "宇宙", 1, true},
    {M::RENGA, "RENGA", "煉瓦", 1, true},
    {M::SIDOU, "SIDOU", "移動指導", 1, true},
    {M::KEIKA, "KEIKA", "経過時間", 1, true},
    {M::BGM, "BGM", "BGM", 1, true},
    {M::VER, "VER", "その他", 0, false},
};

}  // namespace

std::span<const MenuEntry> menuTable() {
    return kMenu;
}

const MenuEntry& menuEntry(MenuItem item) {
    for (const MenuEntry& e : kMenu)
        if (e.item == item) return e;
    return kMenu[0];  // every enumerator is in the table
}

}  // namespace tanukiban
