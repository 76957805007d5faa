// A short self-play run over every pairing, with the invariants checked
// after every ply.
#include "tools/selfplay/selfplay.h"

#include <gtest/gtest.h>

namespace tanukiban {
namespace {

TEST(自己対局, 全組み合わせで不変条件が保たれる) {
    RandomSequence random;
    int decided = 0;
    for (int upper = 1; upper <= 3; ++upper) {
        for (int lower = 1; lower <= 3; ++lower) {
            for (int g = 0; g < 4; ++g) {
                const SelfPlayResult r = playSelfGame({upper, lower, g % 2 == 0}, random);
                ASSERT_TRUE(r.violation.empty()) << r.violation;
                EXPECT_GE(r.plies, 1);
                EXPECT_LE(r.plies, 手順上限);
                EXPECT_TRUE(r.choices == r.plies ||
                            r.choices == r.plies + 1);  // +1: a side without a move
                if (r.winner != 0) ++decided;
            }
        }
    }
    EXPECT_GT(decided, 0);
}

}  // namespace
}  // namespace tanukiban
