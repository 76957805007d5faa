// The game's fixed random sequence.
#include "computer/random_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tanukiban {
namespace {

TEST(RandomSequence, 始まりの値は決まっている) {
    RandomSequence r;
    EXPECT_EQ(r.next(), 3960563.0f / 16777216.0f);
    EXPECT_EQ(r.next(), 4673577.0f / 16777216.0f);
    EXPECT_EQ(r.next(), 13749494.0f / 16777216.0f);
    EXPECT_EQ(r.next(), 11204947.0f / 16777216.0f);
    EXPECT_EQ(r.next(), 6443749.0f / 16777216.0f);
}

TEST(RandomSequence, 値は0以上1未満でずらすと別の列になる) {
    RandomSequence r, shifted(1);
    bool differs = false;
    float lowest = 1, highest = 0;
    for (int i = 0; i < 200000; ++i) {
        const float v = r.next();
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
        differs = differs || shifted.next() != v;
    }
    EXPECT_TRUE(differs);
    EXPECT_LT(lowest, 0.001f);
    EXPECT_GT(highest, 0.999f);
}

}  // namespace
}  // namespace tanukiban
