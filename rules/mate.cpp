#include "rules/mate.h"

#include <cstdlib>

#include "rules/legality.h"

namespace tanukiban {

namespace {

// The fixed rules of one side's mate test; the lower and the upper side
// differ only in which maps, hands and codes they read.
struct Side {
    int kingX, kingY;
    const Grid& enemyCount;  // attacks on this side's squares
    const Grid& checkMap;    // the enemy's check map against this king
    int handTotal;
    int pairOneCount;
    int blocker;  // the pawn used as trial blocker
    int king;
};

bool isAnswerPiece(int code, bool com) {
    return com ? (code >= 10 && code <= 900) : (code >= -900 && code <= -10);
}

enum class BlockResult { NoBlock, Blocked };

// Whether a drop on some blocking square stops every checker. With only
// pawn/rook-pair pieces in hand the trial blocker is lifted again at once,
// so no drop counts as a block then.
BlockResult tryBlockingDrops(Grid& 盤, const Side& side) {
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) {
            const int mark = side.checkMap[x][y];
            if (mark == 9 && std::abs(x - side.kingX) <= 1 && std::abs(y - side.kingY) <= 1) {
                return BlockResult::NoBlock;
            }
            if (mark != 1) continue;
            const int before = 盤[x][y];
            盤[x][y] = side.blocker;
            if (side.handTotal == side.pairOneCount) 盤[x][y] = before;
            bool stillChecked = false;
            for (int x2 = 1; x2 <= 5 && !stillChecked; ++x2) {
                for (int y2 = 1; y2 <= 5; ++y2) {
                    if (side.checkMap[x2][y2] == 9 &&
                        移動チェック(盤, x2, y2, side.kingX, side.kingY, 盤[x2][y2]) == OK) {
                        stillChecked = true;
                        break;
                    }
                }
            }
            盤[x][y] = before;
            if (stillChecked) return BlockResult::NoBlock;
        }
    }
    return BlockResult::Blocked;
}

bool kingCanEscape(const Grid& 盤, const Side& side) {
    for (int i = side.kingX - 1; i <= side.kingX + 1; ++i) {
        for (int j = side.kingY - 1; j <= side.kingY + 1; ++j) {
            if (!onBoard(i, j)) continue;
            if (移動チェック(盤, side.kingX, side.kingY, i, j, side.king) == OK &&
                side.enemyCount[i][j] == 0) {
                return true;
            }
        }
    }
    return false;
}

// The answer by a board piece: every piece but the king that can move onto a
// square of the check map is tried there, without turning over. `freed`
// judges the trial position; `restored` runs once the board is put back.
template <typename Freed, typename Restored>
bool someAnswerFrees(GamePosition& s, const Grid& checkMap, bool com, Freed&& freed,
                     Restored&& restored) {
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) {
            const int code = s.盤[x][y];
            if (!isAnswerPiece(code, com)) continue;
            for (int x2 = 1; x2 <= 5; ++x2) {
                for (int y2 = 1; y2 <= 5; ++y2) {
                    if ((x2 == x && y2 == y) || checkMap[x2][y2] <= 0) continue;
                    if (移動チェック(s.盤, x, y, x2, y2, code) != OK) continue;
                    const int target = s.盤[x2][y2];
                    s.盤[x2][y2] = code;
                    s.盤[x][y] = 空桝;
                    const bool kingFreed = freed();
                    s.盤[x][y] = code;
                    s.盤[x2][y2] = target;
                    restored();
                    if (kingFreed) return true;
                }
            }
        }
    }
    return false;
}

bool inCheck(const Side& side) {
    return onBoard(side.kingX, side.kingY) && side.enemyCount[side.kingX][side.kingY] != 0;
}

}  // namespace

int 詰めかMAN_COM移動(const GamePosition& s, const KingSquares& k) {
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) {
            const int c = s.盤[x][y];
            if (c >= 10 && 移動チェック(s.盤, x, y, k.王X_MAN, k.王Y_MAN, c) == OK) return OK;
        }
    }
    return NG;
}

int 詰めかMAN(GamePosition& s, const InfluenceMaps& m) {
    const Side side{m.kings.王X_MAN, m.kings.王Y_MAN, m.勢力COM, m.王手COM,
                    s.持駒数MAN,     s.持駒MAN[1],    歩MAN,     王MAN};
    if (!inCheck(side)) return NG;
    if (s.持駒数MAN > 0 && tryBlockingDrops(s.盤, side) == BlockResult::Blocked) return NG;
    if (kingCanEscape(s.盤, side)) return NG;

    const bool answered = someAnswerFrees(
        s, m.王手COM, false, [&] { return 詰めかMAN_COM移動(s, m.kings) == NG; }, [] {});
    if (answered) return NG;
    return OK;
}

int 詰めかCOM(GamePosition& s, InfluenceMaps& m) {
    const Side side{m.kings.王X_COM, m.kings.王Y_COM, m.勢力MAN, m.王手MAN,
                    s.持駒数COM,     s.持駒COM[1],    歩COM,     王COM};
    if (!inCheck(side)) return NG;
    if (s.持駒数COM > 0 && tryBlockingDrops(s.盤, side) == BlockResult::Blocked) return NG;
    if (kingCanEscape(s.盤, side)) return NG;

    // Each trial is judged by a survey of the position after it; the survey
    // is then rerun on the restored position so that the scan and the
    // callers go on reading the maps of the actual position.
    const bool answered = someAnswerFrees(
        s, m.王手MAN, true,
        [&] {
            const KingSquares k = 勢力調査(s.盤, m);
            return m.勢力MAN[k.王X_COM][k.王Y_COM] == 0;
        },
        [&] { 勢力調査(s.盤, m); });
    if (answered) return NG;
    return OK;
}

int 調査_自王逃道(const GamePosition& s, const InfluenceMaps& m, Grid& 逃道MAN) {
    static constexpr int steps[8][2] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1},
                                        {-1, 1}, {1, 1},   {-1, 0}, {1, 0}};
    int count = 0;
    for (const auto& d : steps) {
        const int x = m.kings.王X_MAN + d[0];
        const int y = m.kings.王Y_MAN + d[1];
        if (!onBoard(x, y)) continue;
        if (s.盤[x][y] == 空桝 && m.勢力COM[x][y] == 0) {
            逃道MAN[x][y] = 1;
            ++count;
        }
    }
    return count;
}

}  // namespace tanukiban
