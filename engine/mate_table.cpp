#include "engine/mate_table.h"

#include <algorithm>
#include <bit>

namespace tanukiban::engine {

void MateTable::resize(std::size_t megabytes) {
    megabytes_ = std::clamp<std::size_t>(megabytes, 1, 1 << 16);
    entries_ = {};
}

void MateTable::clear() {
    std::fill(entries_.begin(), entries_.end(), MateEntry{});
}

const MateEntry* MateTable::probe(Key key) {
    if (entries_.empty() || key == 0) return nullptr;
    const MateEntry* bucket = &entries_[(key & mask_) * kBucket];
    for (std::size_t i = 0; i < kBucket; ++i)
        if (bucket[i].key == key) return &bucket[i];
    return nullptr;
}

void MateTable::store(const MateEntry& entry) {
    if (entries_.empty()) {
        const std::size_t buckets =
            std::bit_floor(megabytes_ * 1024 * 1024 / (kBucket * sizeof(MateEntry)));
        entries_.assign(buckets * kBucket, MateEntry{});
        mask_ = buckets - 1;
    }
    MateEntry* bucket = &entries_[(entry.key & mask_) * kBucket];
    // Settled entries are worth more than their work says: the line of a
    // proven mate is read back from them.
    const auto worth = [](const MateEntry& e) -> std::uint64_t {
        return e.key == 0 ? 0 : e.work + ((e.proven() || e.disproven()) ? 1ull << 32 : 0);
    };
    MateEntry* victim = bucket;
    for (std::size_t i = 0; i < kBucket; ++i) {
        if (bucket[i].key == entry.key) {
            victim = &bucket[i];
            break;
        }
        if (worth(bucket[i]) < worth(*victim)) victim = &bucket[i];
    }
    *victim = entry;
}

}  // namespace tanukiban::engine
