#pragma once
// Wave files made in memory for the tests.

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace tanukiban::testing {

// A mono 16-bit PCM RIFF WAVE image.
inline std::vector<unsigned char> waveImage(const std::vector<std::int16_t>& samples, int rate) {
    std::vector<unsigned char> out;
    auto put = [&out](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
    };
    auto tag = [&out](const char* t) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(t[i]));
    };
    const auto data = static_cast<std::uint32_t>(samples.size() * 2);
    tag("RIFF");
    put(36 + data, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(static_cast<std::uint32_t>(rate), 4);
    put(static_cast<std::uint32_t>(rate * 2), 4);
    put(2, 2);
    put(16, 2);
    tag("data");
    put(data, 4);
    for (std::int16_t s : samples) put(static_cast<std::uint16_t>(s), 2);
    return out;
}

inline std::vector<std::int16_t> tone(double hz, double seconds, int rate, double amplitude) {
    std::vector<std::int16_t> s(static_cast<std::size_t>(seconds * rate));
    for (std::size_t i = 0; i < s.size(); ++i) {
        s[i] = static_cast<std::int16_t>(
            amplitude * 32767 *
            std::sin(2 * std::numbers::pi * hz * static_cast<double>(i) / rate));
    }
    return s;
}

}  // namespace tanukiban::testing
