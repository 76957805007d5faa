// The record file panel: reading and writing game records.
#include "flow/game.h"

namespace tanukiban {

void Game::描画_可視(bool a, bool b, bool c) {
    platform_.recordPanel().setListsVisible(a, b, c);
}

void Game::描画_棋譜_IO(int フラグ) {
    RecordPanel& panel = platform_.recordPanel();
    if (フラグ == 0) {
        panel.setWritePanelVisible(true);
        return;
    }
    for (RecordBox box : {RecordBox::Text1, RecordBox::Text2, RecordBox::Text3, RecordBox::Text4})
        panel.setText(box, "");
    panel.setWritePanelVisible(false);
}

void Game::KIFU_READ_Click() {}
void Game::KIFU_WRITE_Click() {}
void Game::Command1_Click() {}
void Game::File1_Click(std::string_view /*fileName*/) {}
void Game::Drive1_Change() {}
void Game::Dir1_Change() {}
void Game::描画_棋譜読込み部分消去() {}

}  // namespace tanukiban
