#pragma once
// A piece turning over on its square: five frames, a tenth of a second each.
#include <array>
#include <functional>
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

// Shows the five frames on cell (I_座標X, I_座標Y), each framed, refreshed
// and held for 0.1 s through 待ち時間. A pattern outside 1..6 draws nothing.
void 描画_回転駒(Surface& s, const std::function<void(double)>& 待ち時間, int I_回転パターン,
                 double I_座標X, double I_座標Y);

}  // namespace tanukiban
