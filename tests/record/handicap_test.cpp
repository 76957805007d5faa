// The handicap ladder, its texts and its refusals.
#include "record/handicap.h"

#include <gtest/gtest.h>

#include "record/navigation.h"
#include "record/record_reader.h"
#include "record/record_writer.h"
#include "tests/record/record_support.h"

namespace tanukiban {
namespace {

GameState fresh() {
    GameState s;
    初期設定(s);
    return s;
}

Grid initialBoard() {
    Grid g{};
    setInitialPosition(g);
    return g;
}

TEST(Handicap, FourStepsUpGiveTheLowerSideFourPiecesAndAFifthChangesNothing) {
    GameState s = fresh();
    const struct {
        int x, y, code;
        const char* text;
    } rungs[] = {{5, 4, 飛MAN, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"},
                 {1, 4, 香MAN, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"},
                 {4, 4, 桂MAN, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"},
                 {2, 4, 角MAN, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級"}};
    Grid expected = initialBoard();
    for (const auto& r : rungs) {
        const HandicapStep step = handicapUp(s);
        ASSERT_EQ(step.status, HandicapStatus::Changed);
        EXPECT_EQ(step.x, r.x);
        EXPECT_EQ(step.y, r.y);
        EXPECT_EQ(step.code, r.code);
        expected[r.x][r.y] = r.code;
        EXPECT_EQ(s.盤, expected);
        EXPECT_EQ(handicapText(s.ハンデレベル), r.text);
        EXPECT_EQ(s.ハンデ設定済, OK);
    }
    EXPECT_EQ(handicapUp(s).status, HandicapStatus::AtEnd);
    EXPECT_EQ(s.ハンデレベル, 4);
    EXPECT_EQ(s.盤, expected);
}

TEST(Handicap, DownFromLevelTwoEmptiesThenPlacesTheUpperRook) {
    GameState s = fresh();
    handicapUp(s);
    handicapUp(s);
    HandicapStep step = handicapDown(s);
    EXPECT_EQ(step.status, HandicapStatus::Changed);
    EXPECT_EQ(s.盤[1][4], 空桝);
    EXPECT_EQ(step.code, 空桝);
    handicapDown(s);
    EXPECT_EQ(s.盤[5][4], 空桝);
    EXPECT_EQ(s.盤, initialBoard());
    step = handicapDown(s);
    EXPECT_EQ(s.盤[1][2], 飛COM);
    EXPECT_EQ(step.x, 1);
    EXPECT_EQ(step.y, 2);
    EXPECT_EQ(s.ハンデレベル, -1);
    EXPECT_EQ(handicapText(s.ハンデレベル), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級");
}

TEST(Handicap, TheUpperLadderMirrorsTheLowerOneAndStopsAtMinusFour) {
    GameState s = fresh();
    for (int i = 0; i < 4; ++i) handicapDown(s);
    EXPECT_EQ(s.盤[1][2], 飛COM);
    EXPECT_EQ(s.盤[5][2], 香COM);
    EXPECT_EQ(s.盤[2][2], 桂COM);
    EXPECT_EQ(s.盤[4][2], 角COM);
    EXPECT_EQ(handicapText(-4), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段");
    const Grid full = s.盤;
    EXPECT_EQ(handicapDown(s).status, HandicapStatus::AtEnd);
    EXPECT_EQ(s.盤, full);
    // And back up to the start, one square emptied per step.
    for (int i = 0; i < 4; ++i) EXPECT_EQ(handicapUp(s).status, HandicapStatus::Changed);
    EXPECT_EQ(s.ハンデレベル, 0);
    EXPECT_EQ(s.盤, initialBoard());
}

TEST(Handicap, UpThenDownIsTheInitialPositionButTheRecordStillCannotBeWritten) {
    GameState s = fresh();
    handicapUp(s);
    handicapDown(s);
    EXPECT_EQ(s.盤, initialBoard());
    EXPECT_EQ(s.ハンデレベル, 0);
    EXPECT_EQ(handicapText(0), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級");
    EXPECT_EQ(writePanelStatus(s), WritePanelStatus::Handicapped);
}

TEST(Handicap, FlippingNegatesTheLevelToMatchTheTurnedPieces) {
    GameState s = fresh();
    handicapUp(s);
    handicapUp(s);
    flipBoard(s);
    EXPECT_EQ(s.ハンデレベル, -2);
    GameState down = fresh();
    handicapDown(down);
    handicapDown(down);
    EXPECT_EQ(s.盤, down.盤);
    // No further step after a flip.
    EXPECT_EQ(handicapUp(s).status, HandicapStatus::NotAtStart);
}

TEST(Handicap, RefusalsInTheirOrderChangeNothing) {
    struct Case {
        GameState s;
        HandicapStatus expected;
        const char* text;
    };
    GameState loaded = fresh();
    applyRecord(loaded, parseRecord(test::kExampleBytes).record);
    GameState loadedAndStepped = loaded;
    stepForward(loadedAndStepped);
    GameState started = fresh();
    started.手番 = 先手;
    GameState flipped = fresh();
    flipBoard(flipped);
    const Case cases[] = {
        {loaded, HandicapStatus::RecordMode, "棋譜ﾓｰﾄﾞではできません(局面→最初)"},
        {loadedAndStepped, HandicapStatus::RecordMode, "棋譜ﾓｰﾄﾞではできません(局面→最初)"},
        {test::playedGame(1, true, 1), HandicapStatus::MidGame, "対局途中ではできません"},
        {started, HandicapStatus::NotAtStart, "'局面 '→ '最初 'にして下さい"},
        {flipped, HandicapStatus::NotAtStart, "'局面 '→ '最初 'にして下さい"},
    };
    for (const Case& c : cases) {
        for (auto step : {handicapUp, handicapDown}) {
            GameState s = c.s;
            EXPECT_EQ(step(s).status, c.expected);
            EXPECT_TRUE(test::samePosition(s, c.s));
            EXPECT_EQ(s.ハンデ設定済, c.s.ハンデ設定済);
            EXPECT_EQ(s.ハンデレベル, c.s.ハンデレベル);
            const auto n = handicapNotice(c.expected);
            EXPECT_EQ(n->text, c.text);
            EXPECT_EQ(n->title, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
            EXPECT_TRUE(n->refusalSound);
        }
    }
}

TEST(Handicap, TextsCoverMinusTenToTen) {
    EXPECT_EQ(handicapText(-10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
    EXPECT_EQ(handicapText(-2), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段");
    EXPECT_EQ(handicapText(8), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級");
    EXPECT_EQ(handicapText(10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級");
    EXPECT_EQ(handicapText(11), "");
    EXPECT_EQ(handicapText(-11), "");
}

}  // namespace
}  // namespace tanukiban
