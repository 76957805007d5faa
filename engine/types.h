#pragma once
// The engine's basic vocabulary: sides, faces, squares, bitboards and moves.
//
// Squares are numbered 0..24: square (x, y) of the game's board, column x
// 1..5 from the left and row y 1..5 from the top, is (x − 1) + 5·(y − 1).
// The lower side moves towards row 1, the upper side towards row 5.
#include <bit>
#include <cstdint>

namespace tanukiban::engine {

enum Color : std::uint8_t { Lower = 0, Upper = 1 };
inline constexpr Color operator~(Color c) {
    return static_cast<Color>(c ^ 1);
}

// The nine faces. Every face but the king turns over to its partner on
// each board move; a pair of faces shares one count in the hand.
enum Kind : std::uint8_t {
    Pawn = 0,
    Tokin,
    Lance,
    Knight,
    Silver,
    Gold,
    Bishop,
    Rook,
    King,
    KindCount
};

inline constexpr Kind otherFace(Kind k) {
    constexpr Kind table[KindCount] = {Rook,   Lance,  Tokin, Gold, Bishop,
                                       Knight, Silver, Pawn,  King};
    return table[k];
}

// Hand index of a face: 0 pawn/rook, 1 tokin/lance, 2 knight/gold, 3 silver/bishop.
inline constexpr int pairOf(Kind k) {
    constexpr int table[KindCount] = {0, 1, 1, 2, 3, 2, 3, 0, -1};
    return table[k];
}
inline constexpr int PairCount = 4;

// A piece on a square: 0 for empty, else 1 + kind + 16·color.
using Piece = std::uint8_t;
inline constexpr Piece NoPiece = 0;
inline constexpr Piece makePiece(Color c, Kind k) {
    return static_cast<Piece>(1 + k + 16 * c);
}
inline constexpr Kind kindOf(Piece p) {
    return static_cast<Kind>((p & 15) - 1);
}
inline constexpr Color colorOf(Piece p) {
    return static_cast<Color>(p >> 4);
}

using Square = int;
inline constexpr int SquareCount = 25;
inline constexpr Square squareAt(int x, int y) {
    return (x - 1) + 5 * (y - 1);
}
inline constexpr int columnOf(Square s) {
    return s % 5 + 1;
}
inline constexpr int rowOf(Square s) {
    return s / 5 + 1;
}

// One bit per square.
using Bitboard = std::uint32_t;
inline constexpr Bitboard AllSquares = (1u << SquareCount) - 1;
inline constexpr Bitboard bit(Square s) {
    return 1u << s;
}
inline int popCount(Bitboard b) {
    return std::popcount(b);
}
inline Square lowestSquare(Bitboard b) {
    return std::countr_zero(b);
}
inline Square popLowest(Bitboard& b) {
    const Square s = std::countr_zero(b);
    b &= b - 1;
    return s;
}

// A move in 16 bits: destination (bits 0–4), source (bits 5–9) and, for a
// drop, the face dropped plus one (bits 10–13). A board move's new face
// follows from the piece on its source, so it is not stored. Zero is no move.
class Move {
  public:
    constexpr Move() = default;
    static constexpr Move board(Square from, Square to) {
        return Move(static_cast<std::uint16_t>(to | from << 5));
    }
    static constexpr Move drop(Kind face, Square to) {
        return Move(static_cast<std::uint16_t>(to | (face + 1) << 10));
    }
    static constexpr Move fromRaw(std::uint16_t raw) { return Move(raw); }

    constexpr Square to() const { return raw_ & 31; }
    constexpr Square from() const { return raw_ >> 5 & 31; }
    constexpr bool isDrop() const { return (raw_ >> 10) != 0; }
    constexpr Kind dropFace() const { return static_cast<Kind>((raw_ >> 10) - 1); }
    constexpr std::uint16_t raw() const { return raw_; }
    constexpr explicit operator bool() const { return raw_ != 0; }
    friend constexpr bool operator==(Move a, Move b) = default;

  private:
    constexpr explicit Move(std::uint16_t raw) : raw_(raw) {}
    std::uint16_t raw_ = 0;
};

// Enough for any position: 24 board pieces reach at most a few dozen squares
// each, and eight faces can drop on at most 23 empty squares.
inline constexpr int MaxMoves = 512;

struct MoveList {
    // Left unfilled: a list is made at every node of the search, and zeroing
    // a kilobyte there took a quarter of its time.
    MoveList() {}  // NOLINT(modernize-use-equals-default): a default one is deleted
    union {
        Move moves[MaxMoves];
    };
    int size = 0;

    void push(Move m) { moves[size++] = m; }
    const Move* begin() const { return moves; }
    const Move* end() const { return moves + size; }
    bool contains(Move m) const {
        for (int i = 0; i < size; ++i)
            if (moves[i] == m) return true;
        return false;
    }
};

}  // namespace tanukiban::engine
