#include "players/review.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "engine/convert.h"
#include "rules/movegen.h"

namespace tanukiban::players {

// What the search made of one position of the game.
struct PositionVerdict {
    enum class Kind { Analysed, Cancelled, Unusable } kind = Kind::Analysed;
    engine::Color side = engine::Lower;  // to move
    int score = 0;                       // for the side to move
    engine::Move best;
    engine::Placement position;
    bool kingEnPrise = false;  // the side to move may take the other king
};

namespace {

engine::Color moverOf(const MoveList& list, int ply) {
    return isMan(list.手順元駒[ply]) ? engine::Lower : engine::Upper;
}

// The ply's move, or nothing when a field would take it off the board or
// the stands.
std::optional<GameMove> gameMove(const MoveList& list, int ply) {
    const Ply p = list.ply(ply);
    if (!onBoard(p.先X, p.先Y) || !isPieceCode(p.元駒) || !isPieceCode(p.先駒)) return std::nullopt;
    if (isStand(p.元X)) {
        const int pair = facePair(p.元駒);
        if (pair < 1 || pair > 4) return std::nullopt;
        return GameMove::drop(p.元駒, p.先X, p.先Y);
    }
    if (!onBoard(p.元X, p.元Y)) return std::nullopt;
    return GameMove::onBoard(p.元X, p.元Y, p.先X, p.先Y, p.元駒, p.先駒);
}

// The engine's description of a ply, legal or not.
engine::Move engineMove(const GameMove& m) {
    const engine::Square to = engine::squareAt(m.toX, m.toY);
    if (!m.isDrop()) return engine::Move::board(engine::squareAt(m.fromX, m.fromY), to);
    return engine::Move::drop(engine::kindOf(engine::pieceFromCode(m.before)), to);
}

bool hasKing(const GamePosition& s, engine::Color side) {
    const int king = side == engine::Lower ? 王MAN : 王COM;
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) {
            if (s.盤[x][y] == king) return true;
        }
    }
    return false;
}

ReviewedPly reviewedPly(int k, const GameMove& move, const PositionVerdict& was,
                        const PositionVerdict& is) {
    ReviewedPly r;
    r.ply = k;
    r.mover = was.side;
    r.position = was.position;
    r.played = engineMove(move);
    r.best = was.best;
    r.before = seenBy(was.score, was.side, engine::Lower);
    r.after = seenBy(is.score, is.side, engine::Lower);
    const int best = seenBy(was.score, was.side, r.mover);
    const int played = seenBy(is.score, is.side, r.mover);
    // The best move's own line may read differently a ply later; it lost nothing.
    r.loss = r.played == r.best ? 0 : std::max(0, best - played);
    r.mark = markOf(r.loss, best, played, is.kingEnPrise);
    return r;
}

ReviewStatus statusOf(PositionVerdict::Kind kind) {
    return kind == PositionVerdict::Kind::Cancelled ? ReviewStatus::Cancelled
                                                    : ReviewStatus::Unusable;
}

}  // namespace

GameReviewer::GameReviewer(engine::Clock clock, std::size_t hashMegabytes)
    : clock_(clock), player_(std::move(clock), hashMegabytes) {}

PositionVerdict GameReviewer::analyse(const GamePosition& s, engine::Color side, int played,
                                      const ReviewBudget& budget, const std::atomic<bool>* stop) {
    PositionVerdict v;
    v.side = side;
    std::optional<engine::Position> pos = engine::positionFromGame(s, side);
    if (!pos) {
        // The last ply took this side's king: the game is over, and lost.
        if (!hasKing(s, side) && hasKing(s, ~side)) {
            v.score = LostScore;
        } else {
            v.kind = PositionVerdict::Kind::Unusable;
        }
        return v;
    }
    pos->setPriorKeys(keys_);
    keys_.push_back(pos->key());
    v.position = pos->placement();
    v.kingEnPrise = static_cast<bool>(pos->kingCapture());

    Budget search;
    search.limits.stop = stop;
    search.limits.pliesToDraw = 手順上限 - played;
    if (budget.nodes > 0) {
        search.limits.nodes = budget.nodes;
    } else {
        search.limits.deadline = clock_() + budget.perPosition;
    }
    Turn turn;
    turn.upper = side == engine::Upper;
    turn.position = std::move(pos);
    const Answer answer = player_.choose(turn, search);
    if (stop && stop->load(std::memory_order_relaxed)) {
        v.kind = PositionVerdict::Kind::Cancelled;
        return v;
    }
    v.best = answer.best;
    v.score = answer.outcome == Outcome::Moved ? reviewScore(answer.score) : LostScore;
    return v;
}

Review GameReviewer::review(const ReviewedGame& game, const ReviewBudget& budget,
                            const std::atomic<bool>* stop, const Progress& progress) {
    Review out;
    const int plies = std::clamp(game.plies, 0, 手順上限);
    if (plies == 0) return out;
    player_.newGame();
    keys_.clear();
    out.plies.reserve(static_cast<std::size_t>(plies));

    // The evaluation after ply k is the one before ply k + 1: each position
    // is searched once.
    GamePosition s = game.start;
    PositionVerdict was = analyse(s, moverOf(game.list, 1), 0, budget, stop);
    for (int k = 1;; ++k) {
        if (was.kind != PositionVerdict::Kind::Analysed) {
            out.status = statusOf(was.kind);
            return out;
        }
        if (progress) progress(k, plies + 1);
        if (k > plies) return out;
        const std::optional<GameMove> move = gameMove(game.list, k);
        if (!move) {
            out.status = ReviewStatus::Unusable;
            return out;
        }
        const engine::Color mover = moverOf(game.list, k);
        applyMove(s, *move, mover == engine::Upper);
        const engine::Color next = k < plies ? moverOf(game.list, k + 1) : ~mover;
        const PositionVerdict is = analyse(s, next, k, budget, stop);
        if (is.kind == PositionVerdict::Kind::Analysed) {
            out.plies.push_back(reviewedPly(k, *move, was, is));
        }
        was = is;
    }
}

}  // namespace tanukiban::players
