#include "computer/evaluate.h"

#include <cstdlib>

#include "computer/danger.h"
#include "computer/probes.h"
#include "rules/legality.h"
#include "rules/mate.h"

namespace tanukiban {

namespace {

// Sums are kept in tenths.
constexpr int pts(int whole) {
    return whole * 10;
}

class Evaluation {
  public:
    Evaluation(GamePosition& s, int level, const InfluenceMaps& m, ComputerWork& w,
               RandomSequence* random, int 取得駒, int 移動駒, int 移動元X, int 移動元Y,
               int 移動先X, int 移動先Y)
        : s_(s),
          level_(level),
          b_(s.盤),
          m_(m),
          w_(w),
          random_(random),
          taken_(取得駒),
          piece_(移動駒),
          ox_(移動元X),
          oy_(移動元Y),
          dx_(移動先X),
          dy_(移動先Y),
          kx_(m.kings.王X_MAN),
          ky_(m.kings.王Y_MAN),
          drop_(移動元X < 0),
          distX_(std::abs(移動先X - m.kings.王X_MAN)),
          distY_(std::abs(移動先Y - m.kings.王Y_MAN)) {}

    Score run() {
        if (taken_ == 王MAN) return Score::points(9999);
        if (m_.勢力MAN[m_.kings.王X_COM][m_.kings.王Y_COM] >= 1) return Score::points(-9998);
        if (givesCheck()) {
            if (詰めかMAN(s_, m_) == OK) return Score::points(piece_ == 歩COM ? -9998 : 9998);
            if (piece_ == 桂COM && 調査_移動可場所数(s_, m_, kx_, ky_, 王MAN) == 0) {
                return Score::points(9998);
            }
            if (m_.攻駒MAN[dx_][dy_] == 王MAN && defended(dx_, dy_)) score_ += pts(100);
            if (!attacked(dx_, dy_)) score_ += pts(10);
        }
        if (drop_) score_ -= pts(5);
        score_ += 盤評価_COM危険座標(s_, m_, w_, piece_, dx_, dy_);
        if (level_ < 2) return result();

        approach();
        pinnedAttacker();
        exposure();
        if (b_[dx_][5] == 香MAN && (dx_ == 1 || dx_ == 5) && piece_ != 香COM && piece_ != 飛COM &&
            ox_ != dx_) {
            score_ -= 1;
        }
        quietOrCapture();
        if (level_ != 3) return result();

        pieceTerms();
        return result();
    }

  private:
    bool attacked(int x, int y) const { return m_.勢力MAN[x][y] > 0; }
    bool defended(int x, int y) const { return m_.勢力COM[x][y] > 0; }
    bool givesCheck() const { return m_.勢力COM[kx_][ky_] > 0; }
    int cheapestAttacker() const { return m_.攻駒MAN[dx_][dy_]; }
    Score result() const { return Score{score_, fraction_}; }

    void approach() {
        if (distX_ > distY_) {
            if (w_.元王距離 > distX_) score_ += pts(1);
        } else if (w_.元王距離 > distY_) {
            score_ += 1;
        }
    }

    // The candidate attacks the piece that attacks it, and that piece may
    // not move because it shields its king.
    void pinnedAttacker() {
        const int ax = m_.攻駒MAN_X[dx_][dy_];
        const int ay = m_.攻駒MAN_Y[dx_][dy_];
        if (m_.勢力MAN[ax][ay] <= 0 || w_.移動不可MAN[ax][ay] != 1) return;
        const int onD = m_.勢力MAN[dx_][dy_];
        if (!(onD == 1 || (defended(dx_, dy_) && onD == 2 && givesCheck()))) return;
        const bool offLine = (ax == kx_ && dx_ != kx_) || (ay == ky_ && dy_ != ky_) ||
                             (ax != kx_ && ay != ky_ && (dx_ == kx_ || dy_ == ky_));
        if (!offLine || 移動チェック(b_, dx_, dy_, ax, ay, w_.候補駒) != OK) return;
        if (!drop_ && b_[w_.前攻駒COM_X[ax][ay]][w_.前攻駒COM_Y[ax][ay]] == 空桝) return;
        score_ += pts(std::abs(b_[ax][ay]));
    }

    void exposure() {
        if (attacked(dx_, dy_) && defended(dx_, dy_)) {
            if ((s_.持駒MAN[3] > 0 || s_.持駒MAN[4] > 0) && dx_ > 1 && dx_ < 5) {
                const int left = b_[dx_ - 1][dy_];
                const int right = b_[dx_ + 1][dy_];
                if ((left == 飛MAN && right == 王COM) || (right == 飛MAN && left == 王COM)) {
                    score_ -= pts(piece_);
                }
            }
            const int attacker = std::abs(cheapestAttacker());
            if (attacker < piece_) score_ += pts(attacker - piece_);
            if (cheapestAttacker() == 王MAN && givesCheck() && dy_ < ky_) score_ += pts(piece_);
        } else if (attacked(dx_, dy_)) {
            if (drop_) score_ -= pts(piece_ + 50);
        } else if (piece_ != 角COM && piece_ != 王COM && piece_ != 歩COM) {
            score_ -= pts(盤評価_自角注意_COM(s_, w_, dx_, dy_, piece_));
        }
    }

    void quietOrCapture() {
        if (taken_ == 空桝) {
            const bool near = distX_ < 3 && distY_ < 3;
            const bool longRange = piece_ == 香COM || piece_ == 角COM || piece_ == 飛COM;
            if ((near || longRange) && !attacked(dx_, dy_)) {
                const int e = 調査_自王逃道(s_, m_, w_.逃道MAN);
                if (w_.前逃道数MAN > e) score_ += pts(w_.前逃道数MAN - e);
            }
            return;
        }
        const int value = std::abs(taken_);
        if (!attacked(dx_, dy_)) {
            score_ += pts(value);
            if (taken_ == とMAN) score_ += pts(50);
        } else if (defended(dx_, dy_)) {
            if (piece_ < std::abs(cheapestAttacker())) score_ += pts(value);
        } else if (w_.前勢力MAN[ox_][oy_] != 0 &&
                   調査_移動可場所数(s_, m_, ox_, oy_, piece_) == 0) {
            score_ += pts(value);
        }
    }

    void pieceTerms() {
        switch (piece_) {
            case 歩COM:
                pawn();
                break;
            case とCOM:
                if (m_.勢力COM[dx_][dy_] >= m_.勢力MAN[dx_][dy_]) score_ += pts(1);
                break;
            case 香COM:
                lance();
                break;
            case 桂COM:
                score_ -= 1;
                if (dy_ < 4 && dx_ > 1 && dx_ < 5 && attacked(dx_ - 1, dy_ + 2) &&
                    attacked(dx_ + 1, dy_ + 2)) {
                    score_ -= pts(1);
                }
                break;
            case 銀COM:
                if (dy_ > 1) {
                    if (dy_ > oy_ && ox_ == dx_) score_ -= 1;
                    if (b_[dx_][dy_ - 1] == 桂COM) score_ -= 5;
                }
                break;
            case 金COM:
                if (dy_ > oy_ && ox_ != dx_) score_ -= 5;
                break;
            case 角COM:
                bishop();
                break;
            case 飛COM:
                rook();
                break;
            case 王COM:
                if (w_.移動不可COM有 == OK) score_ += pts(10);
                if (m_.勢力COM[dx_][dy_] > w_.前勢力COM[dx_][dy_]) score_ += pts(1);
                if (調査_移動可場所数(s_, m_, dx_, dy_, 王COM) < 2) score_ -= pts(20);
                break;
            default:
                break;
        }
    }

    void lance() {
        if (ox_ == 敵持盤X1) {
            if (dy_ >= 5) return;
            if (s_.持駒MAN[1] > 0 && attacked(dx_, dy_ + 1) && !attacked(dx_, dy_))
                score_ -= pts(10);
            const int below = b_[dx_][dy_ + 1];
            if (below <= 香MAN &&
                (!attacked(dx_, dy_) || m_.勢力COM[dx_][dy_] >= m_.勢力MAN[dx_][dy_])) {
                // Pinning the piece below against what stands behind it.
                for (int r = dy_ + 2; r <= 5; ++r) {
                    const int p = b_[dx_][r];
                    if (p == 空桝) continue;
                    if (移動チェック(b_, dx_, dy_ + 1, dx_, r, 香COM) == OK && p < 香MAN) {
                        score_ += pts(std::abs(p));
                    }
                    return;
                }
            }
            return;
        }
        if (taken_ == 空桝) score_ -= 9;
    }

    void bishop() {
        score_ += pts(調査_周辺状況(b_, dx_, dy_));
        if (dy_ < 5 && attacked(dx_, dy_ + 1)) {
            if (調査_移動可場所数(s_, m_, dx_, dy_, 角COM) == 0) score_ -= pts(100);
            if (dy_ < 4 && b_[dx_][dy_ + 2] == 歩MAN) score_ -= pts(1);
        }
    }

    void rook() {
        score_ += pts(調査_周辺状況(b_, dx_, dy_));
        if (!drop_ && dy_ < 5) {
            if (attacked(dx_, dy_ + 1)) score_ -= pts(1);
            if (!attacked(ox_, oy_) && ox_ == 2 && oy_ == 2 && dx_ == 2 && dy_ == 3)
                score_ -= pts(1);
        }
        if (!attacked(dx_, dy_) || (cheapestAttacker() == 王MAN && defended(dx_, dy_))) {
            const int n = 調査_移動可場所数(s_, m_, dx_, dy_, 飛COM);
            if (n <= 1) {
                score_ -= pts(35);
            } else if ((dx_ == kx_ || dy_ == ky_) && distX_ < 3 && distY_ < 3) {
                score_ += pts(100);
            }
        }
    }

    void pawn() {
        const int fy = dy_ + 1;  // F, the square the pawn attacks
        if (dy_ < 5) {
            const int f = b_[dx_][fy];
            if (f == 金COM) {
                score_ += 5;
            } else if (f == 飛COM) {
                score_ -= pts(1);
            }
            if (f < 歩MAN && 調査_移動可場所数(s_, m_, dx_, fy, f) == 0) score_ += pts(std::abs(f));
        }
        if (defended(dx_, dy_) && dx_ > 1 && dx_ < 5 &&
            (b_[dx_ + 1][dy_] == 飛COM || b_[dx_ - 1][dy_] == 飛COM)) {
            score_ -= pts(1);
        }
        if (drop_) {
            pawnDrop();
        } else {
            pawnMove();
        }
        if (random_ != nullptr) fraction_ = random_->next();
    }

    // A defended pawn dropped in front of a lance or rook that bears on it.
    void pawnDrop() {
        const int ax = m_.攻駒MAN_X[dx_][dy_];
        const int ay = m_.攻駒MAN_Y[dx_][dy_];
        if (m_.勢力MAN[ax][ay] == 0 && w_.前勢力COM[ax][ay] > 0) return;
        const int attacker = cheapestAttacker();
        if (defended(dx_, dy_) && ax == dx_ && (attacker == 香MAN || attacker == 飛MAN) &&
            dy_ < ay) {
            score_ += pts(120);
        }
    }

    void pawnMove() {
        score_ -= 1;
        const int guard = m_.守駒COM[dx_][dy_];
        if (guard == 金COM || guard == 銀COM) score_ += 6;
        if (dy_ > 3) return;

        const int fy = dy_ + 1;
        const int front = b_[dx_][fy];
        if (guard == 香COM) {
            score_ += pts(1);
        } else if (guard == 飛COM && m_.守駒COM_X[dx_][dy_] == dx_ &&
                   m_.勢力COM[dx_][dy_] >= m_.勢力MAN[dx_][dy_] && m_.守駒COM_Y[dx_][dy_] < dy_) {
            score_ += pts(2);
        }
        if (!attacked(dx_, fy) && b_[dx_][dy_ + 2] <= 桂MAN) score_ += pts(1);
        if (front == 歩MAN && attacked(dx_, fy)) score_ -= pts(5);
        for (int side : {dx_ + 1, dx_ - 1}) {
            if (side < 1 || side > 5 || b_[side][dy_] != 角COM) continue;
            score_ += 5;
            if (b_[side][dy_ + 2] == 歩MAN) score_ += pts(5);
        }
        if (taken_ <= 歩MAN && m_.勢力COM[ox_][oy_] == 1) {
            if (dy_ > 2 && cheapestAttacker() == 香MAN && b_[dx_][dy_ - 2] == 角COM) {
                score_ -= pts(5);
            } else {
                score_ += pts(5);
            }
            if (taken_ == 歩MAN && (cheapestAttacker() == 香MAN || cheapestAttacker() == 飛MAN)) {
                score_ += pts(50);
            }
        }
        if (front <= 歩MAN) {
            const int com = m_.勢力COM[dx_][dy_];
            const int man = m_.勢力MAN[dx_][dy_];
            if (com > man) {
                score_ += pts(1);
            } else if (front == 歩MAN) {
                score_ -= pts(5);
            } else if (com == 0) {
                if (man == 0) score_ += pts(1);
            } else if (w_.前勢力COM[dx_][fy] > 0 && w_.前勢力MAN[dx_][fy] == 0) {
                score_ -= pts(1);
            } else {
                score_ += pts(5);  // attackers and defenders are equal here
            }
        }
    }

    GamePosition& s_;
    int level_;
    const Grid& b_;
    const InfluenceMaps& m_;
    ComputerWork& w_;
    RandomSequence* random_;
    const int taken_, piece_, ox_, oy_, dx_, dy_, kx_, ky_;
    const bool drop_;
    const int distX_, distY_;
    int score_ = 0;
    float fraction_ = 0.0f;
};

}  // namespace

Score 盤評価(GamePosition& s, int level, const InfluenceMaps& m, ComputerWork& w,
             RandomSequence* random, int 取得駒, int 移動駒, int 移動元X, int 移動元Y, int 移動先X,
             int 移動先Y) {
    return Evaluation(s, level, m, w, random, 取得駒, 移動駒, 移動元X, 移動元Y, 移動先X, 移動先Y)
        .run();
}

}  // namespace tanukiban
