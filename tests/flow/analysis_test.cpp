// 検討: refused while the computer is played, and never showing what was
// found for a position no longer on the board.
#include <gtest/gtest.h>

#include "engine/convert.h"
#include "flow/sfen_exchange.h"
#include "tests/flow/record_scene.h"

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

}  // namespace
}  // namespace tanukiban::testing
