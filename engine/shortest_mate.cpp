#include "engine/shortest_mate.h"

#include "engine/checks.h"
#include "engine/movegen.h"

namespace tanukiban::engine {

namespace {

constexpr int kNoMate = 1 << 20;

class Search {
  public:
    Search(Position& pos, std::uint64_t nodes, const Clock& clock, const MateLimits& limits)
        : pos_(pos), budget_(nodes), clock_(clock), limits_(limits) {}

    bool stopped() const { return stopped_; }
    std::uint64_t nodes() const { return nodes_; }

    // Plies to the fastest mate within limit plies (attacker to move), or
    // kNoMate; the line in *line. A mate of enough plies or fewer ends the
    // search at once: the defender above already has a longer one.
    int attack(int limit, int enough, std::vector<Move>& line) {
        if (limit < 1) return kNoMate;
        MoveList checks;
        generateChecks(pos_, checks);
        int best = kNoMate;
        std::vector<Move> below;
        for (const Move m : checks) {
            pos_.make(m);
            const int d = count() ? defend(limit - 1, below) : kNoMate;
            pos_.unmake(m);
            if (stopped_) return kNoMate;
            if (d == kNoMate) continue;
            best = d + 1;
            line.assign(1, m);
            line.insert(line.end(), below.begin(), below.end());
            limit = best - 2;  // only a faster mate is of interest now
            if (best <= enough || limit < 1) break;
        }
        return best;
    }

  private:
    // Plies to mate against the longest defence within limit plies
    // (defender to move, in check), or kNoMate when some reply holds out.
    int defend(int limit, std::vector<Move>& line) {
        MoveList replies;
        generateMoves(pos_, replies);
        line.clear();
        if (replies.size == 0) return 0;
        if (limit < 2) return kNoMate;
        int worst = 0;
        std::vector<Move> below;
        for (const Move r : replies) {
            pos_.make(r);
            // A reply matters only if it holds out longer than the worst so far.
            const int d = count() ? attack(limit - 1, worst - 1, below) : kNoMate;
            pos_.unmake(r);
            if (stopped_ || d == kNoMate) return kNoMate;
            if (d + 1 > worst) {
                worst = d + 1;
                line.assign(1, r);
                line.insert(line.end(), below.begin(), below.end());
            }
        }
        return worst;
    }

    // Counts a node; false once the search must stop.
    bool count() {
        if (++nodes_ > budget_) stopped_ = true;
        if ((nodes_ & 1023) == 0) {
            if (limits_.stop && limits_.stop->load(std::memory_order_relaxed)) stopped_ = true;
            if (limits_.deadline && clock_ && clock_() >= *limits_.deadline) stopped_ = true;
        }
        return !stopped_;
    }

    Position& pos_;
    std::uint64_t budget_;
    const Clock& clock_;
    const MateLimits& limits_;
    std::uint64_t nodes_ = 0;
    bool stopped_ = false;
};

}  // namespace

ShortestMate shortestMate(Position& pos, int maxPlies, std::uint64_t nodes, const Clock& clock,
                          const MateLimits& limits) {
    // Deepening by two plies at a time finds a short mate before the search
    // has spent its budget on the deepest lines of other checks.
    Search search(pos, nodes, clock, limits);
    ShortestMate result;
    for (int limit = 1; limit <= maxPlies && !search.stopped(); limit += 2) {
        if (search.attack(limit, 0, result.line) != kNoMate && !search.stopped()) break;
        result.line.clear();
    }
    result.nodes = search.nodes();
    return result;
}

}  // namespace tanukiban::engine
