#include "engine/transposition.h"

#include <algorithm>
#include <bit>

namespace tanukiban::engine {

void TranspositionTable::resize(std::size_t megabytes) {
    megabytes_ = std::clamp<std::size_t>(megabytes, 1, 1 << 16);
    slots_.clear();
    slots_.shrink_to_fit();
}

void TranspositionTable::allocate() {
    const std::size_t wanted = megabytes_ * 1024 * 1024 / sizeof(TTEntry);
    const std::size_t count = std::bit_floor(wanted);
    slots_.assign(count, TTEntry{});
    mask_ = count - 1;
}

void TranspositionTable::clear() {
    std::fill(slots_.begin(), slots_.end(), TTEntry{});
}

const TTEntry* TranspositionTable::probe(Key key) {
    if (slots_.empty()) allocate();
    const TTEntry& e = slots_[key & mask_];
    return e.check == static_cast<std::uint32_t>(key >> 32) && e.bound() != Bound::None ? &e
                                                                                        : nullptr;
}

void TranspositionTable::store(Key key, Move move, int score, int eval, int depth, Bound bound) {
    if (slots_.empty()) allocate();
    TTEntry& e = slots_[key & mask_];
    const auto check = static_cast<std::uint32_t>(key >> 32);
    const bool same = e.check == check;
    // Keep a deeper entry of this search unless this one is exact or new.
    if (same || (e.boundAndAge & 0xfc) != age_ || depth >= e.depth || bound == Bound::Exact) {
        if (!same || move) e.move = move.raw();
        e.check = check;
        e.score = static_cast<std::int16_t>(score);
        e.eval = static_cast<std::int16_t>(eval);
        e.depth = static_cast<std::int8_t>(depth);
        e.boundAndAge = static_cast<std::uint8_t>(age_ | static_cast<std::uint8_t>(bound));
    }
}

int TranspositionTable::hashfull() const {
    if (slots_.empty()) return 0;
    const std::size_t sample = std::min<std::size_t>(1000, slots_.size());
    int used = 0;
    for (std::size_t i = 0; i < sample; ++i)
        if (slots_[i].bound() != Bound::None && (slots_[i].boundAndAge & 0xfc) == age_) ++used;
    return static_cast<int>(used * 1000 / static_cast<int>(sample));
}

}  // namespace tanukiban::engine
