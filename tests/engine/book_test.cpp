#include "engine/book.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "engine/movegen.h"

namespace tanukiban::engine {
namespace {

Move legalMove(const Position& pos, int index) {
    MoveList moves;
    generateMoves(pos, moves);
    return moves.moves[index % moves.size];
}

Position upperFirst() {
    Placement p = Position::initial().placement();
    p.sideToMove = Upper;
    Position pos;
    pos.set(p);
    return pos;
}

// The book's positions and moves survive the file; the initial position
// with the upper side to move finds the same entry, turned half round.
TEST(OpeningBook, 書いて読めば同じ手を指し上手からの初手も同じ手) {
    const Position start = Position::initial();
    const Move first = legalMove(start, 5);
    Position after = start;
    after.make(first);
    const Move reply = legalMove(after, 3);

    Book book;
    book.add(start, first);
    book.add(after, reply);
    const std::optional<Book> read = Book::decode(book.encode());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->size(), 2u);
    EXPECT_EQ(read->probe(start), first);
    EXPECT_EQ(read->probe(after), reply);

    EXPECT_EQ(read->probe(upperFirst()),
              Move::board(SquareCount - 1 - first.from(), SquareCount - 1 - first.to()));
}

// A damaged, foreign or missing file is no book; an entry whose move the
// position does not allow plays nothing.
TEST(OpeningBook, 壊れた本は読まず合わない手は指さない) {
    const Position start = Position::initial();
    Book book;
    book.add(start, legalMove(start, 0));
    const std::vector<std::uint8_t> good = book.encode();
    ASSERT_TRUE(Book::decode(good));

    auto damaged = [&](std::size_t at) {
        std::vector<std::uint8_t> bytes = good;
        bytes[at] ^= 1;
        return bytes;
    };
    EXPECT_FALSE(Book::decode(damaged(0))) << "magic";
    EXPECT_FALSE(Book::decode(damaged(4))) << "version";
    EXPECT_FALSE(Book::decode(damaged(8))) << "count";
    EXPECT_FALSE(Book::decode(damaged(12))) << "keys of another engine";
    EXPECT_FALSE(Book::decode(damaged(good.size() - 1))) << "checksum";
    std::vector<std::uint8_t> cut(good.begin(), good.end() - 1);
    EXPECT_FALSE(Book::decode(cut));
    EXPECT_FALSE(Book::decode({}));

    EXPECT_FALSE(Book::load("/nonexistent/opening.book"));
    const std::string path = testing::TempDir() + "garbage.book";
    std::ofstream(path) << "not a book at all, just some words";
    EXPECT_FALSE(Book::load(path));
    std::remove(path.c_str());

    const Book wrong({{start.key(), Move::board(squareAt(1, 1), squareAt(1, 2))}});
    EXPECT_EQ(wrong.probe(start), Move());
}

}  // namespace
}  // namespace tanukiban::engine
