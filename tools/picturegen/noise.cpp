#include "noise.h"

#include <cmath>

namespace picturegen {

double hashUnit(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return (h >> 8) / 16777216.0;
}

namespace {

double fade(double t) {
    return t * t * (3 - 2 * t);
}

double lattice(double x, double y, int period, std::uint32_t seed) {
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = fade(x - x0), fy = fade(y - y0);
    auto at = [&](int xi, int yi) {
        if (period > 0) xi = ((xi % period) + period) % period;
        return hashUnit(xi, yi, seed);
    };
    const double a = at(x0, y0), b = at(x0 + 1, y0), c = at(x0, y0 + 1), d = at(x0 + 1, y0 + 1);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

}  // namespace

double valueNoise(double x, double y, std::uint32_t seed) {
    return lattice(x, y, 0, seed);
}

double periodicNoise(double x, double y, int period, std::uint32_t seed) {
    return lattice(x, y, period, seed);
}

double clamp01(double v) {
    return v < 0 ? 0 : v > 1 ? 1 : v;
}

double smoothstep(double edge0, double edge1, double x) {
    const double t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

}  // namespace picturegen
