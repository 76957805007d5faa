// Start-up and shutdown of the main window.
#include "flow/game.h"

namespace tanukiban {

Game::Game(Platform& platform, SoundLibrary& sound) : platform_(platform), sound_(sound) {}

void Game::Form_Load() {
    sound_.初期化_サウンド(platform_.windowHandle());
    sounds_.音_その他 = sound_.読込_WAVファイル("その他.wav", 3);
    sounds_.音_禁止 = sound_.読込_WAVファイル("禁止.wav", 3);
    sounds_.音_駒打音 = sound_.読込_WAVファイル("駒打音.wav", 3);
    sounds_.音_BGM = sound_.読込_WAVファイル("BGM.wav", 1);

    setConstants();
    読込_環境設定ファイル();
    初期設定();
    platform_.placeWindow();
}

void Game::setConstants() {
    // The piece codes, sides, colours and geometry are compile-time constants;
    // these are the variables start-up gives a value.
    state_.手番COM = 先手;
    state_.手番MAN = 後手;
    state_.COMレベル = 3;
    platform_.setChecked(MenuItem::LEVEL3, true);
    state_.棋譜モード = NG;
    options_.移動指導フラグ = NG;
    state_.手順最大数 = 0;
    platform_.setBackgroundColour(背景色);
}

void Game::Form_KeyPress(int KeyAscii) {
    // Escape ends the program whatever the game is doing.
    if (KeyAscii == 27) endProgram();
    if (!acceptsInput()) return;
    const FollowAfter follow{*this};
    if (KeyAscii == 'H' || KeyAscii == 'h') HINT_Click();
    if (KeyAscii == 'A' || KeyAscii == 'a') {
        clearHint();
        ANALYSIS_Click();
    }
}

void Game::Form_Unload() {
    endProgram();
}

void Game::初期設定() {
    tanukiban::初期設定(state_);
    pickUp_.選択中 = 0;
    表示秒 = 0;
    platform_.setClockTimer(false);
    画面_再描画();
}

void Game::終了処理() {
    sound_.dsFree(sounds_.音_その他);
    sound_.dsFree(sounds_.音_禁止);
    sound_.dsFree(sounds_.音_駒打音);
    sound_.dsFree(sounds_.音_BGM);
    sound_.終了_サウンド();
}

void Game::endProgram() {
    if (ended_) return;
    // A choice still under way is stopped and joined; its answer never comes.
    cancelThinking();
    analyst_.stop();
    review_.cancel();
    終了処理();
    ended_ = true;
    platform_.setClockTimer(false);
    platform_.quit();
}

}  // namespace tanukiban
