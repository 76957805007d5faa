#pragma once
// The background music: a calm koto-like melody in the miyako-bushi scale
// on E (E F A B C), written as one seamless loop.

#include <vector>

namespace tanukiban::wavegen {

inline constexpr int kMusicRate = 22050;

std::vector<double> backgroundMusic();

}  // namespace tanukiban::wavegen
