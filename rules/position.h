#pragma once
// The game's position: board, hands, whose turn it is and the plies that led
// here. The rules, the computer, the engine's conversions and the record
// work on this alone.
#include <array>

#include "rules/pieces.h"

namespace tanukiban {

// A 6 × 6 array indexed [column][row]; columns and rows 1..5 are used.
using Grid = std::array<std::array<int, 6>, 6>;
using Hand = std::array<int, 5>;  // counts per face pair, 1..4 used

inline constexpr int 手順上限 = 500;  // plies the move list holds (1..500)

// What the move list keeps of one ply.
struct Ply {
    int 元X = 0, 元Y = 0;  // a drop: the stand column and the row it was picked from
    int 先X = 0, 先Y = 0;
    int 元駒 = 空桝;    // the piece as it stood, or the face dropped
    int 先駒 = 空桝;    // the face it shows where it lands
    int 取得駒 = 空桝;  // what it took; 手順保存 reads it off the board
    double 前秒MAN = 0, 後秒MAN = 0, 前秒COM = 0,
           後秒COM = 0;  // each side's total before and after
};

// Eleven parallel arrays, ply n in element n.
struct MoveList {
    std::array<int, 手順上限 + 1> 手順元X{}, 手順元Y{}, 手順先X{}, 手順先Y{};
    std::array<int, 手順上限 + 1> 手順元駒{}, 手順先駒{}, 手順取得駒{};
    std::array<double, 手順上限 + 1> 手順前秒MAN{}, 手順後秒MAN{}, 手順前秒COM{}, 手順後秒COM{};

    // Ply n (1..手順上限) as one description.
    Ply ply(int n) const;
    // Writes ply n (1..手順上限) from one description.
    void store(int n, const Ply& ply);
};

struct GamePosition {
    Grid 盤{};
    Hand 持駒MAN{};
    Hand 持駒COM{};
    int 持駒数MAN = 0;
    int 持駒数COM = 0;

    // 手番 is 先手 or 後手 while a game runs, 手番なし otherwise; 手番MAN and
    // 手番COM say which of the two each side is.
    int 手番 = 手番なし;
    int 手番MAN = 後手;
    int 手番COM = 先手;
    // While no game runs, the position gives the move to the upper side (as
    // a pasted one may); the lower side otherwise.
    bool upperToMoveAtRest = false;
    // Set when a king is taken.
    int 勝者 = 手番なし;

    // The move number shown, the plies of 手順 the board stands after, and
    // how many 手順 holds.
    int 手数 = 0;
    int 手順数 = 0;
    int 手順最大数 = 0;
    MoveList 手順;
};

// The ten pieces of the initial position on an otherwise empty board.
void setInitialPosition(Grid& 盤);

// The initial position with empty hands, no game running and no plies
// played (the sides and 手順最大数 are kept).
void resetPosition(GamePosition& p);

// Rows 1..5 from the top, each with columns 1..5 from the left, as the board
// is drawn.
using BoardRows = int[5][5];

// A position of the given board and hands, with the hand totals summed.
GamePosition positionFromRows(const BoardRows& rows, const Hand& man = {}, const Hand& com = {});

// The board and hands turned half round, every piece changing side, as the
// board flip does: the lower side's position as the upper side sees it.
// Nothing else of the game is kept.
GamePosition turnedAbout(const GamePosition& from);

// Appends one ply; the destination must still hold what is captured.
// Returns false, storing nothing, when the list already holds 500 plies.
bool 手順保存(GamePosition& s, const Ply& ply);

}  // namespace tanukiban
