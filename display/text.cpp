#include "display/text.h"

#include <array>
#include <cstdlib>
#include <string>

#include "display/board.h"
#include "rules/pieces.h"
#include "text/language.h"

namespace tanukiban {

namespace {

constexpr std::array<std::string_view, 10> kKanjiNumerals{"",   "一", "二", "三", "四",
                                                          "五", "六", "七", "八", "九"};
constexpr std::array<std::string_view, 10> kWideDigits{"",   "１", "２", "３", "４",
                                                       "５", "６", "７", "８", "９"};

void print(Surface& s, double x, double y, std::string_view japanese, std::string_view english,
           int colour, double size) {
    s.drawTranslatedText(x, y, japanese, english, TextStyle{size, s.bold(), colour});
}

void print(Surface& s, double x, double y, std::string_view text, int colour, double size) {
    print(s, x, y, text, text::english(text), colour, size);
}

// Ranks are letters in English, a at the top.
std::string rankLetter(int row) {
    return std::string(1, static_cast<char>('a' + row - 1));
}

// The letters players of this board write the faces with.
std::string_view pieceLetter(int code) {
    switch (std::abs(code)) {
        case 10:
            return "P";
        case 11:
            return "T";
        case 20:
            return "L";
        case 30:
            return "N";
        case 100:
            return "S";
        case 110:
            return "G";
        case 800:
            return "B";
        case 900:
            return "R";
        case 950:
            return "K";
        default:
            return {};
    }
}

// A shadow in black, then the text a tenth of a square up and to the left.
void shadowed(Surface& s, double x, double y, std::string_view text, int colour, double size) {
    print(s, x, y, text, 黒色, size);
    print(s, x - 0.1, y - 0.1, text, colour, size);
}

}  // namespace

void 描画_数値(Surface& s, double 入力X, double 入力Y, std::string_view 数値, int 色, int モード,
               double フォントサイズ) {
    if (モード == 0) {
        print(s, 入力X, 入力Y, 数値, 色, フォントサイズ);
    } else if (モード == 1) {
        // Only a single digit 1..9 has a numeral.
        if (数値.size() == 1 && 数値[0] >= '1' && 数値[0] <= '9') {
            const int n = 数値[0] - '0';
            print(s, 入力X, 入力Y, kKanjiNumerals[n], rankLetter(n), 色, フォントサイズ);
        }
    }
}

void 描画_数値(Surface& s, double 入力X, double 入力Y, int 数値, int 色, int モード,
               double フォントサイズ) {
    描画_数値(s, 入力X, 入力Y, std::to_string(数値), 色, モード, フォントサイズ);
}

std::string_view 文字列表(int 数値) {
    static constexpr std::array<std::string_view, 21> kHandicap{
        "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段",
        "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段",
        "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級",
        "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級",
        "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級",
        "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級",
    };
    if (数値 >= -10 && 数値 <= 10) return kHandicap[数値 + 10];
    if (数値 == 99) return "手目";
    return {};
}

void 描画_文字列(Surface& s, double 入力X, double 入力Y, int 数値, int 色, double サイズ) {
    const std::string_view text = 文字列表(数値);
    if (text.empty()) return;
    // A fixed offset of 120 and 160 twips beyond the cell position.
    print(s, 入力X + 120.0 / 桝幅, 入力Y + 160.0 / 桝高, text, 色, サイズ);
}

void 描画_移動駒種類(Surface& s, double 入力X, double 入力Y, std::string_view 駒文字, int 色) {
    描画_移動駒種類(s, 入力X, 入力Y, 駒文字, text::english(駒文字), 色);
}

void 描画_移動駒種類(Surface& s, double 入力X, double 入力Y, std::string_view 駒文字,
                     std::string_view english, int 色) {
    print(s, 入力X, 入力Y, 駒文字, english, 色, 12);
}

std::string 文字列変換(int IN_文字列) {
    if (IN_文字列 >= 1 && IN_文字列 <= 9) return std::string(kWideDigits[IN_文字列]);
    if (IN_文字列 >= 1001 && IN_文字列 <= 1009)
        return std::string(kKanjiNumerals[IN_文字列 - 1000]);
    switch (std::abs(IN_文字列)) {
        case 10:
            return "歩";
        case 11:
            return "と";
        case 20:
            return "香";
        case 30:
            return "桂";
        case 100:
            return "銀";
        case 110:
            return "金";
        case 800:
            return "角";
        case 900:
            return "飛";
        case 950:
            return "王";
        default:
            return {};
    }
}

std::string englishLastMove(int 移動先X, int 移動先Y, int 移動駒, MoveKind kind) {
    const char* mark = kind == MoveKind::Capture ? "x" : kind == MoveKind::Drop ? "*" : "-";
    return std::string(pieceLetter(移動駒)) + mark + std::to_string(6 - 移動先X) +
           rankLetter(移動先Y);
}

std::string 変換_数字から文字(long long I_数字) {
    std::string text = std::to_string(I_数字);
    if (text.size() == 1) return "0" + text;
    if (text.size() == 2) return text;
    return {};
}

void 描画_桝_数値(Surface& s) {
    s.setBold(true);
    for (int x = 1; x <= 5; ++x) {
        描画_数値(s, x + 0.2, 0.5, 6 - x, 黒色, 0, 16);
        描画_数値(s, x + 0.1, 0.4, 6 - x, 白色, 0, 16);
    }
    for (int y = 1; y <= 5; ++y) {
        描画_数値(s, 6.2, y + 0.4, y, 黒色, 1, 12);
        描画_数値(s, 6.1, y + 0.3, y, 白色, 1, 12);
    }
}

void 描画_手数(const Canvas& c, int 数値, int /*色*/) {
    Surface& s = c.surface;
    描画_絵(s, c.背景種類, 11, 3);
    描画_絵(s, c.背景種類, 12, 3);
    // The number moves left as it grows, so its last digit stays in place.
    const double x = 数値 < 10 ? 11.3 : 数値 < 100 ? 11.2 : 11.1;
    描画_数値(s, x, 3.4, 数値, 黒色, 0, 12);
    描画_数値(s, x - 0.1, 3.3, 数値, 白色, 0, 12);
    描画_文字列(s, 11.9, 3.2, 99, 黒色, 10);
    描画_文字列(s, 11.8, 3.1, 99, 白色, 10);
}

void 描画_レベル(Surface& s, int IN_LEVEL) {
    shadowed(s, -1.9, 0.2, "LEVEL", 白色, 10);
    shadowed(s, -0.6, 0.2, std::to_string(IN_LEVEL), 白色, 12);
}

namespace {

// Column, row and piece, each with its shadow, from `column`; English
// writes the piece first, on one line from the column's place.
void writeMove(Surface& s, double column, double y, int 移動先X, int 移動先Y, int 移動駒,
               MoveKind kind, int colour) {
    const std::string texts[3] = {文字列変換(6 - 移動先X), 文字列変換(1000 + 移動先Y),
                                  文字列変換(移動駒)};
    const std::string english[3] = {englishLastMove(移動先X, 移動先Y, 移動駒, kind), "", ""};
    const double xs[3] = {column, column + 0.4, column + 1.0};
    for (int i = 0; i < 3; ++i) {
        描画_移動駒種類(s, xs[i], y, texts[i], english[i], 黒色);
        描画_移動駒種類(s, xs[i] - 0.1, y - 0.1, texts[i], english[i], colour);
    }
}

}  // namespace

void 描画_移動結果(const Canvas& c, int IN_手番, int 移動先X, int 移動先Y, int 移動駒, int 駒色,
                   MoveKind kind) {
    消去_移動結果(c, IN_手番);
    if (IN_手番 == c.手番COM) {
        writeMove(c, -1.5, 6.5, 移動先X, 移動先Y, 移動駒, kind, 駒色);
    } else if (IN_手番 == c.手番MAN) {
        writeMove(c, 11.5, 2.5, 移動先X, 移動先Y, 移動駒, kind, 駒色);
    }
}

void drawHintMove(const Canvas& c, int 移動先X, int 移動先Y, int 移動駒, MoveKind kind, int 色) {
    for (int x = 11; x <= 13; ++x) 描画_絵(c, c.背景種類, x, 4);
    writeMove(c, 11.5, 4.5, 移動先X, 移動先Y, 移動駒, kind, 色);
}

void drawHintThinking(const Canvas& c) {
    for (int x = -2; x <= 0; ++x) 描画_絵(c, c.背景種類, x, 6);
    描画_数値(c, -1.5, 6.5, "考慮中", 黒色, 0, 12);
    描画_数値(c, -1.6, 6.4, "考慮中", 白色, 0, 12);
}

void 消去_移動結果(const Canvas& c, int IN_手番) {
    if (IN_手番 == c.手番COM) {
        for (int x = -2; x <= 0; ++x) 描画_絵(c, c.背景種類, x, 6);
    } else if (IN_手番 == c.手番MAN) {
        for (int x = 11; x <= 13; ++x) 描画_絵(c, c.背景種類, x, 2);
    }
}

}  // namespace tanukiban
