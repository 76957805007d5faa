#pragma once
// The search: iterative deepening alpha-beta with principal variation
// search and aspiration windows, a transposition table, quiescence search,
// move ordering (hash move, captures by victim and attacker, killers,
// history), check extension, mate scores, futility pruning, move count
// pruning, razoring, late move reductions and a shallower search where the
// table has no move; null move is there to be switched on and measured. A
// repeated position and the ply that reaches the game's length limit score
// as a draw.
//
// One Searcher serves one thread at a time; stop() may be called from any
// thread and is answered within a millisecond or so.
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/evaluate.h"
#include "engine/limits.h"
#include "engine/position.h"
#include "engine/transposition.h"

namespace tanukiban::engine {

inline constexpr int MaxPly = 128;
inline constexpr int MateScore = 32000;  // mate at the root; mate in n plies is MateScore − n
inline constexpr int MateBound = MateScore - MaxPly;  // scores beyond it are mates
inline constexpr int InfiniteScore = MateScore + 1;

inline bool isMateScore(int score) {
    return score >= MateBound || score <= -MateBound;
}
// Plies to the mate a mate score announces: positive when the side to move
// mates, negative when it is mated.
inline int matePlies(int score) {
    return score > 0 ? MateScore - score : -(MateScore + score);
}

struct SearchLimits {
    int depth = 0;                          // iterations to complete; 0 for no limit
    std::uint64_t nodes = 0;                // nodes to visit at most; 0 for no limit
    std::optional<TimePoint> deadline;      // stop searching here
    std::optional<TimePoint> softDeadline;  // start no new iteration after this
    bool infinite = false;  // until stopped (depth and deadlines are ignored); the search
                            // may still end by itself at MaxPly, the caller then waits
    // Plies the game may still last before its length draws it; none where
    // the caller owns its game's end (a USI front end).
    std::optional<int> pliesToDraw;
    const std::atomic<bool>* stop = nullptr;  // the caller's own stop request, if any
    // Best root moves to find, each with its own line; fewer when the side
    // to move has fewer moves. More than one costs a search of the root per line.
    int multiPv = 1;
};

// One line of progress, after every completed iteration; with several lines,
// one for each, best first.
struct SearchInfo {
    int multipv = 0;  // the line's rank from 1 when several are searched, else 0
    int depth = 0;
    int seldepth = 0;
    int score = 0;  // centipawns from the side to move's view, or a mate score
    std::uint64_t nodes = 0;
    Milliseconds time{0};
    int hashfull = 0;  // per mille
    std::vector<Move> pv;
};
using InfoCallback = std::function<void(const SearchInfo&)>;

struct SearchResult {
    Move best;    // no move when the side to move has no legal move (it has lost)
    Move ponder;  // the expected answer, if known
    int score = 0;
    int depth = 0;  // last completed iteration
    std::uint64_t nodes = 0;
    std::vector<Move> pv;
};

// Switches for measuring what each part of the search is worth. Null move
// showed no gain in self-play at 20 000, 100 000 and 300 000 nodes a move
// (49.4 % over 1000 games at 100 000 nodes), so it is off. Late move
// reductions gain little but steadily: 52.2 % over 1000 games at 100 000
// nodes, 51.1 % over 600 at 300 000, the pairs they won outright 66 to 37.
// Move count pruning scored 56.2 % over 600 games at 100 000 nodes, and
// razoring on top of it 55.4 % over 400 (colour-swapped, 2-ply openings).
struct SearchFeatures {
    bool nullMove = false;
    bool lateMoveReductions = true;
    bool futility = true;
    bool checkExtension = true;
    bool killers = true;
    bool history = true;
    bool aspiration = true;
    bool internalReduction = true;
    bool moveCountPruning = true;
    bool razoring = true;
};

class Searcher {
  public:
    // The clock decides deadlines and the times reported; without one only
    // depth, nodes and stop limit the search, and times read zero.
    explicit Searcher(Clock clock = {}, std::size_t hashMegabytes = 16);
    ~Searcher();
    Searcher(const Searcher&) = delete;
    Searcher& operator=(const Searcher&) = delete;

    // Resizing empties the table; memory is taken at the next search.
    void setHashSize(std::size_t megabytes);
    // Forgets everything learnt (table, history) before a new game.
    void newGame();
    void setWeights(const Weights& w);
    void setFeatures(const SearchFeatures& f);

    // Searches the position (repetitions count against the keys it holds,
    // see Position::setPriorKeys) and returns the best move found. When the
    // side to move could take the other king, that move is returned at once.
    SearchResult search(const Position& root, const SearchLimits& limits,
                        const InfoCallback& info = {});
    // Asks a running search to stop; a search clears the request when it starts.
    void stop() { stopRequest_.store(true, std::memory_order_relaxed); }

  private:
    class Worker;
    Clock clock_;
    TranspositionTable table_;
    Weights weights_;
    SearchFeatures features_;
    std::atomic<bool> stopRequest_{false};
    std::vector<int> history_;
};

}  // namespace tanukiban::engine
