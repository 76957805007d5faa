#include "rules/state.h"

namespace tanukiban {

void setInitialPosition(Grid& 盤) {
    for (auto& column : 盤) column.fill(空桝);
    盤[1][1] = 歩COM;
    盤[2][1] = 金COM;
    盤[3][1] = 王COM;
    盤[4][1] = 銀COM;
    盤[5][1] = とCOM;
    盤[1][5] = とMAN;
    盤[2][5] = 銀MAN;
    盤[3][5] = 王MAN;
    盤[4][5] = 金MAN;
    盤[5][5] = 歩MAN;
}

GameState positionFromRows(const BoardRows& rows, const Hand& man, const Hand& com) {
    GameState s;
    for (int y = 1; y <= 5; ++y)
        for (int x = 1; x <= 5; ++x) s.盤[x][y] = rows[y - 1][x - 1];
    s.持駒MAN = man;
    s.持駒COM = com;
    for (int p = 1; p <= 4; ++p) {
        s.持駒数MAN += man[p];
        s.持駒数COM += com[p];
    }
    return s;
}

void 初期設定(GameState& s) {
    s.ハンデレベル = 0;
    s.ハンデ設定済 = NG;
    s.対局モード = 対局_MAN;
    s.勝者 = 手番なし;
    s.手番 = 手番なし;
    s.手順数 = 0;
    s.手数 = 0;
    s.反転済 = NG;
    s.pastedPosition = false;
    s.upperToMoveAtRest = false;

    s.所有秒COM = 0;
    s.所有秒MAN = 0;
    s.局面変更 = NG;
    s.棋譜モード = NG;

    for (int i = 1; i <= 4; ++i) {
        s.持駒MAN[i] = 0;
        s.持駒COM[i] = 0;
    }
    setInitialPosition(s.盤);

    s.持駒数COM = 0;
    s.持駒数MAN = 0;
    for (int i = 1; i <= 4; ++i) {
        if (s.持駒MAN[i] > 0) s.持駒数MAN += s.持駒MAN[i];
        if (s.持駒COM[i] > 0) s.持駒数COM += s.持駒COM[i];
    }
}

Ply MoveList::ply(int n) const {
    return Ply{手順元X[n],     手順元Y[n],     手順先X[n],    手順先Y[n],
               手順元駒[n],    手順先駒[n],    手順取得駒[n], 手順前秒MAN[n],
               手順後秒MAN[n], 手順前秒COM[n], 手順後秒COM[n]};
}

bool 手順保存(GameState& s, const Ply& ply) {
    if (s.手順数 >= 手順上限 || s.手順数 < 0) return false;
    const int n = ++s.手順数;
    MoveList& l = s.手順;
    l.手順元X[n] = ply.元X;
    l.手順元Y[n] = ply.元Y;
    l.手順先X[n] = ply.先X;
    l.手順先Y[n] = ply.先Y;
    l.手順元駒[n] = ply.元駒;
    l.手順先駒[n] = ply.先駒;
    l.手順取得駒[n] = onBoard(ply.先X, ply.先Y) ? s.盤[ply.先X][ply.先Y] : 空桝;
    l.手順前秒MAN[n] = ply.前秒MAN;
    l.手順後秒MAN[n] = ply.後秒MAN;
    l.手順前秒COM[n] = ply.前秒COM;
    l.手順後秒COM[n] = ply.後秒COM;
    s.手順最大数 = s.手順数;
    return true;
}

GameState turnedAbout(const GameState& from) {
    GameState to;
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) to.盤[6 - x][6 - y] = -from.盤[x][y];
    }
    to.持駒MAN = from.持駒COM;
    to.持駒COM = from.持駒MAN;
    to.持駒数MAN = from.持駒数COM;
    to.持駒数COM = from.持駒数MAN;
    return to;
}

}  // namespace tanukiban
