#include "engine/zobrist.h"

namespace tanukiban::engine::detail {

namespace {

constexpr Key splitMix(Key& state) {
    Key z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

constexpr ZobristKeys build() {
    ZobristKeys z{};
    Key state = 0x7a6e756b6962616eULL;
    for (auto& squares : z.piece)
        for (Key& k : squares) k = splitMix(state);
    for (auto& pairs : z.hand)
        for (auto& counts : pairs)
            for (Key& k : counts) k = splitMix(state);
    z.side = splitMix(state);
    return z;
}

}  // namespace

constexpr ZobristKeys zobrist = build();

}  // namespace tanukiban::engine::detail
