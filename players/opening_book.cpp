#include "players/opening_book.h"

#include <filesystem>
#include <system_error>

namespace tanukiban::players {

namespace fs = std::filesystem;

OpeningBook::OpeningBook(engine::Book book) : book_(std::move(book)) {
    std::call_once(loaded_, [] {});
}

engine::Move OpeningBook::probe(const engine::Position& pos) const {
    std::call_once(loaded_, [this] { book_ = engine::Book::load(path_); });
    return book_ ? book_->probe(pos) : engine::Move();
}

namespace {

std::string installedPath() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return (program.parent_path().parent_path() / "share" / "tanukiban" / "opening.book").string();
}

}  // namespace

const OpeningBook& installedBook() {
    // Named at the first call; read at the first question.
    static const OpeningBook book(installedPath());
    return book;
}

}  // namespace tanukiban::players
