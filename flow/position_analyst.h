#pragma once
// The analysis of the shown position: the engine deepens on a background
// thread until told to stop, and the window reads its latest line when it
// likes. Each analysis has a generation; what an older one finds is dropped,
// so a reading always belongs to the position last asked about.
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "players/search_player.h"
#include "players/thinker.h"

namespace tanukiban {

struct AnalysisReading {
    int generation = 0;
    int depth = 0;
    int evaluation = 0;  // from the lower side's view, in review terms (players/review_score.h)
    std::vector<engine::Move> line;
};

class PositionAnalyst {
  public:
    // A depth of 0 deepens until stopped; tests cap it to finish.
    explicit PositionAnalyst(int depthCap = 0) : depthCap_(depthCap) {}

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
    int generation() const;

  private:
    int depthCap_;
    mutable std::mutex mutex_;
    int generation_ = 0;
    std::optional<AnalysisReading> reading_;
    players::SearchPlayer player_;
    // Last, so that the search is stopped before what it writes to goes.
    players::Thinker thinker_{players::Thinker::Priority::Background};
};

}  // namespace tanukiban
