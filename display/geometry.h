#pragma once
// The window's geometry in twips: square (x, y) has its top-left corner at
// (盤原点X + 桝幅·x, 盤原点Y + 桝高·y). Drawing positions are in these cells,
// fractions allowed.

namespace tanukiban {

inline constexpr int 盤原点X = 2200;
inline constexpr int 盤原点Y = 520;
inline constexpr int 桝幅 = 600;
inline constexpr int 桝高 = 615;

// Cell coordinates of a position given in twips, for the few texts placed that way.
inline constexpr double cellXFromTwips(double twipsX) {
    return (twipsX - 盤原点X) / 桝幅;
}
inline constexpr double cellYFromTwips(double twipsY) {
    return (twipsY - 盤原点Y) / 桝高;
}

}  // namespace tanukiban
