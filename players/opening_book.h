#pragma once
// The opening book as the players meet it: read from its file at the first
// question, not before, so that starting the program costs nothing. A file
// that is missing or damaged is no book; nothing is reported.
#include <mutex>
#include <optional>
#include <string>

#include "engine/book.h"

namespace tanukiban::players {

class OpeningBook {
  public:
    explicit OpeningBook(std::string path) : path_(std::move(path)) {}
    // A book already in memory (the tools that build one, the tests).
    explicit OpeningBook(engine::Book book);

    // The book's move for the position, or no move; any thread.
    engine::Move probe(const engine::Position& pos) const;

  private:
    std::string path_;
    mutable std::once_flag loaded_;
    mutable std::optional<engine::Book> book_;
};

// The book installed with the program: share/tanukiban/opening.book beside
// the program's bin folder.
const OpeningBook& installedBook();

}  // namespace tanukiban::players
