#pragma once
// The three short sound effects.

#include <vector>

namespace tanukiban::wavegen {

inline constexpr int kEffectRate = 44100;

std::vector<double> woodenClick();  // a piece put down on the board
std::vector<double> lowBuzz();      // a refused action
std::vector<double> softChime();    // menu actions and the about box

}  // namespace tanukiban::wavegen
