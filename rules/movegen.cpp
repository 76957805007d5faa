#include "rules/movegen.h"

#include "rules/legality.h"

namespace tanukiban {

void generateMoves(const GamePosition& s, bool com, std::vector<GameMove>& out) {
    out.clear();
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) {
            const int c = s.盤[x][y];
            if (com ? !isCom(c) : !isMan(c)) continue;
            for (int tx = 1; tx <= 5; ++tx) {
                for (int ty = 1; ty <= 5; ++ty) {
                    if (移動チェック(s.盤, x, y, tx, ty, c) == OK) {
                        out.push_back(GameMove::onBoard(x, y, tx, ty, c, 取得_移動後成り駒(c)));
                    }
                }
            }
        }
    }
    const Hand& hand = com ? s.持駒COM : s.持駒MAN;
    for (int pair = 1; pair <= 4; ++pair) {
        if (hand[pair] <= 0) continue;
        for (bool second : {false, true}) {
            const int face = pairFace(pair, second, com);
            for (int tx = 1; tx <= 5; ++tx) {
                for (int ty = 1; ty <= 5; ++ty) {
                    if (s.盤[tx][ty] == 空桝) out.push_back(GameMove::drop(face, tx, ty));
                }
            }
        }
    }
}

int applyMove(GamePosition& s, const GameMove& mv, bool com) {
    Hand& hand = com ? s.持駒COM : s.持駒MAN;
    int& total = com ? s.持駒数COM : s.持駒数MAN;
    const int captured = s.盤[mv.toX][mv.toY];
    if (captured != 空桝 && facePair(captured) != 0) {
        hand[facePair(captured)] += 1;
        total += 1;
    }
    s.盤[mv.toX][mv.toY] = mv.after;
    if (mv.isDrop()) {
        hand[mv.pair] -= 1;
        total -= 1;
    } else {
        s.盤[mv.fromX][mv.fromY] = 空桝;
    }
    return captured;
}

void undoMove(GamePosition& s, const GameMove& mv, bool com, int captured) {
    Hand& hand = com ? s.持駒COM : s.持駒MAN;
    int& total = com ? s.持駒数COM : s.持駒数MAN;
    if (mv.isDrop()) {
        hand[mv.pair] += 1;
        total += 1;
    } else {
        s.盤[mv.fromX][mv.fromY] = mv.before;
    }
    s.盤[mv.toX][mv.toY] = captured;
    if (captured != 空桝 && facePair(captured) != 0) {
        hand[facePair(captured)] -= 1;
        total -= 1;
    }
}

bool ownKingAttacked(const GamePosition& s, InfluenceMaps& m, bool com) {
    const KingSquares k = 勢力調査(s.盤, m);
    return com ? m.勢力MAN[k.王X_COM][k.王Y_COM] > 0 : m.勢力COM[k.王X_MAN][k.王Y_MAN] > 0;
}

namespace {

std::uint64_t perftFrom(GamePosition& s, InfluenceMaps& m, bool com, int depth,
                        std::vector<std::vector<GameMove>>& buffers) {
    std::vector<GameMove>& moves = buffers[depth];
    generateMoves(s, com, moves);
    std::uint64_t nodes = 0;
    for (const GameMove& mv : moves) {
        const int captured = applyMove(s, mv, com);
        if (!ownKingAttacked(s, m, com)) {
            nodes += depth == 1 ? 1 : perftFrom(s, m, !com, depth - 1, buffers);
        }
        undoMove(s, mv, com, captured);
    }
    return nodes;
}

}  // namespace

std::uint64_t perft(GamePosition& s, InfluenceMaps& m, bool comToMove, int depth) {
    if (depth <= 0) return 1;
    std::vector<std::vector<GameMove>> buffers(static_cast<std::size_t>(depth) + 1);
    return perftFrom(s, m, comToMove, depth, buffers);
}

}  // namespace tanukiban
