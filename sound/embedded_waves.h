#pragma once
// The four wave files of assets/, built into the program.

#include <span>
#include <string_view>

namespace tanukiban {

// The built-in copy of the wave file of that bare name ("駒打音.wav" …);
// empty when there is none.
std::span<const unsigned char> embeddedWave(std::string_view fileName);

}  // namespace tanukiban
