#include "engine/mate_solver.h"

#include <algorithm>

#include "engine/checks.h"
#include "engine/movegen.h"
#include "engine/shortest_mate.h"

namespace tanukiban::engine {

namespace {

std::uint32_t saturatedSum(std::uint32_t a, std::uint32_t b) {
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(std::uint64_t{a} + b, MaxNumber));
}

// The threshold that lets the best child run until it is no longer clearly
// ahead of the runner-up; the margin spares most of the switching back and
// forth between two close children.
std::uint32_t siblingThreshold(std::uint32_t limit, std::uint32_t second) {
    const std::uint64_t t = std::uint64_t{second} + second / 4 + 1;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(limit, t));
}

// The share of the parent's threshold left to the child: what the other
// children do not already take.
std::uint32_t remainingThreshold(std::uint32_t limit, std::uint32_t total, std::uint32_t own) {
    const std::uint64_t t = std::uint64_t{limit} - total + own;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(t, Infinite));
}

// The attacker tries only checks; the defender every legal reply.
void generateFor(bool attacker, const Position& pos, MoveList& moves) {
    if (attacker) {
        generateChecks(pos, moves);
    } else {
        generateMoves(pos, moves);
    }
}

}  // namespace

MateSolver::MateSolver(Clock clock, std::size_t tableMegabytes)
    : clock_(std::move(clock)), table_(tableMegabytes) {}

MateResult MateSolver::solve(const Position& root, const MateLimits& limits) {
    MateResult result;
    if (const Move take = root.kingCapture()) {
        result.status = MateStatus::Proven;
        result.line = {take};
        return result;
    }
    if (frames_.empty()) frames_.resize(MaxPlies + 2);
    limits_ = limits;
    nodes_ = 0;
    aborted_ = false;
    depthCut_ = false;
    pos_ = root;
    attacker_ = root.sideToMove();
    line_.assign(1, root.key());

    const Values v = search(0, Infinite, Infinite);
    if (v.pn == 0 && extractLine(result.line)) {
        result.status = MateStatus::Proven;
        shorten(result.line);
    } else if (v.dn == 0 && !depthCut_) {
        result.status = MateStatus::Disproven;
    }
    result.nodes = nodes_;
    return result;
}

void MateSolver::shorten(std::vector<Move>& line) {
    // The proof search stops at the first mate it proves; a plain search
    // finds the fastest one when the line is short enough for it to afford.
    constexpr std::size_t kLongest = 15;
    constexpr std::uint64_t kNodes = 200000;
    std::uint64_t budget = kNodes;
    if (limits_.nodes)
        budget = std::min(budget, limits_.nodes > nodes_ ? limits_.nodes - nodes_ : 0);
    if (line.size() < 3 || line.size() > kLongest || budget == 0) return;
    const int plies = static_cast<int>(line.size()) - 2;
    ShortestMate shorter = shortestMate(pos_, plies, budget, clock_, limits_);
    nodes_ += shorter.nodes;
    if (!shorter.line.empty()) line = std::move(shorter.line);
}

void MateSolver::countNode() {
    if ((++nodes_ & 1023) != 0 || aborted_) return;
    if (limits_.stop && limits_.stop->load(std::memory_order_relaxed)) aborted_ = true;
    if (limits_.nodes && nodes_ >= limits_.nodes) aborted_ = true;
    if (limits_.deadline && clock_ && clock_() >= *limits_.deadline) aborted_ = true;
}

Key MateSolver::tableKey() const {
    // A position where the upper side attacks is another problem than the
    // same position where it defends: their verdicts must not meet.
    constexpr Key kUpperAttacks = 0x9e3779b97f4a7c15ull;
    return attacker_ == Upper ? pos_.key() ^ kUpperAttacks : pos_.key();
}

const MateEntry* MateSolver::probe() {
    return table_.probe(tableKey());
}

bool MateSolver::onLine(Key key) const {
    return std::find(line_.begin(), line_.end(), key) != line_.end();
}

MateSolver::Values MateSolver::search(int ply, std::uint32_t thPn, std::uint32_t thDn) {
    const bool attacker = ply % 2 == 0;
    if (const MateEntry* e = probe()) {
        if (e->proven() || e->disproven() || e->pn >= thPn || e->dn >= thDn)
            return {e->pn, e->dn, e->length, false};
    }
    if (attacker && ply >= MaxPlies) {
        depthCut_ = true;
        return {Infinite, 0, 0, true};
    }
    Frame& frame = frames_[static_cast<std::size_t>(ply)];
    const std::uint64_t start = nodes_;
    expand(ply, frame);
    Summary s = summarize(frame, attacker);
    while (s.values.pn < thPn && s.values.dn < thDn && !aborted_) {
        Child& child = frame.children[s.best];
        std::uint32_t childPn, childDn;
        if (attacker) {
            childPn = siblingThreshold(thPn, s.second);
            childDn = remainingThreshold(thDn, s.values.dn, child.values.dn);
        } else {
            childDn = siblingThreshold(thDn, s.second);
            childPn = remainingThreshold(thPn, s.values.pn, child.values.pn);
        }
        pos_.make(child.move);
        line_.push_back(pos_.key());
        child.values = search(ply + 1, childPn, childDn);
        line_.pop_back();
        pos_.unmake(child.move);
        s = summarize(frame, attacker);
    }
    const Move proving = attacker && s.values.pn == 0 ? frame.children[s.best].move : Move();
    if (!(s.values.dn == 0 && s.values.lineDependent)) store(s.values, proving, nodes_ - start);
    return s.values;
}

void MateSolver::expand(int ply, Frame& frame) {
    const bool attacker = ply % 2 == 0;
    MoveList moves;
    generateFor(attacker, pos_, moves);
    frame.count = 0;
    for (const Move m : moves) {
        Child& child = frame.children[frame.count++];
        child.move = m;
        pos_.make(m);
        countNode();
        if (onLine(pos_.key())) {
            child.values = {Infinite, 0, 0, true};
        } else if (const MateEntry* e = probe()) {
            child.values = {e->pn, e->dn, e->length, false};
        } else {
            child.values = initialValues(!attacker);
        }
        pos_.unmake(m);
    }
}

MateSolver::Values MateSolver::initialValues(bool attacker) {
    if (attacker) return {1, 1, 0, false};
    // The defender's replies are counted at once: none is mate, and many
    // make a proof costly.
    MoveList replies;
    generateMoves(pos_, replies);
    if (replies.size > 0) return {static_cast<std::uint32_t>(replies.size), 1, 0, false};
    const Values mated{0, Infinite, 0, false};
    store(mated, Move(), 0);
    return mated;
}

MateSolver::Summary MateSolver::summarize(const Frame& frame, bool attacker) {
    // The attacker needs one child proven and the defender one disproven:
    // the deciding number is the minimum, the other one sums.
    Summary s;
    std::uint32_t decisive = Infinite;
    std::uint32_t sum = 0;
    for (int i = 0; i < frame.count; ++i) {
        const Values& v = frame.children[i].values;
        const std::uint32_t mine = attacker ? v.pn : v.dn;
        const std::uint32_t other = attacker ? v.dn : v.pn;
        if (mine < decisive) {
            s.second = decisive;
            decisive = mine;
            s.best = i;
        } else if (mine < s.second) {
            s.second = mine;
        }
        sum = other == Infinite || sum == Infinite ? Infinite : saturatedSum(sum, other);
    }
    s.values = attacker ? Values{decisive, sum, 0, false} : Values{sum, decisive, 0, false};
    if (s.values.pn == 0) {
        s.values.dn = Infinite;
        settleProof(frame, attacker, s);
    } else if (s.values.dn == 0) {
        s.values.pn = Infinite;
        // A disproof holds everywhere only when it needs no verdict that
        // holds only on this line: for the attacker every child must be
        // clean, for the defender one clean escape is enough.
        bool clean = attacker;
        for (int i = 0; i < frame.count; ++i) {
            const Values& v = frame.children[i].values;
            if (attacker && v.lineDependent) clean = false;
            if (!attacker && v.dn == 0 && !v.lineDependent) clean = true;
        }
        s.values.lineDependent = !clean;
    }
    return s;
}

void MateSolver::settleProof(const Frame& frame, bool attacker, Summary& s) {
    // The attacker mates by the shortest proven check; the defender lasts
    // as long as its longest proven reply. A mated defender has no reply.
    if (frame.count == 0) return;
    int chosen = -1;
    for (int i = 0; i < frame.count; ++i) {
        const Values& v = frame.children[i].values;
        if (v.pn != 0) continue;
        const Values* held = chosen < 0 ? nullptr : &frame.children[chosen].values;
        if (!held || (attacker ? v.length < held->length : v.length > held->length)) chosen = i;
    }
    s.best = chosen;
    s.values.length = static_cast<std::uint16_t>(frame.children[chosen].values.length + 1);
}

void MateSolver::store(const Values& v, Move proving, std::uint64_t work) {
    MateEntry e;
    e.key = tableKey();
    e.pn = v.pn;
    e.dn = v.dn;
    e.work = static_cast<std::uint32_t>(std::min<std::uint64_t>(work, 0xffffffff));
    e.move = proving.raw();
    e.length = v.length;
    table_.store(e);
}

bool MateSolver::extractLine(std::vector<Move>& line) {
    line.clear();
    lengths_.clear();
    lengthVisits_ = 0;
    bool mated = false;
    for (int ply = 0; ply <= MaxPlies + 1; ++ply) {
        if (ply % 2 == 1 && !hasLegalMove(pos_)) {
            mated = pos_.inCheck();
            break;
        }
        const Move m = provenMove(ply);
        if (!m) break;
        pos_.make(m);
        line.push_back(m);
        // Lengths fall along a consistent proof; a repetition means the
        // table no longer holds one.
        if (onLine(pos_.key())) break;
        line_.push_back(pos_.key());
    }
    for (std::size_t i = line.size(); i-- > 0;) pos_.unmake(line[i]);
    line_.resize(1);
    return mated;
}

Move MateSolver::provenMove(int ply) {
    const bool attacker = ply % 2 == 0;
    MoveList moves;
    generateFor(attacker, pos_, moves);
    Move chosen;
    int chosenLength = 0;
    for (const Move m : moves) {
        pos_.make(m);
        line_.push_back(pos_.key());
        const MateEntry* e = probe();
        Values v = e ? Values{e->pn, e->dn, e->length, false} : Values{};
        // Every reply must be proven; one whose entry gave way is proven again.
        if (!attacker && v.pn != 0 && !aborted_) v = search(ply + 1, Infinite, Infinite);
        if (v.pn == 0) v.length = provenLength(ply + 1);
        line_.pop_back();
        pos_.unmake(m);
        if (v.pn != 0) {
            if (!attacker) return Move();
            continue;
        }
        if (!chosen || (attacker ? v.length < chosenLength : v.length > chosenLength)) {
            chosen = m;
            chosenLength = v.length;
        }
    }
    if (chosen || !attacker) return chosen;
    // The proving check's own entry gave way: prove it again.
    const MateEntry* e = probe();
    const Move proving = e && e->proven() ? Move::fromRaw(e->move) : Move();
    if (!proving || !moves.contains(proving) || aborted_) return Move();
    pos_.make(proving);
    line_.push_back(pos_.key());
    const Values v = search(ply + 1, Infinite, Infinite);
    line_.pop_back();
    pos_.unmake(proving);
    return v.pn == 0 ? proving : Move();
}

std::uint16_t MateSolver::provenLength(int ply) {
    // The stored length is the proof's as it stood when found; parts of it
    // may have been proven shorter since. Following the table's proofs again
    // gives the lengths the line will really take, within a budget.
    constexpr std::uint64_t kVisits = 200000;
    constexpr int kNone = 0xffff;
    const bool attacker = ply % 2 == 0;
    if (!attacker && !hasLegalMove(pos_)) return 0;
    const MateEntry* own = probe();
    if (!own || !own->proven()) return kNone;
    const std::uint16_t stored = own->length;
    const Key key = tableKey();
    if (const auto known = lengths_.find(key); known != lengths_.end()) return known->second;
    if (ply > MaxPlies || ++lengthVisits_ > kVisits) return stored;
    MoveList moves;
    generateFor(attacker, pos_, moves);
    int length = attacker ? kNone : 0;
    for (const Move m : moves) {
        pos_.make(m);
        int child = kNone;
        if (!onLine(pos_.key())) {
            line_.push_back(pos_.key());
            child = provenLength(ply + 1);
            line_.pop_back();
        }
        pos_.unmake(m);
        if (attacker) {
            length = std::min(length, child + 1);
        } else if (child == kNone) {
            return stored;  // a reply the table cannot follow
        } else {
            length = std::max(length, child + 1);
        }
    }
    const auto found = static_cast<std::uint16_t>(length >= kNone ? stored : length);
    lengths_.emplace(key, found);
    return found;
}

}  // namespace tanukiban::engine
