// 検討: refused while the computer is played, and never showing what was
// found for a position no longer on the board.
#include <gtest/gtest.h>

#include "engine/bench.h"
#include "engine/movegen.h"
#include "flow/position_analyst.h"
#include "flow/sfen_exchange.h"
#include "players/review_score.h"
#include "tests/flow/record_scene.h"
#include "tests/support/rules_check.h"

namespace tanukiban::testing {
namespace {

engine::Key shownKey(const GameState& s) {
    return engine::positionFromGame(s, shownSideToMove(s))->key();
}

TEST(検討, 対COM中は禁止音と共に断り終局後は使える) {
    GameHarness h;
    h.start();
    h.menu(MenuItem::LEVEL1);
    h.menu(MenuItem::SENTE);
    h.platform.messages.clear();
    h.key('A');
    EXPECT_EQ(lastMessage(h.platform), "検討|対局中は検討できません");
    EXPECT_EQ(h.sound.plays(h.sounds().音_禁止), 1);
    EXPECT_FALSE(h.platform.checks[MenuItem::ANALYSIS]);
    EXPECT_FALSE(h.platform.analysis.visible);

    h.menu(MenuItem::CANCEL);  // 最初: the game is over
    GameFixture::capAnalysis(h.game, 2);
    h.key('A');
    EXPECT_TRUE(h.platform.checks[MenuItem::ANALYSIS]);
    EXPECT_TRUE(h.platform.analysis.visible);
    EXPECT_TRUE(h.platform.analysisTimerOn);
    h.key('a');
    EXPECT_FALSE(h.platform.analysis.visible);
    EXPECT_FALSE(h.platform.analysisTimerOn);
}

TEST(検討, 局面が変われば前の解析は見せない) {
    PlayedGame game = lively(true, 30);
    game.final.対局モード = 対局_MAN;  // two humans: analysis may follow every ply
    GameHarness h;
    startWith(h, game.final);
    GameFixture::capAnalysis(h.game, 3);
    h.menu(MenuItem::ANALYSIS);
    GameFixture::awaitAnalysis(h.game);
    h.game.analysisTick();
    EXPECT_FALSE(h.platform.analysis.strip().empty());
    EXPECT_EQ(GameFixture::analysedKey(h.game), shownKey(h.state()));

    for (int k = 0; k < 6; ++k) {
        // The strip empties with the step itself, before any tick.
        h.menu(MenuItem::REPLAY);
        EXPECT_EQ(h.platform.analysis.strip(), "") << "step " << k;
        EXPECT_EQ(GameFixture::analysedKey(h.game), shownKey(h.state()));
        h.game.analysisTick();  // whatever the analysis has found, it is of this position
        EXPECT_EQ(GameFixture::analysedKey(h.game), shownKey(h.state()));
    }
    GameFixture::awaitAnalysis(h.game);
    h.game.analysisTick();
    const std::string strip = h.platform.analysis.strip();
    EXPECT_NE(strip.find("深さ 3"), std::string::npos) << strip;

    // 最初 is a new position too.
    h.menu(MenuItem::CANCEL);
    EXPECT_EQ(h.platform.analysis.strip(), "");
    EXPECT_EQ(GameFixture::analysedKey(h.game), shownKey(h.state()));
}

// A search one ply deep sees none of these mates: the strip's mate and line
// are the solver's, and hold by the game's rules.
TEST(検討, 詰みは解けた手順と共に示す) {
    PositionAnalyst analyst(1);
    analyst.setMateLook({3000000, std::nullopt});
    for (const engine::Position& root : engine::mateBenchPositions()) {
        analyst.start(players::turnOfPosition(root));
        analyst.wait();
        const std::optional<AnalysisReading> r = analyst.latest();
        ASSERT_TRUE(r);
        const engine::Color side = root.sideToMove();
        const int plies = static_cast<int>(r->line.size());
        EXPECT_EQ(players::seenBy(r->evaluation, engine::Lower, side), players::ReviewMate - plies);
        EXPECT_GE(plies, 3);
        engine::Position pos = root;
        for (int i = 0; i < plies; ++i) {
            engine::MoveList legal;
            engine::generateMoves(pos, legal);
            const engine::Move m = r->line[static_cast<std::size_t>(i)];
            ASSERT_TRUE(legal.contains(m)) << "ply " << i;
            pos.make(m);
            EXPECT_TRUE(i % 2 == 1 || rulesSeeCheck(pos, false))
                << "ply " << i << " gives no check";
        }
        EXPECT_TRUE(rulesSeeCheck(pos, true));
    }
}

}  // namespace
}  // namespace tanukiban::testing
