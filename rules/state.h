#pragma once
// The game state: board, hands, sides, flags, counters, clocks and move list.
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
};

struct GameState {
    Grid 盤{};
    Hand 持駒MAN{};
    Hand 持駒COM{};
    int 持駒数MAN = 0;
    int 持駒数COM = 0;

    int 手番 = 手番なし;
    int 手番MAN = 後手;
    int 手番COM = 先手;
    int 対局モード = 対局_MAN;
    int COMレベル = 3;
    int ハンデレベル = 0;

    int 棋譜モード = NG;
    int 反転済 = NG;
    int ハンデ設定済 = NG;
    int 局面変更 = NG;
    int 勝者 = 手番なし;
    // A position other than the start of a game (the initial one, the lower
    // side to move, move 1) was pasted: like a handicap, it keeps the game
    // out of record files and the handicap ladder off until 初期設定, and a
    // game started from it begins with its side to move.
    bool pastedPosition = false;
    // While no game runs, the shown position gives the move to the upper side
    // (as a pasted position may); the lower side otherwise.
    bool upperToMoveAtRest = false;

    // Written by making a move (lower king) and by the influence survey.
    int 王X_MAN = 0, 王Y_MAN = 0, 王X_COM = 0, 王Y_COM = 0;

    int 手数 = 0;
    int 手順数 = 0;
    int 手順最大数 = 0;
    MoveList 手順;

    // Clocks, in seconds since midnight or seconds with fractions.
    double 開始時刻 = 0;
    double 思考秒 = 0;
    double 所有秒MAN = 0;
    double 所有秒COM = 0;
};

// Resets to the initial position (everything but the sides, level, king
// squares, 手順最大数 and options). Redrawing and the clock timer are the
// game object's business.
void 初期設定(GameState& s);

// The ten pieces of the initial position on an otherwise empty board.
void setInitialPosition(Grid& 盤);

// Rows 1..5 from the top, each with columns 1..5 from the left, as the board
// is drawn.
using BoardRows = int[5][5];

// A position of the given board and hands, with the hand totals summed.
GameState positionFromRows(const BoardRows& rows, const Hand& man = {}, const Hand& com = {});

// The board and hands turned half round, every piece changing side, as the
// board flip does: the lower side's position as the upper side sees it.
// Nothing else of the game is kept.
GameState turnedAbout(const GameState& from);

// Appends one ply; the destination must still hold what is captured.
// Returns false, storing nothing, when the list already holds 500 plies.
bool 手順保存(GameState& s, const Ply& ply);

}  // namespace tanukiban
