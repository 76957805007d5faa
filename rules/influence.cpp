#include "rules/influence.h"

namespace tanukiban {

namespace {

struct Offset {
    int dx, dy;
};

constexpr Offset kKingSteps[] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1},
                                 {-1, 1}, {1, 1},   {-1, 0}, {1, 0}};

// The survey in progress: the board it reads and the maps it writes.
class Survey {
  public:
    Survey(const Grid& 盤, InfluenceMaps& m) : b_(盤), m_(m) {}

    KingSquares run() {
        reset();
        for (int x = 1; x <= 5; ++x) {
            for (int y = 1; y <= 5; ++y) {
                const int c = b_[x][y];
                if (c != 空桝) enter(c, x, y);
            }
        }
        return m_.kings;
    }

  private:
    void reset() {
        for (int x = 0; x <= 5; ++x) {
            m_.勢力MAN[x].fill(0);
            m_.勢力COM[x].fill(0);
            m_.王手MAN[x].fill(0);
            m_.王手COM[x].fill(0);
            m_.攻駒MAN[x].fill(-999);
            m_.攻駒MAN_X[x].fill(0);
            m_.攻駒MAN_Y[x].fill(0);
            m_.攻駒COM[x].fill(999);
            m_.守駒COM[x].fill(999);
        }
        m_.kings = {};
    }

    void enter(int c, int x, int y) {
        switch (c) {
            case 歩MAN:
                manStep(c, x, y, 0, -1);
                break;
            case とMAN:
            case 金MAN:
                勢力確定自金(c, x, y);
                break;
            case 香MAN:
                line(c, x, y, 0, -1);
                break;
            case 桂MAN:
                manStep(c, x, y, -1, -2);
                manStep(c, x, y, 1, -2);
                break;
            case 銀MAN:
                for (Offset o : {Offset{0, -1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}}) {
                    manStep(c, x, y, o.dx, o.dy);
                }
                break;
            case 角MAN:
                bishop(角MAN, x, y, /*com=*/false);
                break;
            case 飛MAN:
                rook(c, x, y);
                break;
            case 王MAN:
                m_.kings.王X_MAN = x;
                m_.kings.王Y_MAN = y;
                for (Offset o : kKingSteps) manStep(c, x, y, o.dx, o.dy);
                break;
            case 歩COM:
                comStep(c, x, y, 0, 1);
                break;
            case とCOM:
            case 金COM:
                勢力確定敵金(x, y);
                break;
            case 香COM:
                line(c, x, y, 0, 1);
                break;
            case 桂COM:
                comStep(c, x, y, -1, 2);
                comStep(c, x, y, 1, 2);
                break;
            case 銀COM:
                for (Offset o : {Offset{0, 1}, {-1, 1}, {1, 1}, {-1, -1}, {1, -1}}) {
                    comStep(c, x, y, o.dx, o.dy);
                }
                break;
            case 角COM:
                bishop(c, x, y, /*com=*/true);
                break;
            case 飛COM:
                rook(c, x, y);
                break;
            case 王COM:
                m_.kings.王X_COM = x;
                m_.kings.王Y_COM = y;
                for (Offset o : kKingSteps) comStep(c, x, y, o.dx, o.dy);
                break;
            default:
                break;  // not a piece: no influence
        }
    }

    // Pawn, knight, silver and king of the lower side.
    void manStep(int c, int x, int y, int dx, int dy) {
        const int tx = x + dx, ty = y + dy;
        if (!onBoard(tx, ty)) return;
        m_.勢力MAN[tx][ty] += 1;
        const int t = b_[tx][ty];
        if (!isCom(t)) return;
        noteManAttacker(c, x, y, tx, ty);
        if (t != 王COM) return;
        if (c == 歩MAN || c == 銀MAN) {
            m_.王手MAN[x][y] = 9;
        } else if (c == 桂MAN) {
            m_.王手MAN[x][y] = 9;
            m_.王手MAN[tx][ty] = 9;
        }
    }

    // Pawn, knight, silver and king of the upper side.
    void comStep(int c, int x, int y, int dx, int dy) {
        const int tx = x + dx, ty = y + dy;
        if (!onBoard(tx, ty)) return;
        m_.勢力COM[tx][ty] += 1;
        const int t = b_[tx][ty];
        if (isCom(t)) {
            if (m_.守駒COM[tx][ty] > c) {
                m_.守駒COM[tx][ty] = c;
                if (c == 桂COM || c == 銀COM) {
                    m_.守駒COM_X[tx][ty] = x;
                    m_.守駒COM_Y[tx][ty] = y;
                }
            }
        } else if (isMan(t)) {
            if (c == 歩COM && m_.攻駒COM[tx][ty] > 10) m_.攻駒COM[tx][ty] = 10;
        }
        if (t == 王MAN) {
            if (c == 歩COM || c == 銀COM) {
                m_.王手COM[x][y] = 9;
            } else if (c == 桂COM) {
                m_.王手COM[x][y] = 9;
                m_.王手COM[tx][ty] = 9;
            }
        }
    }

    void noteManAttacker(int c, int x, int y, int tx, int ty) {
        if (m_.攻駒MAN[tx][ty] < c) {
            m_.攻駒MAN[tx][ty] = c;
            m_.攻駒MAN_X[tx][ty] = x;
            m_.攻駒MAN_Y[tx][ty] = y;
        }
    }

    void 勢力確定自金(int 駒種類, int 入力X, int 入力Y) {
        static constexpr Offset steps[] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 0}, {1, 0}};
        for (Offset o : steps) {
            const int tx = 入力X + o.dx, ty = 入力Y + o.dy;
            if (!onBoard(tx, ty)) continue;
            m_.勢力MAN[tx][ty] += 1;
            const int t = b_[tx][ty];
            if (!isCom(t)) continue;
            noteManAttacker(駒種類, 入力X, 入力Y, tx, ty);
            if (t == 王COM) m_.王手MAN[入力X][入力Y] = 9;
        }
    }

    void 勢力確定敵金(int 入力X, int 入力Y) {
        static constexpr Offset steps[] = {{0, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};
        for (Offset o : steps) {
            const int tx = 入力X + o.dx, ty = 入力Y + o.dy;
            if (!onBoard(tx, ty)) continue;
            m_.勢力COM[tx][ty] += 1;
            const int t = b_[tx][ty];
            if (isCom(t)) {
                if (m_.守駒COM[tx][ty] > 金COM) m_.守駒COM[tx][ty] = 金COM;
            } else if (t == 王MAN) {
                m_.王手COM[入力X][入力Y] = 9;
            }
        }
    }

    void rook(int c, int x, int y) {
        line(c, x, y, 0, 1);   // down
        line(c, x, y, 0, -1);  // up
        line(c, x, y, 1, 0);   // right
        line(c, x, y, -1, 0);  // left
    }

    void bishop(int c, int x, int y, bool com) {
        if (y > 1 && x > 1) walk(c, com, x, y, -1, -1);
        if (y > 1 && x < 5) walk(c, com, x, y, 1, -1);
        if (y < 5 && x > 1) walk(c, com, x, y, -1, 1);
        if (y < 5 && x < 5) walk(c, com, x, y, 1, 1);
    }

    // Straight lines take their side from the sign of the code.
    void line(int c, int x, int y, int dx, int dy) { walk(c, c > 0, x, y, dx, dy); }

    // One line of a lance, rook or bishop. The walk goes on past the enemy
    // king, so the squares behind it count as attacked.
    void walk(int c, bool com, int x0, int y0, int dx, int dy) {
        const int enemyKing = com ? 王MAN : 王COM;
        Grid& count = com ? m_.勢力COM : m_.勢力MAN;
        Grid& check = com ? m_.王手COM : m_.王手MAN;
        for (int x = x0 + dx, y = y0 + dy; onBoard(x, y); x += dx, y += dy) {
            count[x][y] += 1;
            const int t = b_[x][y];
            const bool own = com ? isCom(t) : isMan(t);
            const bool enemy = com ? isMan(t) : isCom(t);
            if (own) {
                if (com && m_.守駒COM[x][y] > c) {
                    m_.守駒COM[x][y] = c;
                    m_.守駒COM_X[x][y] = x0;
                    m_.守駒COM_Y[x][y] = y0;
                }
            } else if (enemy) {
                if (com) {
                    if (m_.攻駒COM[x][y] > c) {
                        m_.攻駒COM[x][y] = c;
                        m_.攻駒COM_X[x][y] = x0;
                        m_.攻駒COM_Y[x][y] = y0;
                    }
                } else {
                    noteManAttacker(c, x0, y0, x, y);
                }
            }
            if (t != 空桝 && t != enemyKing) return;
            if (t == enemyKing) {
                for (int bx = x - dx, by = y - dy; bx != x0 || by != y0; bx -= dx, by -= dy) {
                    check[bx][by] = 1;
                }
                check[x0][y0] = 9;
            }
        }
    }

    const Grid& b_;
    InfluenceMaps& m_;
};

}  // namespace

KingSquares 勢力調査(const Grid& 盤, InfluenceMaps& m) {
    return Survey(盤, m).run();
}

}  // namespace tanukiban
