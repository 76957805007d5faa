#pragma once
// Text on the window: board labels, move counter, level, last-move marks,
// and the conversions they use. Every status text is drawn twice, a black
// shadow first and the text itself a tenth of a square up and to the left.
#include <string>
#include <string_view>

#include "display/canvas.h"

namespace tanukiban {

// What a move did, as its English text shows it: "-", "x" or "*".
enum class MoveKind { Move, Capture, Drop };

// Mode 0 prints 数値 as it is; mode 1 prints the kanji numeral of 1..9 and
// nothing for other values.
void 描画_数値(Surface& s, double 入力X, double 入力Y, int 数値, int 色, int モード,
               double フォントサイズ);
void 描画_数値(Surface& s, double 入力X, double 入力Y, std::string_view 数値, int 色, int モード,
               double フォントサイズ);

// The handicap grade texts (−10..10) and "手目" (99), 120 and 160 twips
// beyond the cell position; other values print nothing.
void 描画_文字列(Surface& s, double 入力X, double 入力Y, int 数値, int 色, double サイズ);
// The text 駒文字 in size 12.
void 描画_移動駒種類(Surface& s, double 入力X, double 入力Y, std::string_view 駒文字, int 色);
// The same with the English of the text given.
void 描画_移動駒種類(Surface& s, double 入力X, double 入力Y, std::string_view 駒文字,
                     std::string_view english, int 色);

// 1..9 → "１".."９", 1001..1009 → "一".."九", a piece code → its kanji,
// anything else → "".
std::string 文字列変換(int IN_文字列);
// The English of the last-move text: piece letter, kind of move, column
// digit and row letter, e.g. S-3d, Sx3d or S*3d for ３四銀.
std::string englishLastMove(int 移動先X, int 移動先Y, int 移動駒, MoveKind kind = MoveKind::Move);
// Decimal text padded to two characters; longer numbers give "".
std::string 変換_数字から文字(long long I_数字);
// The text 描画_文字列 prints for 数値 ("" when none).
std::string_view 文字列表(int 数値);

// Column numbers above the board and row numerals (letters in English) to
// its right; turns the font bold.
void 描画_桝_数値(Surface& s);
// The ply counter and "手目" right of the board; 色 is not used.
void 描画_手数(const Canvas& c, int 数値, int 色);
// "LEVEL" and the level above the upper player's stand.
void 描画_レベル(Surface& s, int IN_LEVEL);

// The last move of side IN_手番 as column, row and piece, e.g. ３四銀; a side
// that is neither 手番COM nor 手番MAN draws nothing.
void 描画_移動結果(const Canvas& c, int IN_手番, int 移動先X, int 移動先Y, int 移動駒, int 駒色,
                   MoveKind kind = MoveKind::Move);
void 消去_移動結果(const Canvas& c, int IN_手番);

// The hint's move, written as a last move is, at a place of its own below
// the lower player's last move.
void drawHintMove(const Canvas& c, int 移動先X, int 移動先Y, int 移動駒, MoveKind kind, int 色);
// "考慮中" where the computer's thinking is shown, while a hint is worked out.
void drawHintThinking(const Canvas& c);

}  // namespace tanukiban
