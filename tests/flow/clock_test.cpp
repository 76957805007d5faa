// The clocks: the HH:MM:SS display, the tick, midnight, the option.
#include <gtest/gtest.h>

#include "display/status.h"
#include "tests/flow/play_support.h"

namespace tanukiban::testing {
namespace {

class 時計 : public ::testing::Test {
  protected:
    void SetUp() override { h.start(); }
    const GameState& s() const { return h.state(); }
    std::string manClock() {
        auto t = h.platform.drawn.textAt(9, 7.2);
        return t ? t->text : "";
    }
    std::string comClock() {
        auto t = h.platform.drawn.textAt(-1.6, 7.2);
        return t ? t->text : "";
    }
    GameHarness h;
};

TEST_F(時計, 秒は時分秒で二桁ずつ) {
    EXPECT_EQ(調査_時間秒追加結果(59), "00:00:59");
    EXPECT_EQ(調査_時間秒追加結果(61), "00:01:01");
    EXPECT_EQ(調査_時間秒追加結果(3725), "01:02:05");
    EXPECT_EQ(調査_時間秒追加結果(59.9), "00:00:59") << "fractions are cut off";
}

TEST_F(時計, 刻みは秒が変わったときだけ手番の側を描く) {
    h.menu(MenuItem::START);
    h.arrange([](GameState& g) { g.所有秒MAN = 3600; });
    h.platform.advance(125.4);
    h.platform.drawn.clear();
    const double slept = h.platform.slept;
    h.tick();
    EXPECT_EQ(manClock(), "01:02:05");
    EXPECT_EQ(comClock(), "");
    EXPECT_NEAR(h.platform.slept - slept, 0.3, 1e-6) << "the clock rests a moment after a change";
    EXPECT_EQ(GameFixture::shownSecond(h.game), 125);

    // Within the same second nothing is drawn.
    h.platform.drawn.clear();
    h.platform.advance(0.1);
    h.game.Timer1_Timer();
    EXPECT_TRUE(h.platform.drawn.calls.empty());
}

TEST_F(時計, 止まっている間の刻みは何もしない) {
    h.menu(MenuItem::START);
    h.platform.setClockTimer(false);
    h.platform.advance(10);
    h.platform.drawn.clear();
    h.game.Timer1_Timer();
    EXPECT_TRUE(h.platform.drawn.calls.empty());
    EXPECT_EQ(s().思考秒, 0);
}

TEST_F(時計, 真夜中をまたぐ手番も経過は一秒) {
    h.platform.now = 86400 - 0.5;
    h.menu(MenuItem::START);
    h.platform.advance(1);
    EXPECT_DOUBLE_EQ(h.platform.now, 0.5);
    h.game.Timer1_Timer();
    EXPECT_DOUBLE_EQ(s().思考秒, 1);
    EXPECT_EQ(manClock(), "00:00:01");

    // The tick's own pause counts to the turn as well.
    h.click(5, 5);
    h.click(5, 4);
    EXPECT_NEAR(s().所有秒MAN, 1.3, 1e-9);
    EXPECT_NEAR(s().手順.手順後秒MAN[1], 1.3, 1e-9);
}

TEST_F(時計, 経過時間を消しても手番の時間は記録される) {
    h.menu(MenuItem::KEIKA);
    EXPECT_FALSE(h.platform.isChecked(MenuItem::KEIKA));
    h.menu(MenuItem::START);
    EXPECT_FALSE(h.platform.timerOn) << "the clock does not run without its display";
    h.platform.advance(20);
    h.click(5, 5);
    h.click(5, 4);
    EXPECT_EQ(s().所有秒MAN, 20);
    h.platform.advance(3);
    h.click(1, 1);
    h.click(1, 2);
    EXPECT_EQ(s().所有秒COM, 3);
    EXPECT_EQ(s().所有秒MAN, 20) << "an earlier turn is not counted again";
    EXPECT_EQ(s().手順.手順後秒COM[2], 3);
}

TEST_F(時計, 経過時間を二度切り替えても持ち時間は変わらない) {
    h.menu(MenuItem::START);
    h.arrange([](GameState& g) {
        g.所有秒MAN = 4000;
        g.所有秒COM = 3725;
    });

    h.menu(MenuItem::KEIKA);
    EXPECT_FALSE(h.platform.isChecked(MenuItem::KEIKA));
    EXPECT_FALSE(h.platform.timerOn);
    // Both places are painted over with the background.
    for (int x : {9, 10, 11}) EXPECT_EQ(h.platform.drawn.pictureAt(x, 7), 背景_緑);
    for (int x : {-2, -1, 0}) EXPECT_EQ(h.platform.drawn.pictureAt(x, 7), 背景_緑);

    h.platform.drawn.clear();
    h.menu(MenuItem::KEIKA);
    EXPECT_TRUE(h.platform.isChecked(MenuItem::KEIKA));
    EXPECT_TRUE(h.platform.timerOn);
    EXPECT_EQ(manClock(), "01:06:40");
    EXPECT_EQ(comClock(), "01:02:05");
    EXPECT_EQ(s().所有秒MAN, 4000);
    EXPECT_EQ(s().所有秒COM, 3725);
}

TEST_F(時計, 二人対局では指した側の持ち時間に足して次の手番を測り始める) {
    h.menu(MenuItem::START);
    h.platform.advance(8);
    h.click(5, 5);
    h.click(5, 4);
    EXPECT_EQ(s().所有秒MAN, 8);
    EXPECT_EQ(s().所有秒COM, 0);
    EXPECT_EQ(s().開始時刻, h.platform.now);
    h.platform.advance(2);
    h.game.Timer1_Timer();
    EXPECT_EQ(comClock(), "00:00:02") << "the upper player's clock now runs";
}

}  // namespace
}  // namespace tanukiban::testing
