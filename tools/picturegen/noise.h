#pragma once
// Deterministic noise for the generated textures: the same numbers on every
// machine, so the pictures only change when this code does.
#include <cstdint>

namespace picturegen {

// A hash of the lattice point (x, y) into [0, 1).
double hashUnit(int x, int y, std::uint32_t seed);
// Smoothly interpolated lattice noise in [0, 1).
double valueNoise(double x, double y, std::uint32_t seed);
// Value noise that repeats every `period` units in x.
double periodicNoise(double x, double y, int period, std::uint32_t seed);

double clamp01(double v);
double smoothstep(double edge0, double edge1, double x);

}  // namespace picturegen
