#pragma once
// The game's own computer of levels 1–3: every move of the side to move
// tried one ply deep and scored (computer/choice.h). It plays the upper
// side; for the lower side it plays the board turned half round.
#include "computer/random_sequence.h"
#include "computer/work.h"
#include "players/player.h"
#include "rules/influence.h"

namespace tanukiban::players {

class OnePlyPlayer : public Player {
  public:
    enum class Manner {
        // The game's choice as it stands, even one that leaves its own king
        // attacked (the game then loses that king).
        Game,
        // Only moves the engine allows: where the game's choice would leave
        // its own king attacked, the best scored legal candidate instead.
        // Needs the turn's engine position.
        LegalOnly,
    };

    // The sequence is the caller's, shared over a run and never reseeded.
    OnePlyPlayer(RandomSequence& random, Manner manner) : random_(random), manner_(manner) {}
    void setLevel(int level) { level_ = level; }

    Answer choose(const Turn& turn, const Budget& budget) override;

  private:
    Answer gameChoice(const Turn& turn);
    Answer legalChoice(const Turn& turn);

    RandomSequence& random_;
    Manner manner_;
    int level_ = 1;
    InfluenceMaps maps_;
    ComputerWork work_;
};

}  // namespace tanukiban::players
