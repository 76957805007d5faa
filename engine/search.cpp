#include "engine/search.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "engine/movegen.h"

namespace tanukiban::engine {

namespace {

// History is kept per side, source (a square, or 25 + the face dropped) and
// destination.
constexpr int kSources = SquareCount + KindCount;
constexpr int historyIndex(Color c, int source, Square to) {
    return (c * kSources + source) * SquareCount + to;
}
constexpr int kHistorySize = 2 * kSources * SquareCount;
constexpr int kHistoryMax = 16384;

int sourceOf(Move m) {
    return m.isDrop() ? SquareCount + m.dropFace() : m.from();
}

struct Reductions {
    int table[64][64];
    Reductions() {
        for (int d = 0; d < 64; ++d)
            for (int n = 0; n < 64; ++n)
                table[d][n] = d && n ? static_cast<int>(0.6 + std::log(d) * std::log(n) / 2.2) : 0;
    }
};
const Reductions kReductions;

int scoreToTable(int score, int ply) {
    return score >= MateBound ? score + ply : score <= -MateBound ? score - ply : score;
}
int scoreFromTable(int score, int ply) {
    return score >= MateBound ? score - ply : score <= -MateBound ? score + ply : score;
}

}  // namespace

class Searcher::Worker {
  public:
    Worker(Searcher& owner, const Position& root, const SearchLimits& limits)
        : owner_(owner),
          pos_(root),
          limits_(limits),
          w_(owner.weights_),
          f_(owner.features_),
          history_(owner.history_) {
        if (owner_.clock_) start_ = owner_.clock_();
        for (int k = 0; k < KindCount; ++k) {
            const int hand = k == King ? 0 : w_[term::Hand + pairOf(static_cast<Kind>(k))];
            const int board = k == King ? 0 : w_[term::Board + k];
            victimValue_[k] = std::max(1, board + hand);
        }
    }

    SearchResult run(const InfoCallback& info);

  private:
    struct Line {
        int score = 0;
        std::vector<Move> pv;
    };
    int aspirate(int depth, int previous);
    void report(const InfoCallback& info, int depth, int rank, const Line& line) const;
    bool excluded(Move m) const { return std::ranges::find(excluded_, m) != excluded_.end(); }
    int search(int alpha, int beta, int depth, int ply, bool nullAllowed);
    int quiesce(int alpha, int beta, int ply);
    void scoreMoves(const MoveList& list, int* scores, Move ttMove, int ply) const;
    static Move pickNext(MoveList& list, int* scores, int from);
    static void sortRest(MoveList& list, int* scores, int from);
    bool isCapture(Move m) const { return !m.isDrop() && pos_.pieceOn(m.to()) != NoPiece; }
    void checkLimits();
    Milliseconds elapsed() const {
        if (!owner_.clock_) return Milliseconds(0);
        return std::chrono::duration_cast<Milliseconds>(owner_.clock_() - start_);
    }
    bool stopRequested() const {
        return owner_.stopRequest_.load(std::memory_order_relaxed) ||
               (limits_.stop && limits_.stop->load(std::memory_order_relaxed));
    }
    void updatePv(int ply, Move m) {
        pv_[ply][ply] = m;
        for (int i = ply + 1; i < pvLength_[ply + 1]; ++i) pv_[ply][i] = pv_[ply + 1][i];
        pvLength_[ply] = pvLength_[ply + 1];
    }
    void rewardQuiet(Move m, int ply, int depth, const Move* tried, int triedCount);

    Searcher& owner_;
    Position pos_;
    const SearchLimits& limits_;
    const Weights& w_;
    const SearchFeatures& f_;
    std::vector<int>& history_;
    TimePoint start_{};
    int victimValue_[KindCount] = {};

    std::uint64_t nodes_ = 0;
    int seldepth_ = 0;
    int rootDepth_ = 0;
    bool stopped_ = false;
    // The root moves the lines above the one being searched have taken, and
    // the move to try first in their place.
    std::vector<Move> excluded_;
    Move rootHint_;
    Move killers_[MaxPly + 1][2] = {};
    Move pv_[MaxPly + 1][MaxPly + 1] = {};
    int pvLength_[MaxPly + 2] = {};
};

void Searcher::Worker::checkLimits() {
    if (stopRequested()) stopped_ = true;
    if (limits_.nodes && nodes_ >= limits_.nodes) stopped_ = true;
    if (!limits_.infinite && limits_.deadline && owner_.clock_ &&
        owner_.clock_() >= *limits_.deadline)
        stopped_ = true;
}

void Searcher::Worker::scoreMoves(const MoveList& list, int* scores, Move ttMove, int ply) const {
    const Color us = pos_.sideToMove();
    for (int i = 0; i < list.size; ++i) {
        const Move m = list.moves[i];
        int s;
        if (m == ttMove) {
            s = 1 << 30;
        } else if (isCapture(m)) {
            // Most valuable victim first, then least valuable attacker.
            s = (1 << 28) + victimValue_[kindOf(pos_.pieceOn(m.to()))] * 16 -
                kindOf(pos_.pieceOn(m.from()));
        } else if (m == killers_[ply][0]) {
            s = (1 << 27) + 1;
        } else if (m == killers_[ply][1]) {
            s = 1 << 27;
        } else {
            s = f_.history
                    ? history_[static_cast<std::size_t>(historyIndex(us, sourceOf(m), m.to()))]
                    : 0;
        }
        scores[i] = s;
    }
}

Move Searcher::Worker::pickNext(MoveList& list, int* scores, int from) {
    int best = from;
    for (int i = from + 1; i < list.size; ++i)
        if (scores[i] > scores[best]) best = i;
    std::swap(list.moves[from], list.moves[best]);
    std::swap(scores[from], scores[best]);
    return list.moves[from];
}

void Searcher::Worker::sortRest(MoveList& list, int* scores, int from) {
    // Insertion sort: the tail is mostly quiet moves in generation order.
    for (int i = from + 1; i < list.size; ++i) {
        const Move m = list.moves[i];
        const int sc = scores[i];
        int j = i;
        for (; j > from && scores[j - 1] < sc; --j) {
            list.moves[j] = list.moves[j - 1];
            scores[j] = scores[j - 1];
        }
        list.moves[j] = m;
        scores[j] = sc;
    }
}

void Searcher::Worker::rewardQuiet(Move m, int ply, int depth, const Move* tried, int triedCount) {
    if (f_.killers && killers_[ply][0] != m) {
        killers_[ply][1] = killers_[ply][0];
        killers_[ply][0] = m;
    }
    if (!f_.history) return;
    const Color us = pos_.sideToMove();
    const int bonus = std::min(depth * depth * 4, 2000);
    auto adjust = [&](Move q, int amount) {
        int& h = history_[static_cast<std::size_t>(historyIndex(us, sourceOf(q), q.to()))];
        h += amount - h * std::abs(amount) / kHistoryMax;
    };
    adjust(m, bonus);
    for (int i = 0; i < triedCount; ++i)
        if (tried[i] != m) adjust(tried[i], -bonus);
}

int Searcher::Worker::quiesce(int alpha, int beta, int ply) {
    pvLength_[ply] = ply;
    if ((++nodes_ & 255) == 0) checkLimits();
    if (stopped_) return 0;
    seldepth_ = std::max(seldepth_, ply);
    const bool inCheck = pos_.inCheck();
    if (ply >= MaxPly) return inCheck ? 0 : evaluate(pos_, w_);

    int best = -InfiniteScore;
    if (!inCheck) {
        best = evaluate(pos_, w_);
        if (best >= beta) return best;
        alpha = std::max(alpha, best);
    }
    MoveList list;
    generateMoves(pos_, list, GenType::Captures);
    if (inCheck && list.size == 0) return -MateScore + ply;
    int scores[MaxMoves];
    scoreMoves(list, scores, Move(), ply);
    for (int i = 0; i < list.size; ++i) {
        const Move m = pickNext(list, scores, i);
        pos_.make(m);
        const int score = -quiesce(-beta, -alpha, ply + 1);
        pos_.unmake(m);
        if (stopped_) return 0;
        if (score > best) {
            best = score;
            if (score > alpha) {
                alpha = score;
                updatePv(ply, m);
                if (score >= beta) break;
            }
        }
    }
    return best;
}

int Searcher::Worker::search(int alpha, int beta, int depth, int ply, bool nullAllowed) {
    if (depth <= 0) return quiesce(alpha, beta, ply);
    pvLength_[ply] = ply;
    if ((++nodes_ & 255) == 0) checkLimits();
    if (stopped_) return 0;
    seldepth_ = std::max(seldepth_, ply);
    const bool root = ply == 0;
    const bool restricted = root && !excluded_.empty();
    const bool pvNode = beta - alpha > 1;

    if (!root) {
        if (pos_.repeated() || (limits_.pliesToDraw && ply >= *limits_.pliesToDraw)) return 0;
        // No line from here can beat a mate already found nearer the root.
        alpha = std::max(alpha, -MateScore + ply);
        beta = std::min(beta, MateScore - ply - 1);
        if (alpha >= beta) return alpha;
        if (ply >= MaxPly) return pos_.inCheck() ? 0 : evaluate(pos_, w_);
    }

    const Key key = pos_.key();
    const TTEntry* entry = owner_.table_.probe(key);
    Move ttMove = entry ? Move::fromRaw(entry->move) : Move();
    if (entry && !pvNode && entry->depth >= depth) {
        const int score = scoreFromTable(entry->score, ply);
        const Bound b = entry->bound();
        if (b == Bound::Exact || (b == Bound::Lower && score >= beta) ||
            (b == Bound::Upper && score <= alpha))
            return score;
    }

    if (restricted) ttMove = rootHint_;
    if (ttMove && !isLegal(pos_, ttMove)) ttMove = Move();
    // Without a hash move the ordering is a guess: a shallower look costs
    // little, and the next iteration comes back with a move to try first.
    if (f_.internalReduction && !ttMove && depth >= 4 && !restricted) --depth;
    const bool inCheck = pos_.inCheck();
    const int staticEval = inCheck ? -InfiniteScore : entry ? entry->eval : evaluate(pos_, w_);

    if (!pvNode && !inCheck) {
        // A position far above beta with little depth left is not searched,
        // unless the side to move has no move and so has lost.
        if (f_.futility && depth <= 3 && staticEval - 120 * depth >= beta &&
            staticEval < MateBound && hasLegalMove(pos_))
            return staticEval;
        // Far below alpha near the leaves, only a capture could help: ask the
        // quiescence search, and believe it when it agrees.
        if (f_.razoring && depth <= 2 && staticEval + 250 * depth < alpha) {
            const int score = quiesce(alpha, beta, ply);
            if (stopped_) return 0;
            if (score <= alpha) return score;
        }
        // Passing still holds beta: a real move would do better.
        if (f_.nullMove && nullAllowed && depth >= 3 && staticEval >= beta && beta > -MateBound) {
            const int r = 2 + depth / 4;
            pos_.makeNull();
            const int score = -search(-beta, -beta + 1, depth - 1 - r, ply + 1, false);
            pos_.unmakeNull();
            if (stopped_) return 0;
            if (score >= beta) return score >= MateBound ? beta : score;
        }
    }

    Move quietsTried[64];
    int quietCount = 0;
    int best = -InfiniteScore;
    Move bestMove;
    const int oldAlpha = alpha;
    int tried = 0;
    int seen = 0;  // moves looked at, pruned ones included
    // Searches one move; true when it refutes the position.
    auto visit = [&](Move m) {
        const bool quiet = !isCapture(m);
        owner_.table_.prefetch(pos_.keyAfter(m));
        pos_.make(m);
        const bool givesCheck = pos_.inCheck();
        ++seen;
        // Near the leaves, quiet moves are skipped when they cannot lift a
        // hopeless position, or when they come late: drops make most moves
        // quiet, and late ones rarely matter.
        const bool prunable = !pvNode && !inCheck && quiet && !givesCheck && best > -MateBound;
        const bool futile =
            f_.futility && depth <= 2 && tried > 0 && staticEval + 150 * depth <= alpha;
        const bool late = f_.moveCountPruning && depth <= 4 && seen > 3 + depth * depth;
        if (prunable && (futile || late)) {
            pos_.unmake(m);
            return false;
        }
        int newDepth = depth - 1;
        if (f_.checkExtension && givesCheck && ply < 2 * rootDepth_) ++newDepth;
        int score;
        if (tried == 0) {
            score = -search(-beta, -alpha, newDepth, ply + 1, true);
        } else {
            int r = 0;
            if (f_.lateMoveReductions && depth >= 3 && quiet && !givesCheck && !inCheck &&
                m != killers_[ply][0] && m != killers_[ply][1]) {
                r = kReductions.table[std::min(depth, 63)][std::min(tried, 63)];
                if (pvNode) r = std::max(0, r - 1);
                r = std::min(r, newDepth - 1);
            }
            score = -search(-alpha - 1, -alpha, newDepth - r, ply + 1, true);
            if (score > alpha && r > 0)
                score = -search(-alpha - 1, -alpha, newDepth, ply + 1, true);
            if (score > alpha && score < beta)
                score = -search(-beta, -alpha, newDepth, ply + 1, true);
        }
        pos_.unmake(m);
        ++tried;
        if (stopped_) return true;
        if (score > best) {
            best = score;
            if (score > alpha) {
                alpha = score;
                bestMove = m;
                updatePv(ply, m);
                if (score >= beta) {
                    if (quiet) rewardQuiet(m, ply, depth, quietsTried, quietCount);
                    return true;
                }
            }
        }
        if (quiet && quietCount < 64) quietsTried[quietCount++] = m;
        return false;
    };

    // The hash move is tried before the others are generated: it often
    // refutes the position on its own.
    bool cut = ttMove && visit(ttMove);
    if (stopped_) return 0;
    if (!cut) {
        MoveList list;
        generateMoves(pos_, list);
        if (list.size == 0) return -MateScore + ply;  // no legal move: lost
        int scores[MaxMoves];
        scoreMoves(list, scores, ttMove, ply);
        for (int i = 0; i < list.size; ++i) {
            // The few best by selection; the rest, rarely reached, sorted once.
            if (i == 4) sortRest(list, scores, i);
            const Move m = i < 4 ? pickNext(list, scores, i) : list.moves[i];
            if (m == ttMove || (restricted && excluded(m))) continue;
            if (visit(m)) break;
        }
        if (stopped_) return 0;
    }

    // A root searched without some of its moves is no answer for the table.
    if (restricted) return best;
    const Bound bound = best >= beta ? Bound::Lower : best > oldAlpha ? Bound::Exact : Bound::Upper;
    owner_.table_.store(key, bestMove ? bestMove : ttMove, scoreToTable(best, ply),
                        inCheck ? 0 : staticEval, depth, bound);
    return best;
}

int Searcher::Worker::aspirate(int depth, int previous) {
    int delta = 40;
    int alpha = -InfiniteScore, beta = InfiniteScore;
    if (f_.aspiration && depth >= 4 && !isMateScore(previous)) {
        alpha = previous - delta;
        beta = previous + delta;
    }
    for (;;) {
        const int score = search(alpha, beta, depth, 0, false);
        if (stopped_) return score;
        if (score <= alpha) {
            alpha = std::max(-InfiniteScore, alpha - delta);
        } else if (score >= beta) {
            beta = std::min(InfiniteScore, beta + delta);
        } else {
            return score;
        }
        delta *= 2;
        if (delta > 1000) alpha = -InfiniteScore, beta = InfiniteScore;
    }
}

void Searcher::Worker::report(const InfoCallback& info, int depth, int rank,
                              const Line& line) const {
    SearchInfo out;
    out.multipv = rank;
    out.depth = depth;
    out.seldepth = seldepth_;
    out.score = line.score;
    out.nodes = nodes_;
    out.time = elapsed();
    out.hashfull = owner_.table_.hashfull();
    out.pv = line.pv;
    info(out);
}

SearchResult Searcher::Worker::run(const InfoCallback& info) {
    SearchResult result;
    MoveList rootMoves;
    generateMoves(pos_, rootMoves);
    if (rootMoves.size == 0) {
        result.score = -MateScore;
        return result;
    }
    result.best = rootMoves.moves[0];
    const int maxDepth =
        limits_.infinite || limits_.depth <= 0 ? MaxPly - 1 : std::min(limits_.depth, MaxPly - 1);
    const auto lineCount = static_cast<std::size_t>(std::clamp(limits_.multiPv, 1, rootMoves.size));
    std::vector<Line> lines(lineCount), previous(lineCount);
    for (int depth = 1; depth <= maxDepth; ++depth) {
        rootDepth_ = depth;
        seldepth_ = 0;
        // Each line searches the root without the moves of the lines above it.
        excluded_.clear();
        for (std::size_t j = 0; j < lineCount && !stopped_; ++j) {
            if (j > 0) {
                excluded_.push_back(lines[j - 1].pv.front());
                // Last iteration's choice for this rank orders best, unless
                // a line above has taken it this time.
                rootHint_ = Move();
                for (std::size_t i = j; i < lineCount && !rootHint_; ++i)
                    if (!previous[i].pv.empty() && !excluded(previous[i].pv.front()))
                        rootHint_ = previous[i].pv.front();
            }
            const int score = aspirate(depth, previous[j].score);
            if (!stopped_) {
                lines[j].score = score;
                lines[j].pv.assign(pv_[0], pv_[0] + pvLength_[0]);
            }
            if (j > 0) continue;
            if (!stopped_) {
                result.pv = lines[0].pv;
                result.best = pv_[0][0];
                result.score = score;
                result.depth = depth;
            } else if (pvLength_[0] > 0 && pv_[0][0]) {
                // A move searched to the end in the stopped iteration beat the
                // rest so far: it is the better guess.
                result.pv.assign(pv_[0], pv_[0] + pvLength_[0]);
                result.best = pv_[0][0];
            }
        }
        if (stopped_) break;
        if (lineCount > 1) {
            // A line searched later may still score above an earlier one.
            std::ranges::stable_sort(lines, std::ranges::greater{}, &Line::score);
            result.pv = lines[0].pv;
            result.best = lines[0].pv.front();
            result.score = lines[0].score;
        }
        previous = lines;
        if (info) {
            if (limits_.multiPv <= 1) {
                report(info, depth, 0, lines[0]);
            } else {
                for (std::size_t j = 0; j < lineCount; ++j)
                    report(info, depth, static_cast<int>(j) + 1, lines[j]);
            }
        }
        if (stopRequested()) break;
        if (!limits_.infinite) {
            const int score = lines[0].score;
            if (isMateScore(score) && depth > std::abs(matePlies(score)) + 2) break;
            if (limits_.softDeadline && owner_.clock_ && owner_.clock_() >= *limits_.softDeadline)
                break;
        }
    }
    result.nodes = nodes_;
    if (result.pv.size() > 1) result.ponder = result.pv[1];
    return result;
}

Searcher::Searcher(Clock clock, std::size_t hashMegabytes)
    : clock_(std::move(clock)),
      table_(hashMegabytes),
      weights_(defaultWeights()),
      history_(kHistorySize, 0) {}

Searcher::~Searcher() = default;

void Searcher::setHashSize(std::size_t megabytes) {
    table_.resize(megabytes);
}

void Searcher::newGame() {
    table_.clear();
    std::fill(history_.begin(), history_.end(), 0);
}

void Searcher::setWeights(const Weights& w) {
    weights_ = w;
    table_.clear();
}

void Searcher::setFeatures(const SearchFeatures& f) {
    features_ = f;
}

SearchResult Searcher::search(const Position& root, const SearchLimits& limits,
                              const InfoCallback& info) {
    stopRequest_.store(false, std::memory_order_relaxed);
    if (const Move take = root.kingCapture()) {
        SearchResult r;
        r.best = take;
        r.score = MateScore - 1;
        r.pv = {take};
        return r;
    }
    table_.newSearch();
    // History from earlier searches still orders well, but less so.
    for (int& h : history_) h /= 2;
    Worker worker(*this, root, limits);
    return worker.run(info);
}

}  // namespace tanukiban::engine
