// Positions and games to and from the clipboard.
#include <string>

#include "flow/game.h"
#include "flow/sfen_exchange.h"

namespace tanukiban {

void Game::COPY_SFEN_Click() {
    closeRecordPanel();
    const std::optional<std::string> text = shownPositionText(state_);
    if (!text) {
        showNotice(notices::kCannotCopy);
        return;
    }
    platform_.setClipboardText(*text);
}

void Game::COPY_KIFU_Click() {
    closeRecordPanel();
    const std::optional<GameText> game = gameSoFarText(state_);
    if (!game) {
        showNotice(notices::kCannotCopy);
        return;
    }
    platform_.setClipboardText(game->text);
    // The player must know when the copy stops short of the shown position.
    if (game->plies < state_.手順数)
        platform_.showMessage(std::to_string(game->plies) + "手目までｺﾋﾟｰしました", "ｺﾋﾟｰ");
}

void Game::PASTE_SFEN_Click() {
    closeRecordPanel();
    if (auto refusal = pasteRefusal(state_)) {
        showNotice(*refusal);
        return;
    }
    const std::optional<PastedPosition> pasted = readPastedPosition(platform_.clipboardText());
    if (!pasted) {
        showNotice(notices::kCannotReadPosition);
        return;
    }
    // As 最初 does, with the pasted position where the initial one would stand.
    applyPastedPosition(state_, *pasted);
    pickUp_.選択中 = 0;
    表示秒 = 0;
    platform_.setClockTimer(false);
    画面_再描画();
    play(sounds_.音_駒打音);
}

}  // namespace tanukiban
