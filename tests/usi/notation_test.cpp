#include "usi/notation.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/movegen.h"
#include "usi/position_text.h"

namespace tanukiban::usi {
namespace {

using namespace engine;

// The other spelling: second faces as promoted first faces.
std::string promotedSpelling(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case 'R':
                out += "+P";
                break;
            case 'r':
                out += "+p";
                break;
            case 'T':
                out += "+L";
                break;
            case 't':
                out += "+l";
                break;
            case 'G':
                out += "+N";
                break;
            case 'g':
                out += "+n";
                break;
            case 'B':
                out += "+S";
                break;
            case 'b':
                out += "+s";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string otherSfen(const std::string& sfen) {
    const std::size_t side = sfen.find(' ');
    const std::size_t hands = sfen.find(' ', side + 1);
    const std::size_t number = sfen.find(' ', hands + 1);
    return promotedSpelling(sfen.substr(0, side)) + sfen.substr(side, hands + 1 - side) +
           promotedSpelling(sfen.substr(hands + 1, number - hands - 1)) + sfen.substr(number);
}

// A drop's face as a promoted piece; a board move with "-" or no suffix.
std::string otherMove(const std::string& move, bool minus) {
    if (move[1] == '*') return promotedSpelling(move.substr(0, 1)) + move.substr(1);
    if (move.size() == 5) return move.substr(0, 4) + (minus ? "-" : "");
    return move;
}

TEST(UsiNotation, 初期局面と指し手の書き方) {
    const Position start = Position::initial();
    EXPECT_EQ(formatSfen(start), "pgkst/5/5/5/TSKGP b - 1");
    // The lower pawn on the bottom right turns into a rook.
    const Move m = parseMove(start, "1e1d+");
    ASSERT_TRUE(m);
    EXPECT_EQ(m, Move::board(squareAt(5, 5), squareAt(5, 4)));
    EXPECT_EQ(squareName(squareAt(1, 1)), "5a");

    // Either face of a held pair is written with the initial position's face.
    int number = 0;
    const auto pos = parseSfen("k4/5/5/5/4K b 2R+Lnb 7", &number);
    ASSERT_TRUE(pos);
    EXPECT_EQ(number, 7);
    EXPECT_EQ(formatSfen(*pos, number), "k4/5/5/5/4K b T2Pgs 7");
    EXPECT_EQ(formatSfen(*parseSfen("2k2/5/5/5/2K2 b PGSTptgs 1")), "2k2/5/5/5/2K2 b TGSPtgsp 1");
    EXPECT_EQ(formatMove(*pos, Move::drop(Rook, squareAt(3, 3))), "R*3c");
    EXPECT_EQ(parseMove(*pos, "+P*3c"), Move::drop(Rook, squareAt(3, 3)));
    EXPECT_EQ(parseMove(*pos, "T*2b"), Move::drop(Tokin, squareAt(4, 2)));
}

// Random games: every position and move written reads back the same, in
// both spellings.
TEST(UsiNotation, 局面と指し手は両方の書き方で読み戻せる) {
    std::mt19937 rng(11);
    for (int game = 0; game < 40; ++game) {
        Position pos = Position::initial();
        MoveList list;
        for (int ply = 0; ply < 80; ++ply) {
            const std::string sfen = formatSfen(pos, ply + 1);
            for (const int variant : {0, 1}) {
                const std::string text = variant == 0 ? sfen : otherSfen(sfen);
                int number = 0;
                const auto back = parseSfen(text, &number);
                ASSERT_TRUE(back) << text;
                ASSERT_EQ(back->key(), pos.key()) << text;
                ASSERT_EQ(number, ply + 1);
            }
            generateMoves(pos, list);
            if (list.size == 0) break;
            const Move m = list.moves[rng() % static_cast<unsigned>(list.size)];
            const std::string written = formatMove(pos, m);
            for (const int variant : {-1, 0, 1}) {
                const std::string text = variant < 0 ? written : otherMove(written, variant == 1);
                ASSERT_EQ(parseMove(pos, text), m) << text;
            }
            pos.make(m);
        }
    }
}

TEST(UsiNotation, 壊れた局面と指し手は理由付きで拒む) {
    for (const char* sfen :
         {"", "pgkst/5/5/5/TSKGP", "pgkst/5/5/5/TSKGP x - 1", "pgkst/5/5/5/TSKG b - 1",
          "pgkst/5/5/5/TSKGPP b - 1", "pgkst/5/5/5/5/TSKGP b - 1", "pgkst/5/5/5/TSKGX b - 1",
          "pgkst/5/5/5/TSKG+G b - 1", "pgkst/5/5/5/TSKGP b K 1", "pgkst/5/5/5/TSKGP b 999P 1",
          "pgkst/5/5/5/TSKGP b 2P 1", "pgkst/5/5/5/TSKGP b - 0", "pgkst/5/5/5/TSKGP b - 1x",
          "pgkst/5/5/5/TSPGP b - 1", "pgkst/5/5/5/TSKGP b - 1 2"}) {
        std::string error;
        EXPECT_FALSE(parseSfen(sfen, nullptr, &error)) << sfen;
        EXPECT_FALSE(error.empty()) << sfen;
    }
    const Position start = Position::initial();
    for (const char* move : {"", "1e", "1e1d*", "1e1d++", "6e6d+", "1e1f+", "P*3c", "K*3c", "*3c",
                             "1e2e+", "3e3d+", "5a5b+", "1e1dx"}) {
        std::string error;
        EXPECT_FALSE(parseMove(start, move, &error)) << move;
        EXPECT_FALSE(error.empty()) << move;
    }
    // With the upper king in check and the lower side to move, the capture
    // ends the game and is not a move to play on.
    const auto takeable = parseSfen("2k2/2R2/5/5/2K2 b - 1");
    ASSERT_TRUE(takeable);
    EXPECT_FALSE(parseMove(*takeable, "3b3a+"));
}

TEST(UsiPosition, 貼り付けの形をどれも読む) {
    const Position start = Position::initial();
    Position after = start;
    after.make(Move::board(squareAt(5, 5), squareAt(5, 4)));
    for (const char* text :
         {"position startpos moves 1e1d+", " startpos  moves\t1e1d \r\n",
          "sfen pgkst/5/5/5/TSKGP b - 1 moves 1e1d+", "pgkst/5/5/5/TSKGP b - moves 1e1d-",
          "\n\nposition sfen pgkst/5/5/5/TSKGP b - 1 moves 1e1d+\n",
          "pgkst/5/5/5/TSKGP\xE3\x80\x80"
          "b - 1 moves 1e1d+"}) {
        std::string error;
        const auto read = readPosition(text, &error);
        ASSERT_TRUE(read) << text << ": " << error;
        EXPECT_EQ(read->start.key(), start.key());
        ASSERT_EQ(read->moves.size(), 1u);
        EXPECT_EQ(read->current.key(), after.key());
    }
    const auto later = readPosition("sfen pgkst/5/5/5/TSKGP w - 9");
    ASSERT_TRUE(later);
    EXPECT_EQ(later->startPly, 8);
    EXPECT_TRUE(later->moves.empty());

    for (const char* text :
         {"", "position", "position startpos 1e1d+", "position startpos moves 1e1d+ 1e1d+",
          "sfen moves", "position startpos moves 5a5b+"}) {
        std::string error;
        EXPECT_FALSE(readPosition(text, &error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

}  // namespace
}  // namespace tanukiban::usi
