// Menu commands to their handlers.
#include "flow/game.h"

namespace tanukiban {

void Game::menuCommand(MenuItem item) {
    if (ended_) return;
    switch (item) {
        case MenuItem::TAIKYOKU:
            TAIKYOKU_Click();
            break;
        case MenuItem::START:
            START_Click();
            break;
        case MenuItem::SENTE:
            SENTE_Click();
            break;
        case MenuItem::GOTE:
            GOTE_Click();
            break;
        case MenuItem::LEVEL1:
            chooseLevel(1);
            break;
        case MenuItem::LEVEL2:
            chooseLevel(2);
            break;
        case MenuItem::LEVEL3:
            chooseLevel(3);
            break;
        case MenuItem::LEVEL4:
            chooseLevel(4);
            break;
        case MenuItem::LEVEL5:
            chooseLevel(5);
            break;
        case MenuItem::LEVEL6:
            chooseLevel(6);
            break;
        case MenuItem::HINT:
            HINT_Click();
            break;
        case MenuItem::OWARI:
            OWARI_Click();
            break;
        case MenuItem::STOP:
            STOP_Click();
            break;
        case MenuItem::CANCEL:
            CANCEL_Click();
            break;
        case MenuItem::REVERSE:
            REVERSE_Click();
            break;
        case MenuItem::COPY_SFEN:
            COPY_SFEN_Click();
            break;
        case MenuItem::COPY_KIFU:
            COPY_KIFU_Click();
            break;
        case MenuItem::PASTE_SFEN:
            PASTE_SFEN_Click();
            break;
        case MenuItem::REPLAY:
            REPLAY_Click();
            break;
        case MenuItem::AFTER:
            AFTER_Click();
            break;
        case MenuItem::LBEL_UP:
            LBEL_UP_Click();
            break;
        case MenuItem::LEBEL_DOWN:
            LEBEL_DOWN_Click();
            break;
        case MenuItem::KIFU_READ:
            KIFU_READ_Click();
            break;
        case MenuItem::KIFU_WRITE:
            KIFU_WRITE_Click();
            break;
        case MenuItem::OPTION:
            OPTION_Click();
            break;
        case MenuItem::MIDORI:
            selectBackground(背景_緑);
            break;
        case MenuItem::TATAMI:
            selectBackground(背景_畳);
            break;
        case MenuItem::TAKE:
            selectBackground(背景_竹);
            break;
        case MenuItem::UCHU:
            selectBackground(背景_宇宙);
            break;
        case MenuItem::RENGA:
            selectBackground(背景_煉瓦);
            break;
        case MenuItem::SIDOU:
            SIDOU_Click();
            break;
        case MenuItem::KEIKA:
            KEIKA_Click();
            break;
        case MenuItem::BGM:
            BGM_Click();
            break;
        case MenuItem::VER:
            VER_Click();
            break;
        // Submenus and the record menu itself do nothing when opened.
        case MenuItem::MATCH_MAN:
        case MenuItem::START2:
        case MenuItem::LEVEL:
        case MenuItem::KIFU:
            break;
    }
}

}  // namespace tanukiban
