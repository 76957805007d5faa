#pragma once
// The analysis of the shown position: the engine deepens on a background
// thread until told to stop, and the window reads its latest line when it
// likes. Each analysis has a generation; what an older one finds is dropped,
// so a reading always belongs to the position last asked about.
//
// A mate the search would reach late is often proven at once by the mate
// solver, so each analysis gives it a moment after a first shallow look; a
// proven mate stands until the search finds one at least as short.
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "engine/mate_solver.h"
#include "players/search_player.h"
#include "players/thinker.h"

namespace tanukiban {

struct AnalysisReading {
    int generation = 0;
    int depth = 0;
    int evaluation = 0;  // from the lower side's view, in review terms (players/review_score.h)
    std::vector<engine::Move> line;
};

// What the mate solver may spend on each position, the time in processor
// time of the analysis thread; no time for a budget in nodes alone, which
// tests want.
struct MateLook {
    std::uint64_t nodes = 400000;
    std::optional<engine::Milliseconds> time = engine::Milliseconds(150);
};

class PositionAnalyst : private players::Player {
  public:
    // A depth of 0 deepens until stopped; tests cap it to finish.
    explicit PositionAnalyst(int depthCap = 0);
    ~PositionAnalyst() override;
    PositionAnalyst(const PositionAnalyst&) = delete;
    PositionAnalyst& operator=(const PositionAnalyst&) = delete;

    // Drops the analysis under way and starts one of `turn`, which must hold an
    // engine position; returns its generation.
    int start(players::Turn turn);
    // Drops the analysis under way; no reading is current until the next start.
    void stop();
    // The latest line of the current analysis, if it has found one.
    std::optional<AnalysisReading> latest() const;
    // Waits until the current analysis has ended by itself (a depth cap).
    void wait() { thinker_.wait(); }
    void setDepthCap(int depth) { depthCap_ = depth; }
    void setMateLook(const MateLook& look) { mateLook_ = look; }
    int generation() const;

  private:
    // The shallow look, the mate solver, then the search, on the thinker's thread.
    players::Answer choose(const players::Turn& turn, const players::Budget& budget) override;
    void lookForMate(const players::Turn& turn, const players::Budget& budget);
    // A search's line, unless a proven mate says more.
    void searched(int generation, engine::Color side, const engine::SearchInfo& info);

    int depthCap_;
    MateLook mateLook_;
    mutable std::mutex mutex_;
    int generation_ = 0;
    int running_ = 0;  // the generation the thinker works for; its thread's alone
    std::optional<AnalysisReading> reading_;
    int provenPlies_ = 0;  // of the current reading's mate, when the solver proved it
    players::SearchPlayer player_;
    engine::MateSolver solver_;
    // Last, so that the search is stopped before what it writes to goes.
    players::Thinker thinker_{players::Thinker::Priority::Background};
};

}  // namespace tanukiban
