#pragma once
// The opening book: for positions of the first mover, the move a much longer
// search chose. Stored as a file of its own: a header (magic, version, entry
// count, the initial position's key, a checksum) and the entries sorted by
// key, all little-endian. Keys are those of the position turned about so that
// the lower side is to move, so the book serves whichever side moves first.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/position.h"

namespace tanukiban::engine {

struct BookEntry {
    Key key = 0;
    Move move;
};

class Book {
  public:
    // One entry a position; a later entry for the same key replaces an earlier one.
    explicit Book(std::vector<BookEntry> entries = {});

    // A legal move for the position, or no move.
    Move probe(const Position& pos) const;
    // Adds the move for the position (in its own terms, either side to move).
    void add(const Position& pos, Move m);
    std::size_t size() const { return entries_.size(); }

    std::vector<std::uint8_t> encode() const;
    // Nothing when the bytes are not a book of this version for these keys.
    static std::optional<Book> decode(std::span<const std::uint8_t> bytes);
    // Nothing when the file is missing, unreadable or not a book.
    static std::optional<Book> load(const std::string& path);

  private:
    std::vector<BookEntry> entries_;  // sorted by key, keys distinct
};

}  // namespace tanukiban::engine
