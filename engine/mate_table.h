#pragma once
// The mate solver's table: proof and disproof numbers by position, in
// buckets of four entries, sized in megabytes and allocated at first use.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/types.h"
#include "engine/zobrist.h"

namespace tanukiban::engine {

// Proof and disproof numbers: Infinite marks a settled node, and sums stop
// one below it, so that no sum of many children wraps round.
inline constexpr std::uint32_t Infinite = 0x7fffffff;
inline constexpr std::uint32_t MaxNumber = Infinite - 1;

struct MateEntry {
    Key key = 0;
    std::uint32_t pn = 0;
    std::uint32_t dn = 0;
    std::uint32_t work = 0;    // nodes spent below: cheap entries give way first
    std::uint16_t move = 0;    // a proven attacker's mating move
    std::uint16_t length = 0;  // a proven node's plies to mate

    bool proven() const { return pn == 0; }
    bool disproven() const { return dn == 0; }
};

class MateTable {
  public:
    explicit MateTable(std::size_t megabytes = 16) { resize(megabytes); }

    // Empties the table; memory is taken at the next use. 1 MB at least.
    void resize(std::size_t megabytes);
    void clear();

    // The entry for the key, or null.
    const MateEntry* probe(Key key);
    // Writes the entry over the key's old one, or over the bucket's least
    // worked entry, a settled one last.
    void store(const MateEntry& entry);

  private:
    static constexpr std::size_t kBucket = 4;
    std::size_t megabytes_ = 0;
    std::vector<MateEntry> entries_;
    std::size_t mask_ = 0;  // of bucket indices
};

}  // namespace tanukiban::engine
