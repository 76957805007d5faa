#pragma once
// Positions for the computer's tests, written as the board is drawn.
#include <utility>
#include <vector>

#include "computer/choice.h"
#include "rules/state.h"

namespace tanukiban::testing {

using Rows = BoardRows;

inline GameState position(const Rows& rows, Hand man = {}, Hand com = {}, int level = 3) {
    GameState s = positionFromRows(rows, man, com);
    s.COMレベル = level;
    return s;
}

// Where the scan takes a candidate from, as the evaluation is told: its
// square, or for a drop the upper stand's column of the face and the pair.
inline std::pair<int, int> scanSource(const GameMove& m) {
    if (!m.isDrop()) return {m.fromX, m.fromY};
    return {pairFace(m.pair, true, true) == m.before ? 敵持盤X2 : 敵持盤X1, m.pair};
}

// Every candidate of the upper side as scored by the choice.
struct ChoiceRun {
    std::vector<ScoredMove> candidates;
    std::optional<ScoredMove> best;
    int ticks = 0;
    bool restored = false;  // board and hands as they were before the choice

    const ScoredMove* find(int fx, int fy, int tx, int ty) const {
        for (const ScoredMove& c : candidates)
            if (scanSource(c.move) == std::pair{fx, fy} && c.move.toX == tx && c.move.toY == ty)
                return &c;
        return nullptr;
    }
};

inline ChoiceRun runChoice(GameState s, RandomSequence* random = nullptr) {
    ChoiceRun run;
    InfluenceMaps m;
    ComputerWork w;
    ChoiceHooks hooks;
    hooks.candidates = &run.candidates;
    hooks.tick = [&run] { ++run.ticks; };
    勢力調査(s.盤, m);
    const GameState before = s;
    run.best = chooseComputerMove(s, s.COMレベル, m, w, random, hooks);
    run.restored = s.盤 == before.盤 && s.持駒MAN == before.持駒MAN &&
                   s.持駒COM == before.持駒COM && s.持駒数MAN == before.持駒数MAN &&
                   s.持駒数COM == before.持駒数COM;
    return run;
}

// The score of one candidate, in tenths, at the given level.
inline int tenthsAt(GameState s, int level, int fx, int fy, int tx, int ty) {
    s.COMレベル = level;
    const ChoiceRun run = runChoice(s);
    const ScoredMove* c = run.find(fx, fy, tx, ty);
    return c ? c->score.tenths : -1234567;
}

}  // namespace tanukiban::testing

#include <random>

namespace tanukiban::testing {

// A random position (not necessarily reachable in play) with random hands;
// each king is left out now and then.
inline GameState randomPosition(std::mt19937& rng, int level) {
    static constexpr int kinds[] = {10, 11, 20, 30, 100, 110, 800, 900};
    GameState s;
    std::uniform_int_distribution<int> square(1, 5), count(0, 2), pieces(2, 12), kind(0, 7),
        coin(0, 9);
    auto put = [&](int code) {
        for (int tries = 0; tries < 50; ++tries) {
            const int x = square(rng), y = square(rng);
            if (s.盤[x][y] == 空桝) {
                s.盤[x][y] = code;
                return;
            }
        }
    };
    if (coin(rng) != 0) put(王COM);
    if (coin(rng) != 0) put(王MAN);
    const int n = pieces(rng);
    for (int i = 0; i < n; ++i) put(kinds[kind(rng)] * (coin(rng) < 5 ? 1 : -1));
    for (int p = 1; p <= 4; ++p) {
        s.持駒MAN[p] = coin(rng) < 6 ? 0 : count(rng);
        s.持駒COM[p] = coin(rng) < 6 ? 0 : count(rng);
        s.持駒数MAN += s.持駒MAN[p];
        s.持駒数COM += s.持駒COM[p];
    }
    s.COMレベル = level;
    return s;
}

}  // namespace tanukiban::testing
