#include "engine/transposition.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <new>
#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace tanukiban::engine {

void TranspositionTable::resize(std::size_t megabytes) {
    megabytes_ = std::clamp<std::size_t>(megabytes, 1, 1 << 16);
    slots_.reset();
    count_ = 0;
}

void TranspositionTable::Free::operator()(TTEntry* p) const {
    std::free(p);
}

void TranspositionTable::allocate() {
    // Large pages spare the search most of its address-translation misses.
    constexpr std::size_t kPage = 2 * 1024 * 1024;
    const std::size_t count = std::bit_floor(megabytes_ * 1024 * 1024 / sizeof(TTEntry));
    const std::size_t bytes = (count * sizeof(TTEntry) + kPage - 1) / kPage * kPage;
    void* memory = std::aligned_alloc(kPage, bytes);
    if (!memory) throw std::bad_alloc();
#if defined(__linux__)
    madvise(memory, bytes, MADV_HUGEPAGE);
#endif
    slots_.reset(static_cast<TTEntry*>(memory));
    count_ = count;
    mask_ = count - 1;
    clear();
}

void TranspositionTable::clear() {
    std::fill(slots_.get(), slots_.get() + count_, TTEntry{});
}

const TTEntry* TranspositionTable::probe(Key key) {
    if (!slots_) allocate();
    const TTEntry& e = slots_[key & mask_];
    return e.check == static_cast<std::uint32_t>(key >> 32) && e.bound() != Bound::None ? &e
                                                                                        : nullptr;
}

void TranspositionTable::store(Key key, Move move, int score, int eval, int depth, Bound bound) {
    if (!slots_) allocate();
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
    if (!slots_) return 0;
    const std::size_t sample = std::min<std::size_t>(1000, count_);
    int used = 0;
    for (std::size_t i = 0; i < sample; ++i)
        if (slots_[i].bound() != Bound::None && (slots_[i].boundAndAge & 0xfc) == age_) ++used;
    return static_cast<int>(used * 1000 / static_cast<int>(sample));
}

}  // namespace tanukiban::engine
