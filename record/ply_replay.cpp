#include "record/ply_replay.h"

#include "rules/legality.h"

namespace tanukiban {
namespace {

bool isBoardColumn(int x) {
    return x >= 1 && x <= 5;
}

// Moves a piece of the given pair into (delta 1) or out of (delta −1) a hand.
// A king has no pair: capturing one puts nothing in a hand, either way.
void changeHand(GamePosition& s, bool manHand, int pair, int delta) {
    if (pair < 1 || pair > 4) return;
    if (manHand) {
        s.持駒MAN[pair] += delta;
        s.持駒数MAN += delta;
    } else {
        s.持駒COM[pair] += delta;
        s.持駒数COM += delta;
    }
}

bool isPiece(int code) {
    return isMan(code) || isCom(code);
}

}  // namespace

void applyPlyForward(GamePosition& s, const MoveList& list, int i) {
    const int 元X = list.手順元X[i], 元Y = list.手順元Y[i];
    const int 先X = list.手順先X[i], 先Y = list.手順先Y[i];
    const int 先駒 = list.手順先駒[i], 取得駒 = list.手順取得駒[i];
    if (!onBoard(先X, 先Y)) return;
    if (isBoardColumn(元X)) {
        if (onBoard(元X, 元Y)) s.盤[元X][元Y] = 空桝;
    } else {
        changeHand(s, isMan(先駒), facePair(先駒), -1);
    }
    s.盤[先X][先Y] = 先駒;
    if (isPiece(取得駒)) changeHand(s, !isMan(取得駒), facePair(取得駒), +1);
}

void applyPlyBackward(GamePosition& s, const MoveList& list, int i) {
    const int 元X = list.手順元X[i], 元Y = list.手順元Y[i];
    const int 先X = list.手順先X[i], 先Y = list.手順先Y[i];
    const int 先駒 = list.手順先駒[i], 取得駒 = list.手順取得駒[i];
    if (!onBoard(先X, 先Y)) return;
    if (isBoardColumn(元X)) {
        if (onBoard(元X, 元Y)) s.盤[元X][元Y] = list.手順元駒[i];
    } else {
        changeHand(s, isMan(先駒), facePair(先駒), +1);
    }
    if (isPiece(取得駒)) changeHand(s, !isMan(取得駒), facePair(取得駒), -1);
    s.盤[先X][先Y] = 取得駒;
}

bool plyReplayable(const GamePosition& s, const MoveList& list, int i) {
    const int 元X = list.手順元X[i], 元Y = list.手順元Y[i];
    const int 先X = list.手順先X[i], 先Y = list.手順先Y[i];
    const int 元駒 = list.手順元駒[i], 先駒 = list.手順先駒[i], 取得駒 = list.手順取得駒[i];

    if (!onBoard(先X, 先Y) || 元Y < 1 || 元Y > 5) return false;
    if (!isPieceCode(元駒) || !isPieceCode(先駒)) return false;
    if (取得駒 != 空桝 && !isPieceCode(取得駒)) return false;
    if (list.手順前秒MAN[i] < 0 || list.手順後秒MAN[i] < 0 || list.手順前秒COM[i] < 0 ||
        list.手順後秒COM[i] < 0) {
        return false;
    }
    const bool manMoves = isMan(元駒);
    if (i > 1) {
        // The sides take turns, and a taken king ends the game.
        const bool firstSideMoves = i % 2 == 1;
        if ((manMoves == isMan(list.手順元駒[1])) != firstSideMoves) return false;
        if (list.手順取得駒[i - 1] == 王MAN || list.手順取得駒[i - 1] == 王COM) return false;
    }
    if (移動チェック(s.盤, 元X, 元Y, 先X, 先Y, 元駒) != OK) return false;

    if (isBoardColumn(元X)) {
        if (s.盤[元X][元Y] != 元駒) return false;
        if (先駒 != 取得_移動後成り駒(元駒)) return false;
    } else if (isStand(元X)) {
        if (isManStand(元X) != manMoves || isMan(先駒) != manMoves) return false;
        const int pair = facePair(元駒);
        if (pair == 0 || facePair(先駒) != pair) return false;
        if ((manMoves ? s.持駒MAN[pair] : s.持駒COM[pair]) < 1) return false;
    } else {
        return false;
    }

    const int target = s.盤[先X][先Y];
    if (manMoves ? isMan(target) : isCom(target)) return false;
    return target == 取得駒;
}

}  // namespace tanukiban
