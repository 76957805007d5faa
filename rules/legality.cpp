#include "rules/legality.h"

#include <cstdlib>

namespace tanukiban {

namespace {

bool inRange(int v) {
    return v >= 1 && v <= 5;
}

// Gold and tokin: any step but the two rear diagonals. `forward` is the row
// step towards the side's front.
bool goldStep(int dx, int dy, int forward) {
    return (std::abs(dx) <= 1 && (dy == 0 || dy == forward)) || (dx == 0 && dy == -forward);
}

bool silverStep(int dx, int dy, int forward) {
    return std::abs(dx) <= 1 && (dy == forward || (dy == -forward && dx != 0));
}

// A lance walks its column forward; every square before the destination
// must be empty.
bool lancePath(const Grid& 盤, int x, int fromY, int toY) {
    const int lo = std::min(fromY, toY);
    const int hi = std::max(fromY, toY);
    for (int y = lo + 1; y < hi; ++y) {
        if (盤[x][y] != 空桝) return false;
    }
    return true;
}

}  // namespace

int 移動チェック飛車(const Grid& 盤, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    if (移動元X != 移動先X && 移動元Y != 移動先Y) return NG;
    if (移動元Y != 移動先Y) {
        const int step = 移動先Y > 移動元Y ? 1 : -1;
        for (int y = 移動元Y + step; y != 移動先Y; y += step) {
            if (!inRange(y) || 盤[移動先X][y] != 空桝) return NG;
        }
    }
    if (移動元X != 移動先X) {
        const int step = 移動先X > 移動元X ? 1 : -1;
        for (int x = 移動元X + step; x != 移動先X; x += step) {
            if (!inRange(x) || 盤[x][移動先Y] != 空桝) return NG;
        }
    }
    return OK;
}

int 移動チェック角(const Grid& 盤, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    if (!(移動先X - 移動先Y == 移動元X - 移動元Y || 移動先X - 移動元X == 移動元Y - 移動先Y)) {
        return NG;
    }
    const int sx = 移動先X > 移動元X ? 1 : -1;
    const int sy = 移動先Y > 移動元Y ? 1 : -1;
    for (int k = 1; 移動元X + sx * k != 移動先X; ++k) {
        const int x = 移動元X + sx * k;
        const int y = 移動元Y + sy * k;
        if (!inRange(x) || !inRange(y) || 盤[x][y] != 空桝) return NG;
    }
    return OK;
}

int 移動チェック(const Grid& 盤, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y,
                 int 移動駒種類) {
    if (!inRange(移動先X) || !inRange(移動先Y)) return NG;
    if (移動元X == 移動先X && 移動元Y == 移動先Y) return NG;
    const int target = 盤[移動先X][移動先Y];
    if (移動駒種類 >= 10 && target >= 10) return NG;
    if (移動駒種類 < 10 && target <= -10) return NG;
    if (isStand(移動元X)) return target == 空桝 ? OK : NG;
    // A board move needs its source on the board; the path walks below rely on it.
    if (!inRange(移動元X) || !inRange(移動元Y)) return NG;

    const int dx = 移動先X - 移動元X;
    const int dy = 移動先Y - 移動元Y;
    bool ok = false;
    switch (移動駒種類) {
        case 歩COM:
            ok = dx == 0 && dy == 1;
            break;
        case 歩MAN:
            ok = dx == 0 && dy == -1;
            break;
        case 香COM:
            ok = dx == 0 && dy > 0 && lancePath(盤, 移動先X, 移動元Y, 移動先Y);
            break;
        case 香MAN:
            ok = dx == 0 && dy < 0 && lancePath(盤, 移動先X, 移動元Y, 移動先Y);
            break;
        case 桂COM:
            ok = dy == 2 && std::abs(dx) == 1;
            break;
        case 桂MAN:
            ok = dy == -2 && std::abs(dx) == 1;
            break;
        case 銀COM:
            ok = silverStep(dx, dy, 1);
            break;
        case 銀MAN:
            ok = silverStep(dx, dy, -1);
            break;
        case とCOM:
        case 金COM:
            ok = goldStep(dx, dy, 1);
            break;
        case とMAN:
        case 金MAN:
            ok = goldStep(dx, dy, -1);
            break;
        case 角COM:
        case 角MAN:
            return 移動チェック角(盤, 移動元X, 移動元Y, 移動先X, 移動先Y);
        case 飛COM:
        case 飛MAN:
            return 移動チェック飛車(盤, 移動元X, 移動元Y, 移動先X, 移動先Y);
        case 王COM:
        case 王MAN:
            ok = std::abs(dx) <= 1 && std::abs(dy) <= 1;
            break;
        default:
            ok = false;
    }
    return ok ? OK : NG;
}

int 取得_移動後成り駒(int I_駒) {
    const int sign = I_駒 < 0 ? -1 : 1;
    switch (std::abs(I_駒)) {
        case 10:
            return sign * 900;
        case 900:
            return sign * 10;
        case 11:
            return sign * 20;
        case 20:
            return sign * 11;
        case 30:
            return sign * 110;
        case 110:
            return sign * 30;
        case 100:
            return sign * 800;
        case 800:
            return sign * 100;
        case 950:
            return I_駒;
        default:
            return 0;
    }
}

}  // namespace tanukiban
