#pragma once
// Writing a mono 16-bit PCM wave file.

#include <filesystem>
#include <vector>

namespace tanukiban::wavegen {

// Clamps each sample to [-1, 1] before quantising; false when the file
// cannot be written.
bool writeWave(const std::filesystem::path& path, const std::vector<double>& samples,
               int sampleRate);

}  // namespace tanukiban::wavegen
