// The drawing procedures bound to this game's surface, state and options.
#include "display/animation.h"
#include "display/board.h"
#include "display/redraw.h"
#include "display/status.h"
#include "display/text.h"
#include "flow/game.h"

namespace tanukiban {

void Game::描画_絵(int 駒種類, double 座標X, double 座標Y) {
    tanukiban::描画_絵(surface(), 駒種類, 座標X, 座標Y);
}

void Game::描画_桝輪郭(int 描画色, double 座標X, double 座標Y) {
    tanukiban::描画_桝輪郭(surface(), 描画色, 座標X, 座標Y);
}

void Game::描画_盤() {
    tanukiban::描画_盤(surface(), state_.盤);
}

void Game::描画_将棋盤桝() {
    tanukiban::描画_将棋盤桝(surface());
}

void Game::描画_背景(int IN_背景種類) {
    tanukiban::描画_背景(surface(), IN_背景種類);
}

void Game::描画_自持盤() {
    tanukiban::描画_自持盤(surface(), state_.持駒MAN, options_.背景種類);
}

void Game::描画_敵持盤() {
    tanukiban::描画_敵持盤(surface(), state_.持駒COM, options_.背景種類);
}

void Game::描画_回転駒(int I_回転パターン, double I_座標X, double I_座標Y) {
    tanukiban::描画_回転駒(
        surface(), [this](double seconds) { 待ち時間(seconds); }, I_回転パターン, I_座標X, I_座標Y);
}

void Game::画面_再描画() {
    tanukiban::画面_再描画(surface(), state_, options_.背景種類,
                           platform_.isChecked(MenuItem::KEIKA));
}

void Game::描画_数値(double 入力X, double 入力Y, int 数値, int 色, int モード,
                     double フォントサイズ) {
    tanukiban::描画_数値(surface(), 入力X, 入力Y, 数値, 色, モード, フォントサイズ);
}

void Game::描画_数値(double 入力X, double 入力Y, std::string_view 数値, int 色, int モード,
                     double フォントサイズ) {
    tanukiban::描画_数値(surface(), 入力X, 入力Y, 数値, 色, モード, フォントサイズ);
}

void Game::描画_文字列(double 入力X, double 入力Y, int 数値, int 色, double サイズ) {
    tanukiban::描画_文字列(surface(), 入力X, 入力Y, 数値, 色, サイズ);
}

void Game::描画_移動駒種類(double 入力X, double 入力Y, std::string_view 駒文字, int 色) {
    tanukiban::描画_移動駒種類(surface(), 入力X, 入力Y, 駒文字, 色);
}

void Game::描画_桝_数値() {
    tanukiban::描画_桝_数値(surface());
}

void Game::描画_手数(int 数値, int 色) {
    tanukiban::描画_手数(surface(), options_.背景種類, 数値, 色);
}

void Game::描画_レベル(int IN_LEVEL) {
    tanukiban::描画_レベル(surface(), IN_LEVEL);
}

void Game::描画_移動結果(int IN_手番, int 移動先X, int 移動先Y, int 移動駒, int 駒色) {
    tanukiban::描画_移動結果(surface(), options_.背景種類, state_.手番COM, state_.手番MAN, IN_手番,
                             移動先X, 移動先Y, 移動駒, 駒色);
}

void Game::消去_移動結果(int IN_手番) {
    tanukiban::消去_移動結果(surface(), options_.背景種類, state_.手番COM, state_.手番MAN, IN_手番);
}

void Game::描画_所有時間(int IN_手番, double IN_思考時間) {
    tanukiban::描画_所有時間(surface(), options_.背景種類, platform_.isChecked(MenuItem::KEIKA),
                             state_.手番COM, state_.手番MAN, IN_手番, IN_思考時間);
}

void Game::消去_所有時間(int IN_手番) {
    tanukiban::消去_所有時間(surface(), options_.背景種類, state_.手番COM, state_.手番MAN, IN_手番);
}

void Game::描画_ハンデレベル(int IN_ハンデレベル) {
    tanukiban::描画_ハンデレベル(surface(), options_.背景種類, IN_ハンデレベル);
}

void Game::refresh() {
    surface().refresh();
}

}  // namespace tanukiban
