#pragma once
// A candidate's score: a whole number of tenths plus the random fraction the
// strongest level adds to pawn moves, kept apart so that equal scores are
// exactly equal.
namespace tanukiban {

struct Score {
    int tenths = 0;
    float fraction = 0.0f;  // [0, 1); 0 unless a random number was drawn

    static constexpr Score points(int whole) { return Score{whole * 10, 0.0f}; }

    // Ten times the score. Exact in double: the fraction has 24 bits and the
    // tenths stay far below 2^28.
    double scaled() const { return tenths + 10.0 * static_cast<double>(fraction); }
    double value() const { return tenths / 10.0 + static_cast<double>(fraction); }

    friend bool operator>(const Score& a, const Score& b) { return a.scaled() > b.scaled(); }
    friend bool operator>=(const Score& a, const Score& b) { return a.scaled() >= b.scaled(); }
    friend bool operator==(const Score& a, const Score& b) { return a.scaled() == b.scaled(); }
};

}  // namespace tanukiban
