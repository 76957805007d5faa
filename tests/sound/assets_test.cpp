// The built-in wave files are what the program promises to play.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "sound/embedded_waves.h"

namespace tanukiban {
namespace {

struct Pcm {
    int channels = 0, rate = 0, bits = 0;
    std::vector<std::int16_t> samples;
    double seconds() const { return static_cast<double>(samples.size()) / channels / rate; }
};

std::uint32_t le(const unsigned char* p, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | p[i];
    return v;
}

Pcm decode(std::span<const unsigned char> w) {
    Pcm pcm;
    for (std::size_t at = 12; at + 8 <= w.size();) {
        const std::uint32_t size = le(&w[at + 4], 4);
        const unsigned char* body = &w[at + 8];
        if (std::memcmp(&w[at], "fmt ", 4) == 0 && le(body, 2) == 1) {
            pcm.channels = static_cast<int>(le(body + 2, 2));
            pcm.rate = static_cast<int>(le(body + 4, 4));
            pcm.bits = static_cast<int>(le(body + 14, 2));
        } else if (std::memcmp(&w[at], "data", 4) == 0) {
            for (std::uint32_t i = 0; i + 1 < size; i += 2) {
                pcm.samples.push_back(static_cast<std::int16_t>(le(body + i, 2)));
            }
        }
        at += 8 + size + (size & 1);
    }
    return pcm;
}

TEST(組込み音, 四つとも16ビットPCMで長さが決まりどおり) {
    const struct {
        const char* name;
        double min, max;
    } expected[] = {{"駒打音.wav", 0.02, 0.15},
                    {"禁止.wav", 0.1, 1.0},
                    {"その他.wav", 0.2, 2.5},
                    {"BGM.wav", 20, 40}};
    for (const auto& e : expected) {
        const Pcm pcm = decode(embeddedWave(e.name));
        EXPECT_EQ(pcm.bits, 16) << e.name;
        ASSERT_GT(pcm.channels, 0) << e.name;
        EXPECT_GE(pcm.seconds(), e.min) << e.name;
        EXPECT_LE(pcm.seconds(), e.max) << e.name;
    }
}

TEST(組込み音, BGMの継ぎ目は曲中の一歩より小さい) {
    const Pcm pcm = decode(embeddedWave("BGM.wav"));
    ASSERT_EQ(pcm.channels, 1);
    const auto& s = pcm.samples;
    double meanStep = 0;
    for (std::size_t i = 1; i < s.size(); ++i) meanStep += std::abs(s[i] - s[i - 1]);
    meanStep /= static_cast<double>(s.size() - 1);
    EXPECT_LT(std::abs(s.front() - s.back()), meanStep);
    EXPECT_GT(meanStep, 0);
}

}  // namespace
}  // namespace tanukiban
