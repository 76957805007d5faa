#pragma once
// The standard sixteen-colour palette the game's colour indices refer to.
#include <cstdint>

namespace tanukiban {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The indices the game draws with.
inline constexpr int 白色 = 15;
inline constexpr int 黒色 = 0;
inline constexpr int 赤色 = 12;
inline constexpr int 背景色 = 2;
inline constexpr int 桝枠色 = 2;
inline constexpr int 移動結果色 = 15;

// Colour of palette index 0..15; indices outside wrap as the low four bits.
Rgb paletteColour(int index);

}  // namespace tanukiban
