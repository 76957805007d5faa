#include "computer/danger.h"

#include <cstdlib>

#include "computer/probes.h"
#include "rules/legality.h"

namespace tanukiban {

namespace {

// Everything below is in tenths.
constexpr int pts(int whole) {
    return whole * 10;
}

class DangerScan {
  public:
    DangerScan(const GamePosition& s, const InfluenceMaps& m, const ComputerWork& w, int piece,
               int toX, int toY)
        : s_(s), b_(s.盤), m_(m), w_(w), piece_(piece), toX_(toX), toY_(toY) {}

    int run() {
        for (int x = 1; x <= 5; ++x) {
            for (int y = 1; y <= 5; ++y) {
                const int c = b_[x][y];
                if (c == 空桝) {
                    emptySquare(x, y);
                } else if (c >= 歩COM) {
                    comPiece(x, y, c);
                } else if (c <= 歩MAN) {
                    manPiece(x, y, c);
                }
            }
        }
        if (threats_ > 1) score_ += pts(leastThreatened_);
        return score_;
    }

  private:
    bool attacked(int x, int y) const { return m_.勢力MAN[x][y] > 0; }
    bool defended(int x, int y) const { return m_.勢力COM[x][y] > 0; }
    bool humanHoldsKnightOrSilverPair() const { return s_.持駒MAN[3] > 0 || s_.持駒MAN[4] > 0; }
    bool undefendedComPiece(int x, int y) const { return b_[x][y] >= 歩COM && !defended(x, y); }

    void emptySquare(int x, int y) {
        const int man = m_.勢力MAN[x][y];
        const int com = m_.勢力COM[x][y];
        if (man > 0) {
            if (std::abs(x - m_.kings.王X_COM) < 2 && std::abs(y - m_.kings.王Y_COM) < 2) {
                score_ -= 5 * man;
                if (com == 1 && man > 1) score_ -= pts(10);
                if (humanHoldsKnightOrSilverPair()) score_ -= pts(10);
            }
            if (com == 0 && y < 4) {
                score_ -= 1;
                if (調査_自守駒MAN_直進駒(b_, x, y) == OK) score_ -= pts(10);
            }
            if (y < 4 && b_[x][y + 1] == 歩MAN && man >= com) {
                score_ -= pts(30);
                if (調査_自守駒MAN_直進駒(b_, x, y + 1) == OK) score_ -= pts(70);
            }
        }
        if (s_.持駒数MAN <= 0) return;

        const bool weak = man > 0 || com == 0;
        if (s_.持駒MAN[2] > 0 && weak && y > 2 && b_[x][y - 1] > 香COM) {
            // A lance dropped here would skewer the piece above and the
            // first piece behind it.
            for (int r = y - 2; r >= 1; --r) {
                const int p = b_[x][r];
                if (p == 空桝) continue;
                if (p > 香COM) score_ -= pts(100) + 5 * p;
                break;
            }
        }
        if (s_.持駒MAN[3] > 0 && weak && y > 2 && x > 1 && x < 5 && b_[x - 1][y - 2] > 歩COM &&
            b_[x + 1][y - 2] > 歩COM) {
            score_ -= pts(20);
        }
        if (s_.持駒MAN[3] > 0 && com <= 1) {
            const int around = 調査_周辺状況(b_, x, y);
            if (around < -1) score_ -= pts(5);
            if (com == 0 && around < 0) {
                score_ -= pts(1);
                if (y < 4) score_ -= pts(10);
            }
        }
        if (com == 0) {
            if (y == 2 && b_[x][1] == 桂COM) score_ -= pts(5);
            if (y < 4) score_ -= 1;
            if (s_.持駒MAN[4] > 0 && x > 1 && x < 5 && y > 1 && y < 5) {
                if (undefendedComPiece(x - 1, y - 1) && undefendedComPiece(x + 1, y + 1))
                    score_ -= pts(20);
                if (undefendedComPiece(x - 1, y + 1) && undefendedComPiece(x + 1, y - 1))
                    score_ -= pts(20);
            }
        }
    }

    void comPiece(int x, int y, int p) {
        const int man = m_.勢力MAN[x][y];
        const int com = m_.勢力COM[x][y];
        const int attacker = std::abs(m_.攻駒MAN[x][y]);
        if (p == 王COM && y == 1 && attacked(x, 2)) {
            score_ -= pts(50);
            if (m_.勢力MAN[x][2] >= m_.勢力COM[x][2]) score_ -= pts(250);
            if (humanHoldsKnightOrSilverPair()) score_ -= pts(700);
        } else if (p == 歩COM && m_.攻駒MAN[x][y] == 飛MAN && s_.持駒MAN[1] > 0 && man >= com &&
                   y < 5 && m_.勢力COM[x][y + 1] == 1) {
            score_ -= pts(5);
        }
        if (man == 0) return;

        if (m_.守駒COM[x][y] == 王COM && (man > 1 || p > attacker)) score_ -= pts(100);
        const bool attackerFree = w_.移動不可MAN[m_.攻駒MAN_X[x][y]][m_.攻駒MAN_Y[x][y]] == 0;
        if (attackerFree && p > attacker) score_ -= pts(p - attacker);
        if (com > 0) {
            if (!attackerFree) return;
            if (man > com && m_.守駒COM[x][y] >= attacker) score_ -= pts(p);
            if (y <= 3 && com == man && b_[x][y + 1] != 空桝 &&
                調査_自守駒MAN_直進駒(b_, x, y + 1) == OK) {
                score_ -= pts(p + std::abs(m_.攻駒MAN[x][y + 1]));
            }
        } else {
            score_ -= pts(p);
            if (y <= 3) score_ -= pts(1);
            if (w_.前盤[x][y] <= 歩MAN) score_ += pts(std::abs(w_.前盤[x][y]));
            if (y < 4 && (m_.攻駒MAN[x][y] == 歩MAN || m_.攻駒MAN[x][y] == 香MAN))
                score_ -= pts(20);
        }
    }

    void manPiece(int x, int y, int h) {
        if (w_.前勢力COM[x][y] == 0 && defended(x, y)) {
            if (y > 2 && h == 桂MAN && b_[x][y - 1] == 銀COM && m_.勢力MAN[x][y - 1] == 0)
                score_ += pts(1);
            if (std::abs(x - m_.kings.王X_COM) < 3 && std::abs(y - m_.kings.王Y_COM) < 3)
                score_ += pts(15);
        }
        if (h == 桂MAN && y == 5 && b_[x][1] >= 銀COM) {
            // The knight's jump squares that nothing of ours covers.
            for (int jx : {x - 1, x + 1}) {
                if (jx < 1 || jx > 5) continue;
                const int t = b_[jx][3];
                if ((t == 空桝 || t >= 歩COM) && m_.勢力COM[jx][3] == 0) score_ -= pts(1);
            }
        } else if ((h == 飛MAN || h == 香MAN) && x == m_.kings.王X_COM) {
            score_ -= pts(1);
        }
        if (m_.勢力MAN[toX_][toY_] == 0 && (m_.勢力MAN[x][y] == 0 || h == 王MAN) &&
            移動チェック(b_, toX_, toY_, x, y, piece_) == OK) {
            score_ += 1;
            ++threats_;
            if (std::abs(h) < leastThreatened_) leastThreatened_ = std::abs(h);
        }
    }

    const GamePosition& s_;
    const Grid& b_;
    const InfluenceMaps& m_;
    const ComputerWork& w_;
    const int piece_, toX_, toY_;
    int score_ = 0;
    int threats_ = 0;
    int leastThreatened_ = 9999;
};

}  // namespace

int 盤評価_COM危険座標(const GamePosition& s, const InfluenceMaps& m, const ComputerWork& w,
                       int 移動駒, int COM移動先X, int COM移動先Y) {
    return DangerScan(s, m, w, 移動駒, COM移動先X, COM移動先Y).run();
}

int 盤評価_自角注意_COM(const GamePosition& s, const ComputerWork& w, int 移動元X, int 移動元Y,
                        int 移動駒) {
    for (int a = 1; a <= 5; ++a) {
        for (int b = 1; b <= 5; ++b) {
            if (w.持角狙座標MAN[a][b] != 1 ||
                移動チェック(s.盤, 移動元X, 移動元Y, a, b, 角MAN) != OK)
                continue;
            // Only the first such square is looked at.
            for (int x = 1; x <= 5; ++x) {
                for (int y = 1; y <= 5; ++y) {
                    if (s.盤[x][y] == 角MAN && 移動チェック(s.盤, x, y, a, b, 角MAN) == OK)
                        return 移動駒;
                }
            }
            return 0;
        }
    }
    return 0;
}

}  // namespace tanukiban
