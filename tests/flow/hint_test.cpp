// The hint: the engine's move marked and written for the player to move,
// "考慮中" while it is worked out, everything under it as it was once the
// next click clears it; refused outside the player's turn.
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
    bool marked(std::string_view text) {
        for (const DrawCall& c : h.platform.drawn.marks())
            if (c.text == text) return true;
        return false;
    }
    // A square nobody stands on, to click at.
    std::pair<int, int> emptySquare() {
        for (int x = 1; x <= 5; ++x)
            for (int y = 1; y <= 5; ++y)
                if (h.state().盤[x][y] == 空桝) return {x, y};
        return {0, 0};
    }
    GameHarness h;
};

TEST_F(ﾋﾝﾄ, 考慮中から手の印を経て次のクリックで元の絵に戻す) {
    h.menu(MenuItem::GOTE);  // the computer's move is written and framed first
    ASSERT_EQ(h.state().手数, 1);
    const Picture before = h.platform.drawn.picture();

    h.game.Form_KeyPress('h');
    EXPECT_TRUE(marked("考慮中"));
    h.settle();
    EXPECT_FALSE(marked("考慮中"));
    EXPECT_EQ(forbidden(), 0);

    // Two thick frames of their own colour round a legal move of the lower player.
    std::vector<DrawCall> frames;
    for (const DrawCall& c : h.platform.drawn.marks())
        if (c.kind == DrawCall::Kind::Frame) frames.push_back(c);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_NE(frames[0].code, 白色);
    EXPECT_GT(frames[0].lineWidth, 1);
    std::vector<GameMove> legal;
    generateMoves(h.state(), false, legal);
    bool isLegal = false;
    for (const GameMove& mv : legal)
        isLegal = isLegal || (frames[1].x == mv.toX && frames[1].y == mv.toY);
    EXPECT_TRUE(isLegal);
    // Its text has a place of its own: the computer's last move stays as it was.
    Picture now = h.platform.drawn.picture();
    for (const auto& cell : {std::pair{-1, 6}, std::pair{11, 2}})
        EXPECT_EQ(now[cell], before.at(cell));
    const std::pair hintPlace{11, 4};
    EXPECT_FALSE(now[hintPlace].texts.empty());
    EXPECT_EQ(h.state().手数, 1) << "a hint plays nothing";

    const auto [x, y] = emptySquare();
    h.click(x, y);  // only clears the hint
    EXPECT_TRUE(h.platform.drawn.marks().empty());
    EXPECT_EQ(h.platform.drawn.picture(), before);

    // A click while it is worked out cancels it, and clears "考慮中" the same way.
    h.game.Form_KeyPress('h');
    h.press(x, y);
    EXPECT_TRUE(h.platform.drawn.marks().empty());
    EXPECT_EQ(h.platform.drawn.picture(), before);
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
