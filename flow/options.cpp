// The options menu and the settings they persist in.
#include "flow/game.h"

namespace tanukiban {

// Until the settings file is read, every start applies the defaults a missing
// file gets.
void Game::読込_環境設定ファイル() {
    platform_.setChecked(MenuItem::SIDOU, true);
    options_.移動指導フラグ = 1;
    options_.移動指導色 = 白色;

    platform_.setChecked(MenuItem::KEIKA, true);
    処理_経過時間();

    チェック設定(背景_緑);
    描画_背景(背景_緑);
    options_.背景種類 = 背景_緑;

    platform_.setChecked(MenuItem::BGM, false);
    sound_.dsStop(sounds_.音_BGM);
}

void Game::書込_環境設定ファイル() {}

void Game::チェック設定(int IN_背景種類) {
    static constexpr struct {
        MenuItem item;
        int kind;
    } kItems[] = {{MenuItem::MIDORI, 背景_緑},
                  {MenuItem::TAKE, 背景_竹},
                  {MenuItem::TATAMI, 背景_畳},
                  {MenuItem::UCHU, 背景_宇宙},
                  {MenuItem::RENGA, 背景_煉瓦}};
    for (const auto& i : kItems) platform_.setChecked(i.item, false);
    for (const auto& i : kItems)
        if (i.kind == IN_背景種類) platform_.setChecked(i.item, true);
}

void Game::MIDORI_Click() {}
void Game::TATAMI_Click() {}
void Game::TAKE_Click() {}
void Game::UCHU_Click() {}
void Game::RENGA_Click() {}
void Game::BGM_Click() {}
void Game::OPTION_Click() {}
void Game::VER_Click() {}

}  // namespace tanukiban
