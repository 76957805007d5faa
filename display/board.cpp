#include "display/board.h"

#include "display/pictures.h"
#include "display/text.h"

namespace tanukiban {

void 描画_絵(Surface& s, int 駒種類, double 座標X, double 座標Y) {
    if (findPicture(駒種類) == nullptr) return;
    s.drawPicture(駒種類, 座標X, 座標Y);
}

void 描画_桝輪郭(Surface& s, int 描画色, double 座標X, double 座標Y) {
    s.frameCell(描画色, 座標X, 座標Y);
}

void 描画_盤(Surface& s, const Grid& 盤) {
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) {
            描画_絵(s, 盤[x][y], x, y);
            描画_桝輪郭(s, 背景色, x, y);
        }
    }
}

void 描画_将棋盤桝(Surface& s) {
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 5; ++y) 描画_桝輪郭(s, 桝枠色, x, y);
}

void 描画_背景(Surface& s, int IN_背景種類) {
    for (int x = -4; x <= 23; ++x)
        for (int y = -2; y <= 17; ++y)
            if (x < 1 || x > 5 || y < 1 || y > 5) 描画_絵(s, IN_背景種類, x, y);
}

namespace {

// One stand square: an empty square with the background tile to its right,
// and the face of the pair when the side holds any.
void drawStandSquare(Surface& s, int column, int row, int face, bool held, int 背景種類) {
    描画_絵(s, 空桝, column, row);
    描画_絵(s, 背景種類, column + 1, row);
    描画_桝輪郭(s, 背景色, column, row);
    if (held) {
        描画_絵(s, face, column, row);
        描画_桝輪郭(s, 背景色, column, row);
    }
}

// A pair's count, shadow first, in red beside its stand square.
void drawStandCount(Surface& s, double x, double y, int count) {
    描画_数値(s, x + 0.1, y + 0.1, count, 黒色, 0, 14);
    描画_数値(s, x, y, count, 赤色, 0, 14);
}

}  // namespace

void 描画_自持盤(const Canvas& c, const Hand& 持駒MAN) {
    Surface& s = c.surface;
    const int 背景種類 = c.背景種類;
    for (int i = 1; i <= 4; ++i) {
        const bool held = 持駒MAN[i] > 0;
        drawStandSquare(s, 自持盤X1, i + 1, standFace(自持盤X1, i), held, 背景種類);
        if (held) drawStandCount(s, 8.1, i + 1.2, 持駒MAN[i]);
    }
    for (int i = 1; i <= 4; ++i) {
        drawStandSquare(s, 自持盤X2, i + 1, standFace(自持盤X2, i), 持駒MAN[i] > 0, 背景種類);
    }
}

void 描画_敵持盤(const Canvas& c, const Hand& 持駒COM) {
    Surface& s = c.surface;
    const int 背景種類 = c.背景種類;
    for (int i = 1; i <= 4; ++i) {
        const int pair = 5 - i;
        drawStandSquare(s, 敵持盤X1, i, standFace(敵持盤X1, pair), 持駒COM[pair] > 0, 背景種類);
        // The tile of column 0 overlaps the left frame line of board column 1.
        描画_桝輪郭(s, 背景色, 1, i);
    }
    for (int i = 1; i <= 4; ++i) {
        const int pair = 5 - i;
        const bool held = 持駒COM[pair] > 0;
        drawStandSquare(s, 敵持盤X2, i, standFace(敵持盤X2, pair), held, 背景種類);
        if (held) drawStandCount(s, -1.9, i + 0.2, 持駒COM[pair]);
        描画_桝輪郭(s, 背景色, 1, i);
    }
}

int standFaceAt(int column, int row) {
    if (isManStand(column) && row >= 2 && row <= 5) return standFace(column, row - 1);
    if (isComStand(column) && row >= 1 && row <= 4) return standFace(column, 5 - row);
    return 空桝;
}

void clearStandFrames(Surface& s) {
    for (int i = 1; i <= 4; ++i) {
        描画_桝輪郭(s, 桝枠色, 敵持盤X1, i);
        描画_桝輪郭(s, 桝枠色, 敵持盤X2, i);
        描画_桝輪郭(s, 桝枠色, 自持盤X1, i + 1);
        描画_桝輪郭(s, 桝枠色, 自持盤X2, i + 1);
    }
}

std::pair<int, int> standSquareOf(int face) {
    const int pair = facePair(face);
    const bool second = pairFace(pair, true, face > 0) == face;
    if (face > 0) return {second ? 敵持盤X2 : 敵持盤X1, 5 - pair};
    return {second ? 自持盤X2 : 自持盤X1, pair + 1};
}

std::pair<int, int> shownSource(const GameMove& mv) {
    if (mv.isDrop()) return standSquareOf(mv.before);
    return {mv.fromX, mv.fromY};
}

}  // namespace tanukiban
