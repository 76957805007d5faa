#include "rules/position.h"

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

void resetPosition(GamePosition& p) {
    p.勝者 = 手番なし;
    p.手番 = 手番なし;
    p.手順数 = 0;
    p.手数 = 0;
    p.upperToMoveAtRest = false;
    p.持駒MAN.fill(0);
    p.持駒COM.fill(0);
    p.持駒数MAN = 0;
    p.持駒数COM = 0;
    setInitialPosition(p.盤);
}

GamePosition positionFromRows(const BoardRows& rows, const Hand& man, const Hand& com) {
    GamePosition s;
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

Ply MoveList::ply(int n) const {
    return Ply{手順元X[n],     手順元Y[n],     手順先X[n],    手順先Y[n],
               手順元駒[n],    手順先駒[n],    手順取得駒[n], 手順前秒MAN[n],
               手順後秒MAN[n], 手順前秒COM[n], 手順後秒COM[n]};
}

void MoveList::store(int n, const Ply& ply) {
    手順元X[n] = ply.元X;
    手順元Y[n] = ply.元Y;
    手順先X[n] = ply.先X;
    手順先Y[n] = ply.先Y;
    手順元駒[n] = ply.元駒;
    手順先駒[n] = ply.先駒;
    手順取得駒[n] = ply.取得駒;
    手順前秒MAN[n] = ply.前秒MAN;
    手順後秒MAN[n] = ply.後秒MAN;
    手順前秒COM[n] = ply.前秒COM;
    手順後秒COM[n] = ply.後秒COM;
}

bool 手順保存(GamePosition& s, const Ply& ply) {
    if (s.手順数 >= 手順上限 || s.手順数 < 0) return false;
    const int n = ++s.手順数;
    Ply stored = ply;
    stored.取得駒 = onBoard(ply.先X, ply.先Y) ? s.盤[ply.先X][ply.先Y] : 空桝;
    s.手順.store(n, stored);
    s.手順最大数 = s.手順数;
    return true;
}

GamePosition turnedAbout(const GamePosition& from) {
    GamePosition to;
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
