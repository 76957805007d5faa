#pragma once
// Piece codes, sides, flags and the other fixed values of the game.
// A code's sign is the side (negative: the lower player MAN, positive: the
// upper player COM) and its magnitude the kind, which doubles as its value.

namespace tanukiban {

inline constexpr int 空桝 = 0;

inline constexpr int 歩MAN = -10;
inline constexpr int とMAN = -11;
inline constexpr int 香MAN = -20;
inline constexpr int 桂MAN = -30;
inline constexpr int 銀MAN = -100;
inline constexpr int 金MAN = -110;
inline constexpr int 角MAN = -800;
inline constexpr int 飛MAN = -900;
inline constexpr int 王MAN = -950;

inline constexpr int 歩COM = 10;
inline constexpr int とCOM = 11;
inline constexpr int 香COM = 20;
inline constexpr int 桂COM = 30;
inline constexpr int 銀COM = 100;
inline constexpr int 金COM = 110;
inline constexpr int 角COM = 800;
inline constexpr int 飛COM = 900;
inline constexpr int 王COM = 950;

// Sides.
inline constexpr int 先手 = 1;
inline constexpr int 後手 = -1;
inline constexpr int 手番なし = 0;

// Results of tests and values of flags.
inline constexpr int OK = 1;
inline constexpr int NG = 0;

// Game modes.
inline constexpr int 対局_MAN = 0;  // two humans at one mouse
inline constexpr int 対局_COM = 1;  // a human against the computer

// Background kinds; they double as picture codes.
inline constexpr int 背景_緑 = 2;
inline constexpr int 背景_畳 = 3;
inline constexpr int 背景_竹 = 4;
inline constexpr int 背景_宇宙 = 5;
inline constexpr int 背景_煉瓦 = 6;

// Stand columns: the lower player's on the right, the upper player's on the left.
inline constexpr int 自持盤X1 = 7;   // 歩 香 桂 銀 faces
inline constexpr int 自持盤X2 = 9;   // 飛 と 金 角 faces
inline constexpr int 敵持盤X1 = -1;  // 歩 香 桂 銀 faces
inline constexpr int 敵持盤X2 = -3;  // 飛 と 金 角 faces

inline constexpr bool isMan(int code) {
    return code <= -10;
}
inline constexpr bool isCom(int code) {
    return code >= 10;
}
inline constexpr bool isManStand(int x) {
    return x == 自持盤X1 || x == 自持盤X2;
}
inline constexpr bool isComStand(int x) {
    return x == 敵持盤X1 || x == 敵持盤X2;
}
inline constexpr bool isStand(int x) {
    return isManStand(x) || isComStand(x);
}
inline constexpr bool onBoard(int x, int y) {
    return x >= 1 && x <= 5 && y >= 1 && y <= 5;
}

// The face pair 1..4 a code belongs to (pawn/rook, tokin/lance, knight/gold,
// silver/bishop); 0 for the kings, empty squares and unknown codes.
int facePair(int code);

// The face a stand square shows: column 7/−1 the first face of the pair,
// 9/−3 the second; the lower player's rows are pair + 1, the upper's 5 − pair.
int standFace(int standX, int pair);

// The first (歩 香 桂 銀) or second (飛 と 金 角) face of a pair 1..4, of the
// upper side or the lower; 空桝 for another pair.
int pairFace(int pair, bool second, bool upper);

// True for the eighteen piece codes.
bool isPieceCode(int code);

}  // namespace tanukiban
