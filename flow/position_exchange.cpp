// Positions and games to and from the clipboard.
#include <string>

#include "flow/game.h"
#include "flow/record_ui.h"
#include "flow/sfen_exchange.h"

namespace tanukiban {

namespace {

bool copy(Game& game, const std::optional<std::string>& text) {
    closeRecordPanel(game);
    if (!text) {
        showNotice(game, notices::kCannotCopy);
        return false;
    }
    game.platform().setClipboardText(*text);
    return true;
}

}  // namespace

void Game::COPY_SFEN_Click() {
    copy(*this, shownPositionText(state_));
}

void Game::COPY_KIFU_Click() {
    const std::optional<GameText> game = gameSoFarText(state_);
    if (!copy(*this, game ? std::optional(game->text) : std::nullopt)) return;
    // The player must know when the copy stops short of the shown position.
    if (game->plies < state_.手順数)
        platform_.showMessage(std::to_string(game->plies) + "手目までｺﾋﾟｰしました", "ｺﾋﾟｰ");
}

void Game::PASTE_SFEN_Click() {
    closeRecordPanel(*this);
    if (auto refusal = pasteRefusal(state_)) {
        showNotice(*this, *refusal);
        return;
    }
    const std::optional<engine::Position> pos = readPastedPosition(platform_.clipboardText());
    if (!pos) {
        showNotice(*this, notices::kCannotReadPosition);
        return;
    }
    applyPastedPosition(state_, *pos);
    platform_.setClockTimer(false);
    画面_再描画();
    play(sounds_.音_駒打音);
}

}  // namespace tanukiban
