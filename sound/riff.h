#pragma once
// The RIFF WAVE header, read by both sides of the library boundary: the
// library has only a pointer and learns the length from here, and the
// loader checks that a file really holds what its header promises.

#include <cstddef>
#include <cstdint>

namespace tanukiban {

inline constexpr std::size_t kRiffHeaderBytes = 12;
// Anything longer is not one of the program's sounds.
inline constexpr std::size_t kMaxWaveBytes = 256u << 20;

inline bool hasRiffWaveTags(const unsigned char* header) {
    auto is = [header](std::size_t at, const char* tag) {
        for (std::size_t i = 0; i < 4; ++i) {
            if (header[at + i] != static_cast<unsigned char>(tag[i])) return false;
        }
        return true;
    };
    return is(0, "RIFF") && is(8, "WAVE");
}

// The length of the whole image as the length field says, unchecked.
inline std::uint64_t declaredRiffLength(const unsigned char* header) {
    return (std::uint64_t{header[4]} | std::uint64_t{header[5]} << 8 |
            std::uint64_t{header[6]} << 16 | std::uint64_t{header[7]} << 24) +
           8;
}

// The length of the whole file image as the 12-byte header declares it;
// 0 when it is not a RIFF WAVE header or declares an impossible length.
inline std::size_t declaredWaveSize(const unsigned char* header) {
    if (!hasRiffWaveTags(header)) return 0;
    const std::uint64_t total = declaredRiffLength(header);
    if (total < kRiffHeaderBytes || total > kMaxWaveBytes) return 0;
    return static_cast<std::size_t>(total);
}

// Rewrites the declared length (the file image is `total` bytes long).
inline void setDeclaredWaveSize(unsigned char* header, std::size_t total) {
    const auto body = static_cast<std::uint32_t>(total - 8);
    for (std::size_t i = 0; i < 4; ++i) header[4 + i] = static_cast<unsigned char>(body >> (8 * i));
}

}  // namespace tanukiban
