// 棋譜解析: the window's graph is the review the probe prints, choosing the
// item again cancels, and a click on the graph steps the board there.
#include <gtest/gtest.h>

#include "record/record_reader.h"
#include "record/record_writer.h"
#include "tests/flow/record_scene.h"

namespace tanukiban::testing {
namespace {

class 棋譜解析 : public ::testing::Test {
  protected:
    void SetUp() override {
        const PlayedGame game = lively(true, 24);
        ASSERT_EQ(writeRecordFile(game.final, {".", "解析", "t", "a", "b"}), WriteStatus::Written);
        h.start();
        h.game.File1_Click("解析.棋譜");
        budget.nodes = 3000;
        GameFixture::setReviewBudget(h.game, budget);
        h.platform.messages.clear();
    }
    void finishReview() {
        GameFixture::awaitReview(h.game);
        h.settle();
    }

    GameHarness h;
    players::ReviewBudget budget;
};

TEST_F(棋譜解析, グラフはプローブと同じ評価と印) {
    h.menu(MenuItem::REVIEW);
    EXPECT_TRUE(h.platform.analysis.visible);
    EXPECT_GT(h.platform.analysis.total, 0) << "the progress bar is up";
    finishReview();
    EXPECT_EQ(h.platform.analysis.total, 0);

    // As the probe reviews a record file.
    const ReadResult read = readRecordFile("解析.棋譜");
    GameState start;
    applyRecord(start, read.record);
    players::GameReviewer reviewer;
    const players::Review expected =
        reviewer.review({start, read.record.手順, read.record.plies}, budget);
    ASSERT_EQ(expected.status, players::ReviewStatus::Complete);
    const std::vector<GraphPoint>& points = h.platform.analysis.points;
    ASSERT_EQ(points.size(), expected.plies.size() + 1);
    EXPECT_EQ(points[0].evaluation, expected.plies[0].before);
    for (const players::ReviewedPly& p : expected.plies) {
        EXPECT_EQ(points[p.ply].ply, p.ply);
        EXPECT_EQ(points[p.ply].evaluation, p.after) << "ply " << p.ply;
        EXPECT_EQ(static_cast<int>(points[p.ply].mark), static_cast<int>(p.mark));
    }

    // A click on the graph steps the board there, and the note speaks of that ply.
    h.game.reviewGraphClick(7);
    h.settle();
    EXPECT_EQ(h.state().手順数, 7);
    EXPECT_EQ(h.platform.analysis.selected, 7);
    EXPECT_EQ(h.platform.analysis.note.rfind("7手目", 0), 0u) << h.platform.analysis.note;
    EXPECT_NE(h.platform.analysis.note.find("損失"), std::string::npos);
    h.game.reviewGraphClick(2);
    EXPECT_EQ(h.state().手順数, 2);

    // Another game on display: the review goes.
    h.menu(MenuItem::CANCEL);
    EXPECT_TRUE(h.platform.analysis.points.empty());
    EXPECT_FALSE(h.platform.analysis.visible);
}

TEST_F(棋譜解析, もう一度選ぶと取り消す) {
    GameFixture::setReviewBudget(h.game, {engine::Milliseconds(10000), 0});
    h.menu(MenuItem::REVIEW);
    h.menu(MenuItem::REVIEW);
    finishReview();
    EXPECT_EQ(h.platform.analysis.total, 0);
    EXPECT_TRUE(h.platform.analysis.points.empty());
    EXPECT_FALSE(h.platform.analysis.visible);
    EXPECT_FALSE(h.platform.analysisTimerOn);
}

TEST_F(棋譜解析, 手のない時は断る) {
    h.menu(MenuItem::CANCEL);
    h.menu(MenuItem::REVIEW);
    EXPECT_EQ(lastMessage(h.platform), "棋譜解析|解析する手がありません");
    EXPECT_EQ(h.sound.plays(h.sounds().音_禁止), 1);
    EXPECT_FALSE(h.platform.analysis.visible);
}

}  // namespace
}  // namespace tanukiban::testing
