#include "engine/book.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "engine/movegen.h"

namespace tanukiban::engine {

namespace {

constexpr std::uint8_t kMagic[4] = {'T', 'K', 'B', 'K'};
constexpr std::uint32_t kVersion = 1;
constexpr std::size_t kHeaderSize = 4 + 4 + 4 + 8 + 4;
constexpr std::size_t kEntrySize = 8 + 2;
// Far beyond any book worth shipping; a larger file is not read at all.
constexpr std::size_t kMaxEntries = 1 << 22;

// The position with the lower side to move, and whether it was turned.
std::pair<Key, bool> bookKey(const Position& pos) {
    if (pos.sideToMove() == Lower) return {pos.key(), false};
    return {turnedAbout(pos).key(), true};
}

void put(std::vector<std::uint8_t>& out, std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::uint64_t get(std::span<const std::uint8_t> in, std::size_t at, int bytes) {
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v |= std::uint64_t{in[at + i]} << (8 * i);
    return v;
}

// FNV-1a over the entries, enough to tell a damaged file.
std::uint32_t checksum(std::span<const std::uint8_t> bytes) {
    std::uint32_t h = 2166136261u;
    for (const std::uint8_t b : bytes) h = (h ^ b) * 16777619u;
    return h;
}

}  // namespace

Book::Book(std::vector<BookEntry> entries) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const BookEntry& a, const BookEntry& b) { return a.key < b.key; });
    for (const BookEntry& e : entries) {
        if (!entries_.empty() && entries_.back().key == e.key) {
            entries_.back() = e;
        } else {
            entries_.push_back(e);
        }
    }
}

Move Book::probe(const Position& pos) const {
    const auto [key, turnedOver] = bookKey(pos);
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), key,
                                     [](const BookEntry& e, Key k) { return e.key < k; });
    if (it == entries_.end() || it->key != key) return Move();
    const Move m = turnedOver ? turnedAbout(it->move) : it->move;
    // A key shared by another position must not put an illegal move on the board.
    return isLegal(pos, m) ? m : Move();
}

void Book::add(const Position& pos, Move m) {
    const auto [key, turnedOver] = bookKey(pos);
    const BookEntry entry{key, turnedOver ? turnedAbout(m) : m};
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), key,
                                     [](const BookEntry& e, Key k) { return e.key < k; });
    if (it != entries_.end() && it->key == key) {
        *it = entry;
    } else {
        entries_.insert(it, entry);
    }
}

std::vector<std::uint8_t> Book::encode() const {
    std::vector<std::uint8_t> body;
    body.reserve(entries_.size() * kEntrySize);
    for (const BookEntry& e : entries_) {
        put(body, e.key, 8);
        put(body, e.move.raw(), 2);
    }
    std::vector<std::uint8_t> out(std::begin(kMagic), std::end(kMagic));
    put(out, kVersion, 4);
    put(out, entries_.size(), 4);
    put(out, Position::initial().key(), 8);
    put(out, checksum(body), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::optional<Book> Book::decode(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kHeaderSize ||
        !std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin()))
        return std::nullopt;
    const std::uint64_t count = get(bytes, 8, 4);
    // Keys of another engine version would find nothing, or worse, something else.
    if (get(bytes, 4, 4) != kVersion || count > kMaxEntries ||
        get(bytes, 12, 8) != Position::initial().key() ||
        bytes.size() != kHeaderSize + count * kEntrySize)
        return std::nullopt;
    const std::span<const std::uint8_t> body = bytes.subspan(kHeaderSize);
    if (get(bytes, 20, 4) != checksum(body)) return std::nullopt;
    Book book;
    book.entries_.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const BookEntry e{
            get(body, i * kEntrySize, 8),
            Move::fromRaw(static_cast<std::uint16_t>(get(body, i * kEntrySize + 8, 2)))};
        if (!book.entries_.empty() && book.entries_.back().key >= e.key) return std::nullopt;
        book.entries_.push_back(e);
    }
    return book;
}

std::optional<Book> Book::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.insert(bytes.end(), buffer, buffer + in.gcount());
        if (bytes.size() > kHeaderSize + kMaxEntries * kEntrySize) return std::nullopt;
    }
    if (in.bad()) return std::nullopt;
    return decode(bytes);
}

}  // namespace tanukiban::engine
