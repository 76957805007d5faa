#pragma once
// The computer of a level: the one place that says which player plays at
// each. A board the engine cannot hold (a pasted position beyond its piece
// counts) is left to the one-ply choice at every level.
#include "engine/convert.h"
#include "players/levels.h"
#include "players/one_ply_player.h"
#include "players/opening_book.h"
#include "players/search_player.h"

namespace tanukiban::players {

class LevelPlayer : public Player {
  public:
    LevelPlayer(RandomSequence& random, OnePlyPlayer::Manner manner,
                engine::Clock clock = steadyClock(), std::size_t hashMegabytes = 16)
        : onePly_(random, manner), search_(std::move(clock), hashMegabytes) {}

    void setLevel(int level) {
        level_ = level;
        onePly_.setLevel(level);
    }
    int level() const { return level_; }
    // The searching player, also for the hint and the engine's settings.
    SearchPlayer& searchPlayer() { return search_; }

    // The book the top level opens with (the installed one unless set); none
    // to search every move. Against the same level without it, at 150 000
    // nodes a move from two-ply openings in colour-swapped pairs, it scored
    // 56.8 % ± 3.5 % (95 %, by pairs) over 400 games: W 225 D 4 L 171.
    void setBook(const OpeningBook* book) { book_ = book; }

    // True when the searching player takes the turn.
    bool searchesOn(const Turn& turn) const { return searches(level_) && turn.position; }

    Answer choose(const Turn& turn, const Budget& budget) override {
        if (!searchesOn(turn)) return onePly_.choose(turn, budget);
        if (level_ == MaxLevel && book_) {
            const engine::Move m = book_->probe(*turn.position);
            if (m) return bookAnswer(turn, m);
        }
        return search_.choose(turn, budget);
    }

  private:
    OnePlyPlayer onePly_;
    SearchPlayer search_;
    int level_ = MinLevel;
    const OpeningBook* book_ = &installedBook();

    static Answer bookAnswer(const Turn& turn, engine::Move m) {
        Answer answer;
        answer.outcome = Outcome::Moved;
        answer.best = m;
        answer.move = engine::toGameMove(*turn.position, m);
        return answer;
    }
};

}  // namespace tanukiban::players
