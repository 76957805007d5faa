#pragma once
// The transposition table: one slot per index, sized in megabytes and
// allocated when first used, so that a program that never searches never
// pays for it.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "engine/types.h"
#include "engine/zobrist.h"

namespace tanukiban::engine {

enum class Bound : std::uint8_t { None = 0, Upper = 1, Lower = 2, Exact = 3 };

struct TTEntry {
    std::uint32_t check = 0;  // the key's upper half
    std::uint16_t move = 0;
    std::int16_t score = 0;
    std::int16_t eval = 0;
    std::int8_t depth = 0;
    std::uint8_t boundAndAge = 0;  // bound in bits 0–1, age above

    Bound bound() const { return static_cast<Bound>(boundAndAge & 3); }
};

class TranspositionTable {
  public:
    explicit TranspositionTable(std::size_t megabytes = 16) { resize(megabytes); }

    // Takes effect at the next use; 1 MB at least.
    void resize(std::size_t megabytes);
    void clear();
    // Marks the start of a new search so older entries give way first.
    void newSearch() { age_ = static_cast<std::uint8_t>((age_ + 4) & 0xfc); }

    // Starts loading the key's slot into the cache.
    void prefetch(Key key) const {
        if (slots_) __builtin_prefetch(&slots_[key & mask_]);
    }

    // The entry for the key, or null.
    const TTEntry* probe(Key key);
    void store(Key key, Move move, int score, int eval, int depth, Bound bound);
    // Per mille of a sample of slots written during the current search.
    int hashfull() const;

  private:
    void allocate();

    std::size_t megabytes_ = 0;
    struct Free {
        void operator()(TTEntry* p) const;
    };
    std::unique_ptr<TTEntry[], Free> slots_;
    std::size_t count_ = 0;
    std::size_t mask_ = 0;
    std::uint8_t age_ = 0;
};

}  // namespace tanukiban::engine
