#pragma once
// The mate solver: depth-first proof-number search over the side to move's
// checks (drops of either face included) and every legal reply of the
// other side. A mate is a check the defender cannot answer with a legal
// move.
//
// Repetition: a position met again on the current line counts as an escape.
// A shortest mate never repeats a position, so this loses no mate; the
// verdicts it leads to hold only for that line and are never stored; at the
// root, whose line is itself alone, they are final. Proofs do not depend on
// the line, so every proof stored is sound.
//
// One solver serves one thread at a time; the stop flag may be set from any.
#include <atomic>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "engine/limits.h"
#include "engine/mate_table.h"
#include "engine/position.h"

namespace tanukiban::engine {

struct MateLimits {
    std::uint64_t nodes = 0;                  // positions to visit at most; 0 for no limit
    std::optional<TimePoint> deadline;        // give up here
    const std::atomic<bool>* stop = nullptr;  // the caller's stop request, if any
};

enum class MateStatus {
    Proven,     // the side to move mates: the line shows how
    Disproven,  // no sequence of checks mates
    Unknown,    // the limits ran out first, or the line grew too deep to say
};

struct MateResult {
    MateStatus status = MateStatus::Unknown;
    // For a proven mate: the attacker's checks and the defender's longest
    // resisting replies, ending in the mated position. A proof of 15 plies
    // or fewer gives way to the fastest mate when a plain search can afford
    // to find it. When the side to move can take the other king, that one
    // move.
    std::vector<Move> line;
    std::uint64_t nodes = 0;
};

class MateSolver {
  public:
    // The clock decides the deadline; without one only nodes and the stop
    // flag limit the search.
    explicit MateSolver(Clock clock = {}, std::size_t tableMegabytes = 16);

    // Resizing empties the table; memory is taken at the next solve.
    void setTableSize(std::size_t megabytes) { table_.resize(megabytes); }
    // Forgets everything proven.
    void clear() { table_.clear(); }

    MateResult solve(const Position& root, const MateLimits& limits);

    // Deepest line followed, in plies; a longer one counts as no mate and
    // the answer is then Unknown rather than Disproven.
    static constexpr int MaxPlies = 126;

  private:
    struct Values {
        std::uint32_t pn = 1;
        std::uint32_t dn = 1;
        std::uint16_t length = 0;    // plies to mate, once proven
        bool lineDependent = false;  // a disproof that leans on a repetition or the depth cap
    };
    struct Child {
        Move move;
        Values values;
    };
    struct Frame {
        Child children[MaxMoves];
        int count = 0;
    };
    struct Summary {
        Values values;
        int best = 0;                     // the child to search next, or the proving child
        std::uint32_t second = Infinite;  // the runner-up's deciding number
    };

    Values search(int ply, std::uint32_t thPn, std::uint32_t thDn);
    void expand(int ply, Frame& frame);
    Values initialValues(bool attacker);
    static Summary summarize(const Frame& frame, bool attacker);
    static void settleProof(const Frame& frame, bool attacker, Summary& s);
    void store(const Values& v, Move proving, std::uint64_t work);
    Key tableKey() const;
    const MateEntry* probe();
    bool onLine(Key key) const;
    void countNode();
    bool extractLine(std::vector<Move>& line);
    void shorten(std::vector<Move>& line);
    Move provenMove(int ply);
    std::uint16_t provenLength(int ply);

    Clock clock_;
    MateTable table_;
    std::vector<Frame> frames_;
    Position pos_;
    Color attacker_ = Lower;
    std::vector<Key> line_;  // keys from the root to the current node
    MateLimits limits_;
    std::unordered_map<Key, std::uint16_t> lengths_;  // by table key, while the line is read
    std::uint64_t lengthVisits_ = 0;
    std::uint64_t nodes_ = 0;
    bool aborted_ = false;
    bool depthCut_ = false;
};

}  // namespace tanukiban::engine
