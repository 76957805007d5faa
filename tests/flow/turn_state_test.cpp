// The turn as a state: what the game waits for between the window's events,
// and what input it takes meanwhile.
#include <gtest/gtest.h>

#include "tests/flow/play_support.h"

namespace tanukiban::testing {
namespace {

class 手番の状態 : public ::testing::Test {
  protected:
    void SetUp() override {
        h.start();
        h.menu(MenuItem::LEVEL2);
        h.menu(MenuItem::SENTE);
        h.arrange([](GameState& g) {
            setPosition(g, {{3, 1, 王COM}, {1, 1, 歩COM}, {3, 5, 王MAN}, {5, 5, 歩MAN}});
        });
        h.platform.messages.clear();
    }
    TurnState state() const { return GameFixture::turnState(h.game); }
    GameHarness h;
};

TEST_F(手番の状態, 一手は待ちと駒の回転と考慮を経て人間の番に戻る) {
    EXPECT_EQ(state(), TurnState::HumanToMove);
    h.click(5, 5);
    EXPECT_EQ(state(), TurnState::PieceHeld);
    h.press(5, 4);
    EXPECT_EQ(state(), TurnState::Pausing) << "the knock, before the piece turns over";

    // Input the game does not expect is ignored without harm.
    const bool clockShown = h.options().経過時間;
    h.press(3, 5);
    h.game.menuCommand(MenuItem::KEIKA);
    h.game.Form_KeyPress('h');
    EXPECT_EQ(h.pickUp().選択中, 0);
    EXPECT_EQ(h.options().経過時間, clockShown);
    EXPECT_TRUE(h.platform.messages.empty());

    ASSERT_TRUE(h.platform.runNext());
    EXPECT_EQ(state(), TurnState::Animating);
    for (int frame = 0; frame < 5; ++frame) ASSERT_TRUE(h.platform.runNext());
    EXPECT_EQ(state(), TurnState::Pausing) << "the computer's pause before it thinks";
    ASSERT_TRUE(h.platform.runNext());
    EXPECT_EQ(state(), TurnState::ComputerThinking);
    h.settle();
    EXPECT_EQ(state(), TurnState::HumanToMove);
    EXPECT_EQ(h.state().手数, 2);
}

TEST_F(手番の状態, 考え中のヒントは盤のクリックに譲りEscapeはいつでも終える) {
    h.game.Form_KeyPress('h');
    EXPECT_EQ(state(), TurnState::HintThinking);
    h.press(5, 5);
    EXPECT_EQ(state(), TurnState::PieceHeld) << "the click cancelled the hint and picked the pawn";
    h.settle();
    EXPECT_EQ(state(), TurnState::PieceHeld) << "the cancelled hint never answers";

    h.press(5, 4);
    EXPECT_EQ(state(), TurnState::Pausing);
    h.game.Form_KeyPress(27);
    EXPECT_EQ(state(), TurnState::Ended);
    h.settle();
    EXPECT_EQ(h.state().手数, 1) << "nothing runs after the end";
    EXPECT_EQ(h.platform.quitCount, 1);
}

}  // namespace
}  // namespace tanukiban::testing
