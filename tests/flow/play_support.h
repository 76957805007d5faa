#pragma once
// Helpers for the scenario tests of whole games: a plain scripted player for
// the lower side, moves turned into clicks, positions set up by hand.
#include <optional>
#include <string>
#include <vector>

#include "display/board.h"
#include "rules/mate.h"
#include "rules/movegen.h"
#include "tests/flow/support/game_harness.h"

namespace tanukiban::testing {

// The clicks of a move for the lower player: the piece, then its destination.
// A drop is picked from the stand row of its pair.
inline void clickMove(GameHarness& h, const GameMove& mv) {
    if (mv.isDrop()) {
        const auto [x, y] = standSquareOf(mv.before);
        h.click(x, y);
    } else {
        h.click(mv.fromX, mv.fromY);
    }
    h.click(mv.toX, mv.toY);
}

// Takes the upper king or mates it when it can; otherwise the most valuable capture
// that leaves its own king safe, else the first safe move, else any move.
inline std::optional<GameMove> scriptedMove(const GameState& position) {
    GameState s = position;
    InfluenceMaps m;
    std::vector<GameMove> moves;
    generateMoves(s, false, moves);
    if (moves.empty()) return std::nullopt;
    std::optional<GameMove> best;
    int bestValue = -1;
    for (const GameMove& mv : moves) {
        const int taken = s.盤[mv.toX][mv.toY];
        if (taken == 王COM) return mv;
        const int captured = applyMove(s, mv, false);
        const bool safe = !ownKingAttacked(s, m, false);
        勢力調査(s.盤, m);
        const bool mates = 詰めかCOM(s, m) == OK;
        undoMove(s, mv, false, captured);
        if (mates) return mv;
        if (safe && taken > bestValue) {
            best = mv;
            bestValue = taken;
        }
    }
    return best ? best : moves.front();
}

// The position with only the pieces given; hands empty.
struct Placed {
    int x, y, code;
};
inline void setPosition(GameState& s, std::initializer_list<Placed> pieces) {
    for (auto& column : s.盤) column.fill(空桝);
    s.持駒MAN.fill(0);
    s.持駒COM.fill(0);
    s.持駒数MAN = s.持駒数COM = 0;
    for (const Placed& p : pieces) s.盤[p.x][p.y] = p.code;
}

inline void giveHand(GameState& s, bool com, int pair, int count) {
    (com ? s.持駒COM : s.持駒MAN)[pair] += count;
    (com ? s.持駒数COM : s.持駒数MAN) += count;
}

// How often a text was shown in a box with this title.
inline int shown(const FakePlatform& p, const std::string& text, const std::string& title) {
    int n = 0;
    for (const ShownMessage& m : p.messages) n += m.text == text && m.title == title;
    return n;
}

}  // namespace tanukiban::testing
