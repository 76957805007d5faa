#pragma once
// The game's one random sequence: never seeded from the clock, so every run
// of the program repeats it.
#include <cstdint>

namespace tanukiban {

// A 32-bit linear congruential generator (multiplier 1664525, increment
// 1013904223, modulus 2^32) whose top 24 bits give the number. A 24-bit
// fraction is exact in single precision, so every value lies in [0, 1).
class RandomSequence {
  public:
    static constexpr std::uint32_t kStart = 0;

    // The offset moves the start, for tools that want another sequence.
    explicit RandomSequence(std::uint32_t offset = 0) : state_(kStart + offset) {}

    float next();

  private:
    std::uint32_t state_;
};

}  // namespace tanukiban
