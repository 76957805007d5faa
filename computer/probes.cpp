#include "computer/probes.h"

#include <cstdlib>

#include "rules/legality.h"

namespace tanukiban {

int 調査_移動可場所数(const GamePosition& s, const InfluenceMaps& m, int 移動元X, int 移動元Y,
                      int 移動駒) {
    const Grid& enemy = 移動駒 >= 歩COM ? m.勢力MAN : m.勢力COM;
    int count = 0;
    for (int tx = 1; tx <= 5; ++tx) {
        for (int ty = 1; ty <= 5; ++ty) {
            if (enemy[tx][ty] == 0 && 移動チェック(s.盤, 移動元X, 移動元Y, tx, ty, 移動駒) == OK) {
                ++count;
            }
        }
    }
    return count;
}

int 調査_自守駒MAN_直進駒(const Grid& 盤, int 入力X, int 入力Y) {
    // The square itself counts as empty, so only the squares between matter.
    bool clear = true;
    for (int t = 入力Y + 1; t <= 5; ++t) {
        const int p = 盤[入力X][t];
        if (p >= 歩COM) return NG;
        if (p == 香MAN || p == 飛MAN) return clear ? OK : NG;
        if (p != 空桝) clear = false;
    }
    return NG;
}

int 調査_周辺状況(const Grid& 盤, int 移動先X, int 移動先Y) {
    int result = 0;
    for (int x = 移動先X - 1; x <= 移動先X + 1; ++x) {
        for (int y = 移動先Y - 1; y <= 移動先Y + 1; ++y) {
            if ((x != 移動先X || y != 移動先Y) && onBoard(x, y) && 盤[x][y] >= 角COM) --result;
        }
    }
    return result;
}

void 調査_持角狙座標(const GamePosition& s, const InfluenceMaps& m, Grid& 持角狙座標MAN) {
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) {
            持角狙座標MAN[x][y] = 0;
            if (s.盤[x][y] != 空桝) continue;
            const int guards = m.勢力COM[x][y];
            const bool poorlyGuarded =
                guards == 0 || (guards == 1 && std::abs(x - m.kings.王X_COM) < 2 &&
                                std::abs(y - m.kings.王Y_COM) < 2);
            if (poorlyGuarded &&
                移動チェック(s.盤, x, y, m.kings.王X_COM, m.kings.王Y_COM, 角MAN) == OK) {
                持角狙座標MAN[x][y] = 1;
            }
        }
    }
}

namespace {

struct Slider {
    int x, y, code;
};

bool isSlider(int code, bool com) {
    return com ? (code == 香COM || code == 角COM || code == 飛COM)
               : (code == 香MAN || code == 角MAN || code == 飛MAN);
}

}  // namespace

int 調査_移動不可駒(const GamePosition& s, const KingSquares& k, Grid& 移動不可MAN) {
    // Lifting a piece never moves an enemy slider, so they are listed once.
    Slider comSliders[25], manSliders[25];
    int comCount = 0, manCount = 0;
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) {
            const int c = s.盤[x][y];
            if (isSlider(c, true)) comSliders[comCount++] = {x, y, c};
            if (isSlider(c, false)) manSliders[manCount++] = {x, y, c};
        }
    }

    Grid board = s.盤;
    int comPinned = NG;
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) {
            移動不可MAN[x][y] = 0;
            const int c = board[x][y];
            if (c == 空桝) continue;
            board[x][y] = 空桝;
            if (c <= 歩MAN) {
                for (int i = 0; i < comCount; ++i) {
                    const Slider& p = comSliders[i];
                    if (移動チェック(board, p.x, p.y, k.王X_MAN, k.王Y_MAN, p.code) == OK) {
                        移動不可MAN[x][y] = 1;
                    }
                }
            } else if (c >= 歩COM) {
                for (int i = 0; i < manCount; ++i) {
                    const Slider& p = manSliders[i];
                    if (移動チェック(board, p.x, p.y, k.王X_COM, k.王Y_COM, p.code) == OK) {
                        comPinned = OK;
                    }
                }
            }
            board[x][y] = c;
        }
    }
    return comPinned;
}

}  // namespace tanukiban
