// 戻, 進, 最初 and 反転 as state changes.
#include "record/navigation.h"

#include <gtest/gtest.h>

#include "record/record_format.h"
#include "record/record_reader.h"
#include "tests/record/record_support.h"

namespace tanukiban {
namespace {

using test::playedGame;
using test::samePosition;

TEST(Navigation, EveryPositionOfAGameIsRestoredExactlyBothWays) {
    for (unsigned seed : {5u, 6u, 9u}) {
        const bool manFirst = seed % 2 == 1;
        const int plies = 60;
        GameState s = playedGame(seed, manFirst, plies);
        ASSERT_EQ(s.手順数, plies);
        int drops = 0, captures = 0;
        for (int i = 1; i <= plies; ++i) {
            drops += isStand(s.手順.手順元X[i]);
            captures += s.手順.手順取得駒[i] != 空桝;
        }
        ASSERT_GT(drops, 3);
        ASSERT_GT(captures, 3);
        for (int k = plies - 1; k >= 0; --k) {
            ASSERT_EQ(stepBack(s), StepStatus::Stepped);
            ASSERT_TRUE(samePosition(s, playedGame(seed, manFirst, k))) << "back to " << k;
        }
        EXPECT_EQ(stepBack(s), StepStatus::AtStart);
        for (int k = 1; k <= plies; ++k) {
            ASSERT_EQ(stepForward(s), StepStatus::Stepped);
            ASSERT_TRUE(samePosition(s, playedGame(seed, manFirst, k))) << "forward to " << k;
        }
        EXPECT_EQ(s.手順最大数, plies);
    }
}

TEST(Navigation, ThreeBackAndThreeForwardIsWhereWeStarted) {
    GameState s = playedGame(21, true, 15);
    const GameState before = s;
    for (int i = 0; i < 3; ++i) stepBack(s);
    EXPECT_EQ(s.手順数, 12);
    EXPECT_EQ(s.局面変更, OK);
    for (int i = 0; i < 3; ++i) stepForward(s);
    EXPECT_TRUE(samePosition(s, before));
}

TEST(Navigation, RefusalsAndTheirNotices) {
    GameState s = playedGame(2, true, 4);
    const GameState atEnd = s;
    EXPECT_EQ(stepForward(s), StepStatus::EndOfGame);
    EXPECT_TRUE(samePosition(s, atEnd));
    auto n = stepNotice(StepStatus::EndOfGame);
    EXPECT_EQ(n->text, "できません");
    EXPECT_EQ(n->title, "進む");
    EXPECT_TRUE(n->refusalSound);

    n = stepNotice(StepStatus::EndOfRecord);
    EXPECT_EQ(n->text, "終わり");
    EXPECT_EQ(n->title, "進む");
    EXPECT_FALSE(n->refusalSound);

    GameState start;
    初期設定(start);
    start.手番 = 先手;
    EXPECT_EQ(stepBack(start), StepStatus::AtStart);
    EXPECT_EQ(start.局面変更, OK);
    n = stepNotice(StepStatus::AtStart);
    EXPECT_EQ(n->text, "できません");
    EXPECT_EQ(n->title, "戻る");
    EXPECT_TRUE(n->refusalSound);
    EXPECT_FALSE(stepNotice(StepStatus::Stepped));
}

TEST(Navigation, AfterGoingBackToTheStartStepForwardIsRefused) {
    GameState s = playedGame(4, false, 9);
    初期設定(s);  // 局面 → 最初
    EXPECT_EQ(s.手順最大数, 9);
    EXPECT_EQ(stepForward(s), StepStatus::NoGame);
    EXPECT_EQ(s.局面変更, NG);
    EXPECT_EQ(s.手順数, 0);
    const auto n = stepNotice(StepStatus::NoGame);
    EXPECT_EQ(n->text, "「対局」で始めて下さい");
    EXPECT_EQ(n->title, "開始");
    EXPECT_TRUE(n->refusalSound);
}

TEST(Navigation, ARecordEndsWithTheEndNotice) {
    GameState s;
    ASSERT_EQ(parseRecord(test::kExampleBytes).status, ReadStatus::Loaded);
    applyRecord(s, parseRecord(test::kExampleBytes).record);
    EXPECT_EQ(stepForward(s), StepStatus::Stepped);
    EXPECT_EQ(s.所有秒MAN, 3);
    EXPECT_EQ(s.手番, 後手);
    EXPECT_EQ(stepForward(s), StepStatus::Stepped);
    EXPECT_EQ(s.所有秒COM, 2);
    EXPECT_EQ(s.盤[2][2], 桂COM);
    const GameState end = s;
    EXPECT_EQ(stepForward(s), StepStatus::EndOfRecord);
    EXPECT_TRUE(samePosition(s, end));
}

TEST(Navigation, AnUpperDropReturnsToTheHandByItsFaceWhateverRowWasStored) {
    GameState s;
    初期設定(s);
    s.持駒COM[2] = 1;
    s.持駒数COM = 1;
    s.手番 = 先手;
    // The stand row of the upper player's second face of pair 2 (tokin) is 3.
    手順保存(s, 敵持盤X2, 3, 3, 3, とCOM, とCOM, 0, 0, 0, 1);
    s.手順数 = 0;
    EXPECT_EQ(stepForward(s), StepStatus::Stepped);
    EXPECT_EQ(s.盤[3][3], とCOM);
    EXPECT_EQ(s.持駒COM[2], 0);
    EXPECT_EQ(s.持駒COM[3], 0);
    EXPECT_EQ(s.持駒数COM, 0);
    EXPECT_EQ(stepBack(s), StepStatus::Stepped);
    EXPECT_EQ(s.盤[3][3], 空桝);
    EXPECT_EQ(s.持駒COM[2], 1);
    EXPECT_EQ(s.持駒数COM, 1);
}

std::string ply(int a, int b, int c, int d, int placed, int moving, int captured) {
    return *formatMoveLine({a, b, c, d, placed, moving, captured, 0, 0, 0, 0}) + "\r\n";
}

TEST(Navigation, TakingAKingPutsNothingInAHandEitherWay) {
    // Only a hand-made record holds such a ply.
    const std::string bytes = "t\r\nu\r\nl\r\n" + ply(3, 5, 3, 4, -950, -950, 0) +
                              ply(3, 1, 3, 2, 950, 950, 0) + ply(3, 4, 3, 3, -950, -950, 0) +
                              ply(4, 1, 4, 2, 800, 100, 0) + ply(3, 3, 3, 2, -950, -950, 950);
    const ReadResult r = parseRecord(bytes);
    ASSERT_EQ(r.status, ReadStatus::Loaded);
    GameState s;
    applyRecord(s, r.record);
    for (int i = 0; i < 4; ++i) stepForward(s);
    const GameState before = s;
    ASSERT_EQ(stepForward(s), StepStatus::Stepped);
    EXPECT_EQ(s.盤[3][2], 王MAN);
    EXPECT_EQ(s.持駒MAN, before.持駒MAN);
    EXPECT_EQ(s.持駒数MAN, 0);
    EXPECT_EQ(s.持駒数COM, 0);
    ASSERT_EQ(stepBack(s), StepStatus::Stepped);
    EXPECT_TRUE(samePosition(s, before));
    EXPECT_EQ(s.盤[3][2], 王COM);
}

TEST(Flip, TurnsThePositionAndExchangesSidesAndHands) {
    GameState s = playedGame(12, true, 30);
    ASSERT_GT(s.持駒数MAN + s.持駒数COM, 0);
    const GameState before = s;
    ASSERT_EQ(flipBoard(s), FlipStatus::Flipped);
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) EXPECT_EQ(s.盤[6 - x][6 - y], -before.盤[x][y]);
    }
    EXPECT_EQ(s.持駒MAN, before.持駒COM);
    EXPECT_EQ(s.持駒数COM, before.持駒数MAN);
    EXPECT_EQ(s.手番, -before.手番);
    EXPECT_EQ(s.反転済, OK);
    EXPECT_EQ(s.手順数, 0);
    EXPECT_EQ(s.手順最大数, 0);
    EXPECT_EQ(stepBack(s), StepStatus::AtStart);
    EXPECT_EQ(stepForward(s), StepStatus::EndOfGame);

    ASSERT_EQ(flipBoard(s), FlipStatus::Flipped);
    EXPECT_EQ(s.盤, before.盤);
    EXPECT_EQ(s.持駒MAN, before.持駒MAN);
    EXPECT_EQ(s.持駒COM, before.持駒COM);
    EXPECT_EQ(s.持駒数MAN, before.持駒数MAN);
    EXPECT_EQ(s.手番, before.手番);
    EXPECT_EQ(s.手順数, 0);
}

TEST(Flip, NegatesAHandicapThatWasSetAndIsRefusedInRecordMode) {
    GameState s;
    初期設定(s);
    s.ハンデレベル = 2;
    flipBoard(s);
    EXPECT_EQ(s.ハンデレベル, 2);  // no handicap was set
    s.ハンデ設定済 = OK;
    flipBoard(s);
    EXPECT_EQ(s.ハンデレベル, -2);

    applyRecord(s, parseRecord(test::kExampleBytes).record);
    const GameState before = s;
    EXPECT_EQ(flipBoard(s), FlipStatus::RecordMode);
    EXPECT_TRUE(samePosition(s, before));
    EXPECT_EQ(s.反転済, NG);
    const auto n = flipNotice(FlipStatus::RecordMode);
    EXPECT_EQ(n->text, "棋譜ﾓｰﾄﾞではできません");
    EXPECT_EQ(n->title, "反転");
    EXPECT_TRUE(n->refusalSound);
}

}  // namespace
}  // namespace tanukiban
