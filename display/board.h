#pragma once
// The picture side of the window: pictures, square frames, the board, the
// background tiles and the two piece stands.
#include <utility>

#include "display/canvas.h"
#include "rules/game_move.h"
#include "rules/state.h"

namespace tanukiban {

// The picture selected by 駒種類 at cell (座標X, 座標Y); a code that selects
// no picture draws nothing.
void 描画_絵(Surface& s, int 駒種類, double 座標X, double 座標Y);
void 描画_桝輪郭(Surface& s, int 描画色, double 座標X, double 座標Y);

// The 25 squares with their pieces, each framed in 背景色.
void 描画_盤(Surface& s, const Grid& 盤);
// Only the frames of the 25 squares, in 桝枠色: wipes guide and selection frames.
void 描画_将棋盤桝(Surface& s);
// Tiles every cell of columns −4..23, rows −2..17 that is not a board square.
void 描画_背景(Surface& s, int IN_背景種類);

// The lower player's stand (columns 7 to 9, rows 2..5) and the upper
// player's (columns −1 to −3, rows 1..4); a pair with no piece shows empty
// squares and a bare count cell.
void 描画_自持盤(const Canvas& c, const Hand& 持駒MAN);
void 描画_敵持盤(const Canvas& c, const Hand& 持駒COM);

// The face drawn on a stand square, or 空桝 for any other square.
int standFaceAt(int column, int row);
// The frames of the sixteen stand squares in 桝枠色: wipes the guide there.
void clearStandFrames(Surface& s);
// The stand square a face is drawn in: the lower player's column 7 (歩 香
// 桂 銀) or 9 at row pair + 1, the upper player's −1 or −3 at row 5 − pair.
std::pair<int, int> standSquareOf(int face);
// Where a move starts on the screen: its board square, or the stand square
// of the face it drops.
std::pair<int, int> shownSource(const GameMove& mv);

}  // namespace tanukiban
