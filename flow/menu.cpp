// Menu commands to their handlers.
#include <map>
#include <optional>

#include "flow/game.h"

namespace tanukiban {

namespace {

std::optional<int> levelOf(MenuItem item) {
    switch (item) {
        case MenuItem::LEVEL1:
            return 1;
        case MenuItem::LEVEL2:
            return 2;
        case MenuItem::LEVEL3:
            return 3;
        case MenuItem::LEVEL4:
            return 4;
        case MenuItem::LEVEL5:
            return 5;
        case MenuItem::LEVEL6:
            return 6;
        default:
            return std::nullopt;
    }
}

std::optional<int> backgroundOf(MenuItem item) {
    switch (item) {
        case MenuItem::MIDORI:
            return 背景_緑;
        case MenuItem::TATAMI:
            return 背景_畳;
        case MenuItem::TAKE:
            return 背景_竹;
        case MenuItem::UCHU:
            return 背景_宇宙;
        case MenuItem::RENGA:
            return 背景_煉瓦;
        default:
            return std::nullopt;
    }
}

}  // namespace

void Game::menuCommand(MenuItem item) {
    if (!acceptsInput()) return;
    const FollowAfter follow{*this};
    clearHint();
    if (const std::optional<int> level = levelOf(item)) return chooseLevel(*level);
    if (const std::optional<int> kind = backgroundOf(item)) return selectBackground(*kind);
    // Submenus and the record menu itself do nothing when opened.
    using Handler = void (Game::*)();
    static const std::map<MenuItem, Handler> handlers = {
        {MenuItem::TAIKYOKU, &Game::TAIKYOKU_Click},
        {MenuItem::START, &Game::START_Click},
        {MenuItem::SENTE, &Game::SENTE_Click},
        {MenuItem::GOTE, &Game::GOTE_Click},
        {MenuItem::HINT, &Game::HINT_Click},
        {MenuItem::OWARI, &Game::OWARI_Click},
        {MenuItem::STOP, &Game::STOP_Click},
        {MenuItem::CANCEL, &Game::CANCEL_Click},
        {MenuItem::REVERSE, &Game::REVERSE_Click},
        {MenuItem::COPY_SFEN, &Game::COPY_SFEN_Click},
        {MenuItem::COPY_KIFU, &Game::COPY_KIFU_Click},
        {MenuItem::PASTE_SFEN, &Game::PASTE_SFEN_Click},
        {MenuItem::ANALYSIS, &Game::ANALYSIS_Click},
        {MenuItem::REPLAY, &Game::REPLAY_Click},
        {MenuItem::AFTER, &Game::AFTER_Click},
        {MenuItem::LBEL_UP, &Game::LBEL_UP_Click},
        {MenuItem::LEBEL_DOWN, &Game::LEBEL_DOWN_Click},
        {MenuItem::KIFU_READ, &Game::KIFU_READ_Click},
        {MenuItem::KIFU_WRITE, &Game::KIFU_WRITE_Click},
        {MenuItem::REVIEW, &Game::REVIEW_Click},
        {MenuItem::OPTION, &Game::OPTION_Click},
        {MenuItem::SIDOU, &Game::SIDOU_Click},
        {MenuItem::KEIKA, &Game::KEIKA_Click},
        {MenuItem::BGM, &Game::BGM_Click},
        {MenuItem::VER, &Game::VER_Click},
    };
    if (const auto it = handlers.find(item); it != handlers.end()) (this->*(it->second))();
}

}  // namespace tanukiban
