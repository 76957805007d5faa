#include "computer/choice.h"

#include <algorithm>
#include <cstdlib>

#include "computer/evaluate.h"
#include "computer/probes.h"
#include "rules/legality.h"
#include "rules/mate.h"

namespace tanukiban {

namespace {

constexpr Score kNothingYet = Score::points(-99999);
constexpr Score kMateFound = Score::points(9998);

}  // namespace

void prepareComputerTurn(GamePosition& s, InfluenceMaps& m, ComputerWork& w) {
    w.最高点 = kNothingYet;
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) {
            w.前盤[x][y] = s.盤[x][y];
            w.逃道MAN[x][y] = 空桝;
        }
    }
    // The maps may describe an older position (after stepping through a
    // record, or when the computer opens the game), so survey before
    // counting the escape squares.
    勢力調査(s.盤, m);
    w.前逃道数MAN = 調査_自王逃道(s, m, w.逃道MAN);
    勢力調査(s.盤, m);
    調査_持角狙座標(s, m, w.持角狙座標MAN);
    w.移動不可COM有 = 調査_移動不可駒(s, m.kings, w.移動不可MAN);
    w.前持駒数COM = s.持駒数COM;
    w.前勢力MAN = m.勢力MAN;
    w.前勢力COM = m.勢力COM;
    w.前攻駒COM_X = m.攻駒COM_X;
    w.前攻駒COM_Y = m.攻駒COM_Y;
}

namespace {

class Scan {
  public:
    Scan(GamePosition& s, int level, InfluenceMaps& m, ComputerWork& w, RandomSequence* random,
         const ChoiceHooks& hooks)
        : s_(s), level_(level), m_(m), w_(w), random_(random), hooks_(hooks), kings_(m.kings) {}

    std::optional<ScoredMove> run() {
        if (!boardMoves() && w_.前持駒数COM > 0) drops();
        return best_;
    }

  private:
    void tick() const {
        if (hooks_.tick) hooks_.tick();
    }

    // Returns true when a capture of the human's king ended the scan.
    bool boardMoves() {
        for (int x = 1; x <= 5; ++x) {
            tick();
            for (int y = 1; y <= 5; ++y) {
                if (s_.盤[x][y] < 歩COM) continue;
                for (int tx = 1; tx <= 5; ++tx) {
                    for (int ty = 1; ty <= 5; ++ty) {
                        const int piece = s_.盤[x][y];
                        if (移動チェック(s_.盤, x, y, tx, ty, piece) != OK) continue;
                        w_.候補駒 = piece;
                        w_.元王距離 =
                            std::max(std::abs(kings_.王X_MAN - x), std::abs(kings_.王Y_MAN - y));
                        const int taken = s_.盤[tx][ty];
                        s_.盤[x][y] = 空桝;
                        s_.盤[tx][ty] = piece;
                        勢力調査(s_.盤, m_);
                        const Score score =
                            盤評価(s_, level_, m_, w_, random_, taken, piece, x, y, tx, ty);
                        s_.盤[tx][ty] = taken;
                        s_.盤[x][y] = piece;
                        const GameMove move =
                            GameMove::onBoard(x, y, tx, ty, piece, 取得_移動後成り駒(piece));
                        if (consider(move, score) && taken == 王MAN) return true;
                    }
                }
            }
        }
        return false;
    }

    void drops() {
        for (int pair = 1; pair <= 4; ++pair) {
            for (int column : {敵持盤X1, 敵持盤X2}) {
                tick();
                if (s_.持駒COM[pair] <= 0) continue;
                const int piece = standFace(column, pair);
                w_.候補駒 = piece;
                // A drop comes from no square: it earns no approach bonus.
                w_.元王距離 = 0;
                for (int tx = 1; tx <= 5; ++tx) {
                    for (int ty = 1; ty <= 5; ++ty) {
                        if (移動チェック(s_.盤, column, pair, tx, ty, piece) != OK) continue;
                        s_.盤[tx][ty] = piece;
                        勢力調査(s_.盤, m_);
                        const Score score =
                            盤評価(s_, level_, m_, w_, random_, 空桝, piece, column, pair, tx, ty);
                        s_.盤[tx][ty] = 空桝;
                        if (consider(GameMove::drop(piece, tx, ty), score) &&
                            w_.最高点 >= kMateFound)
                            return;
                    }
                }
            }
        }
    }

    // Keeps the candidate when it is strictly better than every earlier one.
    bool consider(const GameMove& move, const Score& score) {
        if (hooks_.candidates != nullptr) hooks_.candidates->push_back({move, score});
        if (!(score > w_.最高点)) return false;
        w_.最高点 = score;
        best_ = ScoredMove{move, score};
        return true;
    }

    GamePosition& s_;
    const int level_;
    InfluenceMaps& m_;
    ComputerWork& w_;
    RandomSequence* random_;
    const ChoiceHooks& hooks_;
    // Where the kings stand before the move.
    const KingSquares kings_;
    std::optional<ScoredMove> best_;
};

}  // namespace

std::optional<ScoredMove> chooseComputerMove(GamePosition& s, int level, InfluenceMaps& m,
                                             ComputerWork& w, RandomSequence* random,
                                             const ChoiceHooks& hooks) {
    prepareComputerTurn(s, m, w);
    return Scan(s, level, m, w, random, hooks).run();
}

}  // namespace tanukiban
