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

// The game just played is reset away when the player plays on; 棋譜解析
// then brings it back as a record from its start and reviews all of it,
// until another game starts.
TEST(棋譜解析_対局後, 終わった対局を棋譜として解析する) {
    GameHarness h;
    h.start();
    GameFixture::setReviewBudget(h.game, {engine::Milliseconds(0), 3000});
    h.menu(MenuItem::START);
    h.platform.answers = {true};
    // Each side takes a piece and drops it back in; the lower lance takes the king.
    const int clicks[][2] = {{5, 5}, {5, 4}, {1, 1}, {1, 2},  {5, 4}, {5, 1}, {1, 2},
                             {1, 5}, {7, 3}, {3, 2}, {-3, 3}, {3, 4}, {3, 2}, {3, 1}};
    for (const auto& c : clicks) h.click(c[0], c[1]);
    ASSERT_EQ(lastMessage(h.platform), "再ゲーム|続けますか？");
    ASSERT_EQ(h.state().手順数, 0);

    h.menu(MenuItem::REVIEW);
    EXPECT_EQ(h.state().棋譜モード, OK);
    EXPECT_EQ(h.state().手順数, 0);
    EXPECT_EQ(h.state().手順最大数, 7);
    GameFixture::awaitReview(h.game);
    h.settle();
    EXPECT_EQ(h.platform.analysis.points.size(), 8u);
    h.game.reviewGraphClick(7);
    EXPECT_EQ(h.state().盤[3][1], とMAN) << "the lance that took the king";
    EXPECT_EQ(h.platform.analysis.note.rfind("7手目", 0), 0u) << h.platform.analysis.note;
    h.menu(MenuItem::REPLAY);
    EXPECT_EQ(h.state().手順数, 6);
    // The drop that leaves the king to be taken: a mate, not a count of pawns, is lost.
    EXPECT_NE(h.platform.analysis.note.find("損失 -"), std::string::npos)
        << h.platform.analysis.note;
    EXPECT_NE(h.platform.analysis.note.find(" → 詰み 1手"), std::string::npos)
        << h.platform.analysis.note;

    h.menu(MenuItem::START);  // another game: the one before is forgotten
    h.menu(MenuItem::CANCEL);
    h.platform.messages.clear();
    h.menu(MenuItem::REVIEW);
    EXPECT_EQ(lastMessage(h.platform), "棋譜解析|解析する手がありません");
}

}  // namespace
}  // namespace tanukiban::testing
