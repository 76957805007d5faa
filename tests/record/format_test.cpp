// Move lines, header placement and the code page at the file's boundary.
#include <gtest/gtest.h>

#include "record/record_format.h"
#include "record/text_codec.h"
#include "rules/state.h"

namespace tanukiban {
namespace {

MoveLineFields line(int 元X, int 元Y, int 先X, int 先Y, int 先駒, int 元駒, int 取得駒, int a = 0,
                    int b = 0, int c = 0, int d = 0) {
    return {元X, 元Y, 先X, 先Y, 先駒, 元駒, 取得駒, a, b, c, d};
}

TEST(MoveLine, FieldsAreRightAlignedInTheirColumns) {
    EXPECT_EQ(formatMoveLine(line(2, 5, 2, 4, -800, -100, 0, 0, 3, 0, 0)),
              " 2524-800-100   0    0    3    0    0");
    // An upper-side drop fills both source columns; the widest codes fill theirs.
    EXPECT_EQ(formatMoveLine(line(-3, 1, 3, 3, 900, 900, 0)),
              "-3133 900 900   0    0    0    0    0");
    EXPECT_EQ(formatMoveLine(line(3, 4, 3, 5, -950, -950, -900)),
              " 3435-950-950-900    0    0    0    0");
    EXPECT_EQ(formatMoveLine(line(1, 1, 1, 2, 900, 10, 0, 99999, 99999, 12345, 0))->size(), 37u);
}

TEST(MoveLine, AValueWiderThanItsFieldIsNotWritten) {
    EXPECT_FALSE(formatMoveLine(line(100, 1, 1, 1, 10, 10, 0)));
    EXPECT_FALSE(formatMoveLine(line(1, 1, 1, 1, 10, 10, 0, 100000)));
    EXPECT_FALSE(formatMoveLine(line(1, -1, 1, 1, 10, 10, 0)));
}

TEST(MoveLine, TimesAreCutToWholeSecondsThatFitTheField) {
    MoveList list;
    list.手順前秒MAN[1] = 12.8;
    list.手順後秒MAN[1] = 1234.99;
    list.手順前秒COM[1] = -0.5;    // never negative in a file
    list.手順後秒COM[1] = 250000;  // beyond five columns: the largest that fits
    const auto f = moveLineFields(list, 1);
    EXPECT_EQ(f[kFieldManBefore], 12);
    EXPECT_EQ(f[kFieldManAfter], 1234);
    EXPECT_EQ(f[kFieldComBefore], 0);
    EXPECT_EQ(f[kFieldComAfter], kLongestTime);
}

TEST(MoveLine, ParsesOnlyLinesOfExactlyThirtySevenAsciiCharacters) {
    EXPECT_EQ(parseMoveLine(" 2122  30 110   0    3    3    0    2"),
              line(2, 1, 2, 2, 30, 110, 0, 3, 3, 0, 2));
    EXPECT_EQ(parseMoveLine("-1423 100 100   0   12   12   40   45"),
              line(-1, 4, 2, 3, 100, 100, 0, 12, 12, 40, 45));
    EXPECT_FALSE(parseMoveLine(" 2122  30 110   0    3    3    0    "));
    EXPECT_FALSE(parseMoveLine(" 2122  30 110   0    3    3    0    2 "));
    EXPECT_FALSE(parseMoveLine(" 2122  30 110   0    3    3    0   \xef\xbc\x92"));
}

TEST(MoveLine, AFieldThatIsNotANumberReadsAsZero) {
    const auto f = parseMoveLine(" 2122  30 1x0   0    3  - 3    0   - ");
    ASSERT_TRUE(f);
    EXPECT_EQ((*f)[kFieldMoving], 0);
    EXPECT_EQ((*f)[kFieldManAfter], 0);
    EXPECT_EQ((*f)[kFieldComAfter], 0);
    EXPECT_EQ((*f)[kFieldPlaced], 30);
}

TEST(RecordLines, EndAtCrLfLfOrCrAndNotAfterTheLast) {
    RecordLines lines("a\r\nb\nc\rd\r\n\r\n");
    std::string s = "untouched";
    std::vector<std::string> got;
    while (読込_棋譜ファイル(lines, s) == OK) got.push_back(s);
    EXPECT_EQ(got, (std::vector<std::string>{"a", "b", "c", "d", ""}));
    EXPECT_EQ(s, "");
    RecordLines none("");
    s = "kept";
    EXPECT_EQ(読込_棋譜ファイル(none, s), NG);
    EXPECT_EQ(s, "kept");
}

TEST(CodePage, KeepsBackslashAndTildeAndRoundTripsJapanese) {
    const std::string text = "\\~ｺﾝﾋﾟｭｰﾀ練習あなた～";
    const auto bytes = encodeCp932(text);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->substr(0, 2), "\\~");
    EXPECT_EQ(bytes->substr(2, 7), "\xba\xdd\xcb\xdf\xad\xb0\xc0");
    EXPECT_EQ(decodeCp932(*bytes), text);
}

TEST(CodePage, CharactersItLacksBecomeQuestionMarks) {
    EXPECT_EQ(encodeCp932("a😀b\xffz"), "a?b?z");
}

TEST(CodePage, BrokenSequencesDoNotDecode) {
    EXPECT_FALSE(decodeCp932("\x82"));          // a lead byte alone at the end
    EXPECT_FALSE(decodeCp932("\xef\xbb\xbf"));  // a UTF-8 byte order mark
    EXPECT_TRUE(decodeCp932("plain ASCII\r\n"));
}

TEST(Utf8, ValidityAndControlCharacters) {
    EXPECT_TRUE(isValidUtf8("練習 ｺﾝﾋﾟｭｰﾀ 😀"));
    EXPECT_FALSE(isValidUtf8("\xc0\xaf"));      // overlong
    EXPECT_FALSE(isValidUtf8("\xed\xa0\x80"));  // surrogate
    EXPECT_FALSE(isValidUtf8("\xe7\xb7"));      // cut short
    EXPECT_EQ(withoutControlCharacters("名\t前\r\n\x1b[1m\xc2\x85!"), "名前[1m!");
    EXPECT_TRUE(hasControlCharacter("a\x7f"));
    EXPECT_FALSE(hasControlCharacter("棋譜 1"));
    EXPECT_EQ(characterCount("ｺﾝﾋﾟｭｰﾀ練習"), 9);
}

}  // namespace
}  // namespace tanukiban
