#pragma once
// The standard sixteen-colour palette the game's colour indices refer to.
#include <cstdint>

namespace tanukiban {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Colour of palette index 0..15; indices outside wrap as the low four bits.
Rgb paletteColour(int index);

}  // namespace tanukiban
