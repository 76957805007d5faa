#include "players/thinker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace tanukiban::players {
namespace {

// Thinks until told to stop, then has no move.
class StubbornPlayer : public Player {
  public:
    Answer choose(const Turn&, const Budget& budget) override {
        started = true;
        while (!budget.limits.stop->load()) std::this_thread::yield();
        Answer answer;
        answer.outcome = Outcome::NoMove;
        return answer;
    }
    std::atomic<bool> started{false};
};

TEST(Thinker, 止めれば答え取り消せば答えず壊せば待つ) {
    StubbornPlayer player;
    std::atomic<int> answers{0};
    const auto count = [&](const Answer& a) {
        EXPECT_EQ(a.outcome, Outcome::NoMove);
        ++answers;
    };
    Thinker thinker;
    thinker.start(player, Turn{}, {}, count);
    EXPECT_TRUE(thinker.thinking());
    thinker.stop();
    thinker.wait();
    EXPECT_EQ(answers, 1) << "a stopped choice still answers";
    EXPECT_FALSE(thinker.thinking());

    thinker.start(player, Turn{}, {}, count);
    while (!player.started) std::this_thread::yield();
    thinker.cancel();
    EXPECT_EQ(answers, 1) << "a cancelled choice does not";
    EXPECT_FALSE(thinker.thinking());

    {
        Thinker ending;
        ending.start(player, Turn{}, {}, count);
    }  // stopped and joined, not left running
    EXPECT_EQ(answers, 1);
}

}  // namespace
}  // namespace tanukiban::players
