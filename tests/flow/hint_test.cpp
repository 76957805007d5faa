// The hint: the engine's move framed and written for the player to move,
// cleared by the next click, refused outside the player's turn.
#include <gtest/gtest.h>

#include <vector>

#include "tests/flow/play_support.h"

namespace tanukiban::testing {
namespace {

class ﾋﾝﾄ : public ::testing::Test {
  protected:
    void SetUp() override {
        h.start();
        GameFixture::setThinkTimeScale(h.game, 0.01);
    }
    int forbidden() { return h.sound.plays(h.sounds().音_禁止); }
    // The texts where the lower player's moves are written.
    std::vector<std::string> moveText() { return h.platform.drawn.picture()[{11, 2}].texts; }
    GameHarness h;
};

TEST_F(ﾋﾝﾄ, 人間の番に指し手を枠と文字で示し次のクリックで消す) {
    h.menu(MenuItem::SENTE);
    h.platform.drawn.clear();
    h.key('h');
    EXPECT_EQ(forbidden(), 0);

    // The framed pair is a legal move of the lower player.
    std::vector<Move> legal;
    generateMoves(h.state(), false, legal);
    const Move* shown = nullptr;
    for (const Move& mv : legal) {
        if (h.platform.drawn.frameAt(mv.fromX, mv.fromY) == 白色 &&
            h.platform.drawn.frameAt(mv.toX, mv.toY) == 白色)
            shown = &mv;
    }
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(moveText().empty());
    EXPECT_EQ(h.state().手数, 0) << "a hint plays nothing";

    h.click(3, 3);  // an empty square: the click only clears the hint
    EXPECT_EQ(h.platform.drawn.frameAt(shown->fromX, shown->fromY), 桝枠色);
    EXPECT_EQ(h.platform.drawn.frameAt(shown->toX, shown->toY), 桝枠色);
    EXPECT_TRUE(moveText().empty());
}

TEST_F(ﾋﾝﾄ, 対局外とコンピュータの番では禁止音と一言) {
    h.menu(MenuItem::HINT);
    h.menu(MenuItem::SENTE);
    h.arrange([](GameState& s) { s.手番 = s.手番COM; });
    h.key('H');
    EXPECT_EQ(
        h.platform.messageTexts(),
        (std::vector<std::string>{"対局中ではありません", "MANの番です", "MANの番ではありません"}));
    EXPECT_EQ(h.platform.messages.back().title, "ﾋﾝﾄ");
    EXPECT_EQ(forbidden(), 2);
    EXPECT_EQ(GameFixture::turnState(h.game), TurnState::Idle) << "nothing was set thinking";
}

}  // namespace
}  // namespace tanukiban::testing
