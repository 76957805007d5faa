// Reading records: the example, the side decision, and every kind of file
// that must be refused without touching the game.
#include <gtest/gtest.h>

#include <string>

#include "record/navigation.h"
#include "record/record_format.h"
#include "record/record_reader.h"
#include "tests/record/record_support.h"

namespace tanukiban {
namespace {

using test::kExampleBytes;

const std::string kHeader = "t\r\nu\r\nl\r\n";

// Everything a load could change.
::testing::AssertionResult untouched(const GameState& a, const GameState& b) {
    if (auto same = test::samePosition(a, b); !same) return same;
    if (a.手順最大数 != b.手順最大数 || a.棋譜モード != b.棋譜モード || a.手番MAN != b.手番MAN ||
        a.手番COM != b.手番COM || a.対局モード != b.対局モード ||
        a.手順.手順元X != b.手順.手順元X || a.手順.手順先駒 != b.手順.手順先駒 ||
        a.手順.手順後秒MAN != b.手順.手順後秒MAN) {
        return ::testing::AssertionFailure() << "game changed";
    }
    return ::testing::AssertionSuccess();
}

// A game in progress that a refused file must leave as it is.
GameState gameInProgress() {
    return test::playedGame(7, true, 12);
}

ReadResult loadInto(GameState& s, const std::string& bytes) {
    test::ScratchFolder folder;
    test::writeBytes(folder / "x.棋譜", bytes);
    return loadRecord(s, folder / "x.棋譜");
}

TEST(RecordReader, ReadsTheExample) {
    const ReadResult r = parseRecord(kExampleBytes);
    ASSERT_EQ(r.status, ReadStatus::Loaded);
    EXPECT_EQ(r.record.header.title, "練習");
    EXPECT_EQ(r.record.header.upper, "ｺﾝﾋﾟｭｰﾀ");
    EXPECT_EQ(r.record.header.lower, "あなた");
    ASSERT_EQ(r.record.plies, 2);
    const MoveList& l = r.record.手順;
    EXPECT_EQ(l.手順元X[1], 2);
    EXPECT_EQ(l.手順先駒[1], 角MAN);
    EXPECT_EQ(l.手順元駒[1], 銀MAN);
    EXPECT_EQ(l.手順後秒MAN[1], 3);
    EXPECT_EQ(l.手順先駒[2], 桂COM);
    EXPECT_EQ(l.手順前秒MAN[2], 3);
    EXPECT_EQ(l.手順後秒COM[2], 2);
    EXPECT_EQ(readNotices(r.status).size(), 2u);
    EXPECT_EQ(readNotices(r.status)[1].text, "棋譜を '進 'で進めて下さい");
}

TEST(RecordReader, TheFirstMoverDecidesTheSidesAndTheBoardStaysAtTheStart) {
    GameState s = gameInProgress();
    ASSERT_EQ(loadInto(s, kExampleBytes).status, ReadStatus::Loaded);
    EXPECT_EQ(s.対局モード, 対局_MAN);
    EXPECT_EQ(s.手番MAN, 先手);
    EXPECT_EQ(s.手番COM, 後手);
    EXPECT_EQ(s.手番, 先手);
    EXPECT_EQ(s.棋譜モード, OK);
    EXPECT_EQ(s.手順数, 0);
    EXPECT_EQ(s.手数, 0);
    EXPECT_EQ(s.手順最大数, 2);
    EXPECT_EQ(s.持駒数MAN + s.持駒数COM, 0);
    Grid initial{};
    setInitialPosition(initial);
    EXPECT_EQ(s.盤, initial);

    const std::string comFirst = kHeader + " 1112 900  10   0    0    0    0    4\r\n";
    ASSERT_EQ(loadInto(s, comFirst).status, ReadStatus::Loaded);
    EXPECT_EQ(s.対局モード, 対局_COM);
    EXPECT_EQ(s.手番COM, 先手);
    EXPECT_EQ(s.手番MAN, 後手);
    EXPECT_EQ(s.手番, 先手);
}

TEST(RecordReader, HeaderAloneLoadsNoMovesAndKeepsRecordMode) {
    for (const std::string& bytes : {kHeader, std::string("only a title"), std::string()}) {
        GameState s = gameInProgress();
        const ReadResult r = loadInto(s, bytes);
        ASSERT_EQ(r.status, ReadStatus::NoMoves) << bytes;
        EXPECT_EQ(readNotices(r.status).front().text, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません");
        EXPECT_EQ(s.棋譜モード, OK);
        EXPECT_EQ(s.手番, 手番なし);
        EXPECT_EQ(s.手順最大数, 0);
        EXPECT_EQ(stepForward(s), StepStatus::NoGame);
    }
}

TEST(RecordReader, AcceptsUtf8WhenTheBytesAreNotCodePage932) {
    const std::string utf8 =
        "練習\r\nｺﾝﾋﾟｭｰﾀ\r\nあなた\r\n"
        " 2524-800-100   0    0    3    0    0\r\n";
    for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8}) {
        const ReadResult r = parseRecord(bytes);
        ASSERT_EQ(r.status, ReadStatus::Loaded);
        EXPECT_EQ(r.record.header.title, "練習");
        EXPECT_EQ(r.record.header.upper, "ｺﾝﾋﾟｭｰﾀ");
    }
    EXPECT_EQ(parseRecord("\x82\r\n\xff\xfe\r\n\r\n").status, ReadStatus::Invalid);
}

TEST(RecordReader, LooseLineEndsTrailingBlankLinesAndControlCharactersInNames) {
    std::string lf = "\x1b[31mt\x07itle\nu\nl\n 2524-800-100   0    0    3    0    0";
    const ReadResult r = parseRecord(lf + "\n\n  \r\n\t\r\n");
    ASSERT_EQ(r.status, ReadStatus::Loaded);
    EXPECT_EQ(r.record.plies, 1);
    EXPECT_EQ(r.record.header.title, "[31mtitle");
}

TEST(RecordReader, FiveHundredPliesAreTheMost) {
    // Both kings step out and back: every ply replays.
    const char* steps[] = {
        " 3534-950-950   0    0    0    0    0", " 3132 950 950   0    0    0    0    0",
        " 3435-950-950   0    0    0    0    0", " 3231 950 950   0    0    0    0    0"};
    std::string bytes = kHeader;
    for (int i = 0; i < 手順上限; ++i) bytes += std::string(steps[i % 4]) + "\r\n";
    const ReadResult full = parseRecord(bytes);
    ASSERT_EQ(full.status, ReadStatus::Loaded);
    EXPECT_EQ(full.record.plies, 手順上限);

    GameState s = gameInProgress();
    const GameState before = s;
    bytes += std::string(steps[0]) + "\r\n";
    EXPECT_EQ(loadInto(s, bytes).status, ReadStatus::Invalid);
    EXPECT_TRUE(untouched(s, before));
}

struct BadFile {
    const char* why;
    std::string moves;
};

class RefusedRecord : public ::testing::TestWithParam<BadFile> {};

TEST_P(RefusedRecord, IsRefusedWholeAndTheGameStaysAsItWas) {
    GameState s = gameInProgress();
    const GameState before = s;
    const ReadResult r = loadInto(s, kHeader + GetParam().moves);
    EXPECT_EQ(r.status, ReadStatus::Invalid) << GetParam().why;
    EXPECT_EQ(readNotices(r.status).front().text, "棋譜ﾌｧｲﾙが正しくありません");
    EXPECT_EQ(readNotices(r.status).front().title, "棋譜");
    EXPECT_TRUE(untouched(s, before));
}

std::string ply(int 元X, int 元Y, int 先X, int 先Y, int 先駒, int 元駒, int 取得駒) {
    return *formatMoveLine({元X, 元Y, 先X, 先Y, 先駒, 元駒, 取得駒, 0, 0, 0, 0}) + "\r\n";
}

const std::string kGood = " 2524-800-100   0    0    3    0    0\r\n";

// Lower pawn out as a rook, upper pawn likewise, the rook takes the upper
// tokin (pair 2 into the lower hand), upper gold out.
const std::string kLowerTakesATokin = ply(5, 5, 5, 4, -900, -10, 0) + ply(1, 1, 1, 2, 900, 10, 0) +
                                      ply(5, 4, 5, 1, -10, -900, 11) + ply(2, 1, 2, 2, 30, 110, 0);

INSTANTIATE_TEST_SUITE_P(
    BadFiles, RefusedRecord,
    ::testing::Values(
        BadFile{"source column 6", " 6524-800-100   0    0    3    0    0\r\n"},
        BadFile{"source column 0", " 0524-800-100   0    0    3    0    0\r\n"},
        BadFile{"source column -2", "-2524 -10 -10   0    0    3    0    0\r\n"},
        BadFile{"source column 8", " 8324 -10 -10   0    0    3    0    0\r\n"},
        BadFile{"source row 0", " 2024-800-100   0    0    3    0    0\r\n"},
        BadFile{"source row 6", " 2624-800-100   0    0    3    0    0\r\n"},
        BadFile{"destination column 0", " 2504-800-100   0    0    3    0    0\r\n"},
        BadFile{"destination row 9", " 2529-800-100   0    0    3    0    0\r\n"},
        BadFile{"unknown placed code", " 2524-801-100   0    0    3    0    0\r\n"},
        BadFile{"unknown moving code", " 2524-800-101   0    0    3    0    0\r\n"},
        BadFile{"unknown captured code", " 2524-800-100   5    0    3    0    0\r\n"},
        BadFile{"negative time", " 2524-800-100   0    0   -3    0    0\r\n"},
        BadFile{"source lacks the piece", " 2424-800-100   0    0    3    0    0\r\n"},
        BadFile{"placed code not the other face", " 2524-100-100   0    0    3    0    0\r\n"},
        BadFile{"king turned into something", " 3534-800-950   0    0    3    0    0\r\n"},
        BadFile{"own piece on the destination", " 3525-950-950   0    0    3    0    0\r\n"},
        BadFile{"captured code does not stand there", " 2524-800-100  10    0    3    0    0\r\n"},
        BadFile{"drop from an empty hand", " 7333 -10 -10   0    0    3    0    0\r\n"},
        BadFile{"upper drop of what was never taken", kGood + ply(-1, 1, 3, 3, 10, 10, 0)},
        BadFile{"drop from a pair the hand lacks",
                kLowerTakesATokin + ply(7, 2, 3, 3, -10, -10, 0)},
        BadFile{"drop placing another pair's face",
                kLowerTakesATokin + ply(9, 4, 3, 3, -110, -20, 0)},
        BadFile{"lower drop from the upper stand",
                kLowerTakesATokin + ply(-1, 3, 3, 3, -20, -20, 0)},
        BadFile{"short line", " 2524-800-100   0    0    3    0\r\n"},
        BadFile{"blank line between plies",
                kGood + "\r\n" + " 2122  30 110   0    3    3    0    2\r\n"},
        BadFile{"undecodable bytes", "\xff\xff\r\n"}));

TEST(RecordReader, DropsOfEitherFaceOfAHeldPairAreAccepted) {
    for (const auto& drop : {ply(7, 3, 3, 3, -20, -20, 0), ply(9, 3, 3, 3, -11, -11, 0)}) {
        const ReadResult r = parseRecord(kHeader + kLowerTakesATokin + drop);
        ASSERT_EQ(r.status, ReadStatus::Loaded);
        EXPECT_EQ(r.record.plies, 5);
    }
}

TEST(RecordReader, AFileThatCannotBeOpenedChangesNothing) {
    test::ScratchFolder folder;
    GameState s = gameInProgress();
    const GameState before = s;
    for (const auto& path : {folder / "missing.棋譜", folder.path()}) {
        const ReadResult r = loadRecord(s, path);
        EXPECT_EQ(r.status, ReadStatus::CannotOpen);
        EXPECT_EQ(readNotices(r.status).front().text, "棋譜ﾌｧｲﾙを開けません");
        EXPECT_TRUE(untouched(s, before));
    }
}

TEST(RecordReader, AnOversizedFileIsRefused) {
    std::string bytes = kHeader + std::string(kLargestRecordFile, ' ');
    EXPECT_EQ(parseRecord(bytes).status, ReadStatus::Invalid);
    test::ScratchFolder folder;
    test::writeBytes(folder / "big.棋譜", bytes);
    EXPECT_EQ(readRecordFile(folder / "big.棋譜").status, ReadStatus::Invalid);
}

}  // namespace
}  // namespace tanukiban
