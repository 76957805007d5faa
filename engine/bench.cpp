#include "engine/bench.h"

#include <cstring>
#include <span>

namespace tanukiban::engine {

std::optional<Position> positionFromText(const char* rows, const int (&lowerHand)[PairCount],
                                         const int (&upperHand)[PairCount], Color sideToMove) {
    static constexpr char kLetters[] = "PTLNSGBRK";
    Placement p;
    Square s = 0;
    for (const char* c = rows; *c; ++c) {
        if (*c == '/') continue;
        if (s >= SquareCount) return std::nullopt;
        if (*c != '.') {
            const bool upper = *c >= 'a' && *c <= 'z';
            const char letter = upper ? static_cast<char>(*c - 'a' + 'A') : *c;
            const char* found = std::strchr(kLetters, letter);
            if (!found || letter == '\0') return std::nullopt;
            p.board[s] = makePiece(upper ? Upper : Lower, static_cast<Kind>(found - kLetters));
        }
        ++s;
    }
    if (s != SquareCount) return std::nullopt;
    for (int pair = 0; pair < PairCount; ++pair) {
        p.hand[Lower][pair] = lowerHand[pair];
        p.hand[Upper][pair] = upperHand[pair];
    }
    p.sideToMove = sideToMove;
    Position pos;
    if (!pos.set(p)) return std::nullopt;
    return pos;
}

namespace {

struct BenchText {
    const char* rows;
    int lower[PairCount];
    int upper[PairCount];
    Color side;
};

// From the engine's own games after random openings.
constexpr BenchText kPositions[] = {
    {"p.k../..nb./...G./L...r/.SK..", {0, 1, 0, 0}, {0, 0, 0, 0}, Upper},
    {"p..../k.BG./...../.n.../.K..t", {0, 0, 0, 1}, {1, 1, 0, 0}, Lower},
    {"p.k.t/..n../...../L..P./.K.G.", {0, 0, 0, 1}, {0, 0, 0, 1}, Upper},
    {".gk../....l/...Gt/....r/pSK..", {0, 0, 0, 1}, {0, 0, 0, 0}, Lower},
    {"p.k../n..../....g/L.Bt./.K..P", {0, 0, 0, 1}, {0, 0, 0, 0}, Upper},
    {"....t/..k../T.b.r/..K.N/....N", {0, 0, 0, 1}, {1, 0, 0, 0}, Upper},
    {"B..k./n...l/...../...../T.KGP", {1, 0, 0, 0}, {0, 0, 0, 1}, Lower},
    {".gk.t/...../.lS../...KN/....P", {1, 0, 0, 0}, {0, 0, 0, 1}, Lower},
    {"p.k../n...b/...../L...N/.S.KP", {0, 1, 0, 0}, {0, 0, 0, 0}, Upper},
    {".g.sR/r.k../...../.L.../.S.K.", {0, 1, 0, 0}, {0, 0, 1, 0}, Lower},
    {"..k../..b../..T../L..KR/.....", {1, 0, 1, 0}, {0, 0, 1, 1}, Upper},
    {"....k/r...n/..T../B..../T.KGr", {0, 0, 0, 1}, {0, 0, 0, 0}, Lower},
};

// From the engine's own games: the side to move mates in 3 to 13 plies at
// the fastest.
constexpr BenchText kMatePositions[] = {
    {"....P/..Bk./.Sl../...K./.....", {1, 1, 2, 0}, {0, 0, 0, 0}, Lower},
    {"...b./lpk../N..../...../K.t.P", {0, 0, 0, 0}, {0, 0, 1, 1}, Upper},
    {"bg.../...../...k./.KP../.....", {1, 1, 0, 0}, {0, 1, 1, 1}, Upper},
    {"ntk../..g../..S../....R/..K..", {0, 1, 0, 1}, {1, 0, 0, 0}, Lower},
    {".k.../r.r../...../.TNK./.....", {0, 1, 1, 1}, {0, 0, 0, 1}, Lower},
    {"T..k./..b../..K../.pB.n/.....", {0, 0, 0, 0}, {1, 1, 1, 0}, Upper},
    {"p..st/...../.kt../..N.R/.S.K.", {0, 0, 0, 0}, {0, 0, 1, 0}, Upper},
    {".P.kt/K..../..Gb./...S./T...G", {1, 0, 0, 0}, {0, 0, 0, 0}, Lower},
    {".T..k/..p.b/....N/....N/.l..K", {1, 0, 0, 0}, {0, 0, 0, 1}, Lower},
    {".l.../..k../...N./....R/rBK..", {0, 0, 1, 0}, {0, 1, 0, 1}, Upper},
};

std::vector<Position> positionsOf(std::span<const BenchText> texts) {
    std::vector<Position> out;
    for (const BenchText& b : texts) {
        if (auto pos = positionFromText(b.rows, b.lower, b.upper, b.side)) out.push_back(*pos);
    }
    return out;
}

}  // namespace

std::vector<Position> benchPositions() {
    return positionsOf(kPositions);
}

std::vector<Position> mateBenchPositions() {
    return positionsOf(kMatePositions);
}

std::uint64_t benchNodeCount(int depth) {
    std::uint64_t nodes = 0;
    for (const Position& pos : benchPositions()) {
        Searcher searcher({}, 16);
        SearchLimits limits;
        limits.depth = depth;
        nodes += searcher.search(pos, limits).nodes;
    }
    return nodes;
}

}  // namespace tanukiban::engine
