#pragma once
// The searching computer of levels 4–6 and of the hint: the engine's search
// over the turn's engine position.
#include <cstddef>

#include "engine/search.h"
#include "players/player.h"

namespace tanukiban::players {

// The clock of a program that has no other: the steady one.
engine::Clock steadyClock();

class SearchPlayer : public Player {
  public:
    // The table's memory is taken at the first search (or prepare()).
    explicit SearchPlayer(engine::Clock clock = steadyClock(), std::size_t hashMegabytes = 16);

    // Resizing empties the table.
    void setHashSize(std::size_t megabytes) { searcher_.setHashSize(megabytes); }
    // Forgets what the last game taught.
    void newGame() { searcher_.newGame(); }
    void setWeights(const engine::Weights& w) { searcher_.setWeights(w); }
    void setFeatures(const engine::SearchFeatures& f) { searcher_.setFeatures(f); }
    // Takes the table's memory now, so that the first move's time goes to thinking.
    void prepare();

    // Unusable when the turn has no engine position; no move when the side
    // to move has none.
    Answer choose(const Turn& turn, const Budget& budget) override;

  private:
    engine::Searcher searcher_;
};

}  // namespace tanukiban::players
