#pragma once
// A piece turning over on its square: five frames, a tenth of a second each.
#include <array>
#include <optional>

#include "display/surface.h"

namespace tanukiban {

using FramePattern = std::array<int, 5>;

// The picture codes of turning pattern 1..6, in the order they are shown.
std::optional<FramePattern> 回転パターン(int I_回転パターン);

// The pattern that turns a piece showing 移動前駒: 1/4 for と (red to black),
// 2/5 for 香 (black to red), 3/6 for every other piece; the upper side's
// patterns for positive codes. 0 for kings and empty squares.
int turningPatternFor(int 移動前駒);

// Each frame is held this long before the next.
inline constexpr double 回転駒_コマ秒 = 0.1;

// Shows frame `frame` (0..4) of the pattern on cell (I_座標X, I_座標Y),
// framed and refreshed; the caller holds it for 回転駒_コマ秒. False, with
// nothing drawn, past the last frame or for a pattern outside 1..6.
bool 描画_回転駒(Surface& s, int I_回転パターン, int frame, double I_座標X, double I_座標Y);

}  // namespace tanukiban
