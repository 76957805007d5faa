// Picking up pieces: whose piece, switching, clicks off the board, the guide.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "tests/flow/play_support.h"

namespace tanukiban::testing {
namespace {

using Cell = std::pair<int, int>;

// Board squares whose last frame is white, the guide's colour while it is on.
std::set<Cell> whiteFrames(const RecordingSurface& d) {
    std::set<Cell> out;
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 5; ++y)
            if (d.frameAt(x, y) == 白色) out.insert({x, y});
    return out;
}

class 駒の選択 : public ::testing::Test {
  protected:
    void SetUp() override {
        h.start();
        h.menu(MenuItem::START);  // two humans, the lower player to move
    }
    const GameState& s() const { return h.state(); }
    int forbidden() { return h.sound.plays(h.sounds().音_禁止); }
    GameHarness h;
};

TEST_F(駒の選択, 相手の駒は行き先を見せるだけで持たない) {
    h.click(2, 1);  // the upper gold
    EXPECT_EQ(h.pickUp().選択中, 0);
    EXPECT_EQ(whiteFrames(h.platform.drawn), (std::set<Cell>{{1, 2}, {2, 2}, {3, 2}, {2, 1}}));

    // The next click is a first click again: an empty square does nothing.
    h.click(2, 2);
    EXPECT_EQ(s().盤[2][1], 金COM);
    EXPECT_EQ(s().盤[2][2], 空桝);
    EXPECT_EQ(s().手数, 0);
    EXPECT_EQ(forbidden(), 0);
}

TEST_F(駒の選択, 自分の駒に持ち替えても音はせず同じ駒はそのまま) {
    const RecordingSurface& d = h.platform.drawn;
    h.click(2, 5);
    EXPECT_EQ(d.frameAt(2, 5), 赤色);
    h.click(4, 5);
    EXPECT_EQ(h.pickUp().選択中, 1);
    EXPECT_EQ(d.frameAt(2, 5), 桝枠色);
    EXPECT_EQ(d.frameAt(4, 5), 赤色);
    // The gold's guide, not the silver's.
    EXPECT_EQ(whiteFrames(d), (std::set<Cell>{{3, 4}, {4, 4}, {5, 4}}));
    h.click(4, 5);
    EXPECT_EQ(h.pickUp().選択中, 1);
    EXPECT_EQ(d.frameAt(4, 5), 赤色);
    EXPECT_EQ(forbidden(), 0);
    EXPECT_TRUE(h.sound.callsNamed("dsPlay").empty());

    h.click(4, 4);
    EXPECT_EQ(s().盤[4][4], 桂MAN);
    EXPECT_EQ(s().手順.手順元X[1], 4);
    EXPECT_EQ(s().手順.手順元Y[1], 5);
}

TEST_F(駒の選択, 届かない相手の駒を押すと禁止音で手放す) {
    h.click(2, 5);
    h.click(2, 1);
    EXPECT_EQ(forbidden(), 1);
    EXPECT_EQ(h.pickUp().選択中, 0);
    EXPECT_TRUE(whiteFrames(h.platform.drawn).empty());
    EXPECT_EQ(s().盤[2][5], 銀MAN);
    EXPECT_EQ(s().手数, 0);
}

TEST_F(駒の選択, 盤の外を押すと枠は消えても駒は持ったまま) {
    const RecordingSurface& d = h.platform.drawn;
    h.click(2, 5);
    h.click(14, 8);
    EXPECT_EQ(h.pickUp().選択中, 1);
    EXPECT_EQ(d.frameAt(2, 5), 桝枠色);
    EXPECT_TRUE(whiteFrames(d).empty());
    h.click(2, 4);
    EXPECT_EQ(s().盤[2][4], 角MAN);
    EXPECT_EQ(s().盤[2][5], 空桝);
    EXPECT_EQ(s().手番, 後手);
}

TEST_F(駒の選択, 移動指導を切ると選んだ桝だけを囲む) {
    h.menu(MenuItem::SIDOU);
    EXPECT_FALSE(h.platform.isChecked(MenuItem::SIDOU));
    EXPECT_EQ(h.options().移動指導色(), 桝枠色);
    h.platform.drawn.clear();
    h.click(4, 5);
    const RecordingSurface& d = h.platform.drawn;
    int red = 0, other = 0;
    for (const DrawCall& c : d.calls) {
        if (c.kind != DrawCall::Kind::Frame) continue;
        if (c.code == 赤色) {
            ++red;
            EXPECT_TRUE(samePosition(c.x, 4) && samePosition(c.y, 5));
        } else {
            EXPECT_EQ(c.code, 桝枠色);
            ++other;
        }
    }
    EXPECT_EQ(red, 1);
    EXPECT_EQ(other, 25) << "the frames are wiped once, no square is guided";

    h.menu(MenuItem::SIDOU);
    EXPECT_TRUE(h.platform.isChecked(MenuItem::SIDOU));
    EXPECT_EQ(h.options().移動指導フラグ, 1);
    EXPECT_EQ(h.options().移動指導色(), 白色);
    h.click(2, 5);
    EXPECT_EQ(whiteFrames(d), (std::set<Cell>{{1, 4}, {2, 4}, {3, 4}}));
}

TEST_F(駒の選択, 移動指導を切ると盤と駒台の枠を塗り直す) {
    h.platform.drawn.clear();
    h.menu(MenuItem::SIDOU);
    const RecordingSurface& d = h.platform.drawn;
    EXPECT_EQ(d.count(DrawCall::Kind::Frame), 25 + 16);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(d.frameAt(-1, i), 桝枠色);
        EXPECT_EQ(d.frameAt(-3, i), 桝枠色);
        EXPECT_EQ(d.frameAt(7, i + 1), 桝枠色);
        EXPECT_EQ(d.frameAt(9, i + 1), 桝枠色);
    }
    // Turning it on again draws nothing at once.
    h.platform.drawn.clear();
    h.menu(MenuItem::SIDOU);
    EXPECT_EQ(d.count(DrawCall::Kind::Frame), 0);
}

class 駒台の選択 : public 駒の選択 {
  protected:
    void SetUp() override {
        駒の選択::SetUp();
        h.arrange([&](GameState& g) {
            giveHand(g, false, 3, 1);
        });  // the lower player holds a knight/gold
        h.arrange(
            [&](GameState& g) { giveHand(g, true, 4, 1); });  // the upper player a silver/bishop
    }
};

TEST_F(駒台の選択, 自分の駒台から好きな面で打てる) {
    h.click(9, 4);  // the gold face
    EXPECT_EQ(h.pickUp().選択中, 1);
    EXPECT_EQ(h.platform.drawn.frameAt(9, 4), 赤色);
    EXPECT_EQ(whiteFrames(h.platform.drawn).size(), 25u - 10u) << "every empty square";
    h.click(3, 3);
    EXPECT_EQ(s().盤[3][3], 金MAN);
    EXPECT_EQ(s().持駒MAN[3], 0);
    EXPECT_EQ(s().手順.手順元X[1], 9);
    EXPECT_EQ(s().手順.手順元Y[1], 4);
    EXPECT_EQ(s().手順.手順先駒[1], 金MAN);
    EXPECT_EQ(h.sound.plays(h.sounds().音_駒打音), 1) << "a drop clicks once";
}

TEST_F(駒台の選択, 空の組は選べない) {
    h.click(7, 2);  // pawn/rook pair: none in hand
    EXPECT_EQ(h.pickUp().選択中, 0);
    h.click(3, 3);
    EXPECT_EQ(s().盤[3][3], 空桝);
    EXPECT_EQ(s().手数, 0);
}

TEST_F(駒台の選択, 相手の駒台は見せるだけで持っていた駒も手放す) {
    h.click(2, 5);   // the lower silver is held
    h.click(-3, 1);  // the upper player's bishop face
    EXPECT_EQ(h.pickUp().選択中, 0);
    EXPECT_EQ(h.platform.drawn.frameAt(-3, 1), 白色);
    h.click(3, 3);  // must not drop the upper player's piece for the lower one
    EXPECT_EQ(s().盤[3][3], 空桝);
    EXPECT_EQ(s().持駒COM[4], 1);
    EXPECT_EQ(s().手数, 0);
    EXPECT_EQ(s().手番, 先手);
}

TEST_F(駒台の選択, 上手の番なら上手の駒台から打てて手順には駒台の行が残る) {
    h.click(2, 5);
    h.click(2, 4);  // the lower player moves; now the upper player
    h.click(-3, 1);
    EXPECT_EQ(h.pickUp().選択中, 1);
    h.click(3, 3);
    EXPECT_EQ(s().盤[3][3], 角COM);
    EXPECT_EQ(s().持駒COM[4], 0);
    EXPECT_EQ(s().持駒数COM, 0);
    EXPECT_EQ(s().手順.手順元X[2], -3);
    EXPECT_EQ(s().手順.手順元Y[2], 1);
    EXPECT_EQ(s().手番, 先手);
}

TEST(対局前, 盤を押すと対局で始めるよう言われる) {
    GameHarness h;
    h.start();
    h.click(3, 5);
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text, "「対局」で始めて下さい");
    EXPECT_EQ(h.platform.messages[0].title, "開始");
    EXPECT_EQ(h.sound.plays(h.sounds().音_禁止), 1);
    EXPECT_EQ(h.pickUp().選択中, 0);
}

TEST(対局前, 桝の境目はクリック位置の切り捨てで決まる) {
    GameHarness h;
    h.start();
    h.menu(MenuItem::START);
    // Just left of column 1 is off the board; its first twip is on it.
    h.game.Form_MouseDown(1, 0, 2799, 盤原点Y + 桝高 * 5 + 10);
    EXPECT_EQ(h.pickUp().選択中, 0);
    h.game.Form_MouseDown(1, 0, 2800, 盤原点Y + 桝高 * 5 + 10);
    EXPECT_EQ(h.pickUp().選択中, 1);
    EXPECT_EQ(h.pickUp().移動元X, 1);
    EXPECT_EQ(h.pickUp().移動元Y, 5);
}

TEST(棋譜再生中, 盤を押すと進で進めるよう聞かれ_いいえで初めに戻る) {
    GameHarness h;
    h.start();
    h.menu(MenuItem::START);
    h.click(5, 5);
    h.click(5, 4);
    h.arrange([](GameState& g) { g.棋譜モード = OK; });
    h.platform.answers = {true, false};
    h.click(2, 5);
    EXPECT_EQ(h.pickUp().選択中, 0);
    EXPECT_EQ(h.state().手数, 1);
    h.click(2, 5);
    ASSERT_EQ(h.platform.messages.size(), 3u);
    for (int i : {1, 2}) {
        EXPECT_EQ(h.platform.messages[i].text, "棋譜を '進 'で進めて下さい");
        EXPECT_EQ(h.platform.messages[i].title, "棋譜");
        EXPECT_TRUE(h.platform.messages[i].yesNo);
    }
    EXPECT_EQ(h.sound.plays(h.sounds().音_禁止), 1);
    EXPECT_EQ(h.state().手数, 0);
    EXPECT_EQ(h.state().手番, 手番なし);
    EXPECT_EQ(h.state().棋譜モード, NG);
}

TEST(局面変更, 二人対局は押すと番を告げて時計を始める) {
    GameHarness h;
    h.start();
    h.menu(MenuItem::START);
    h.click(5, 5);
    h.click(5, 4);
    h.arrange([](GameState& g) { g.局面変更 = OK; });  // as after stepping back and forward
    h.platform.setClockTimer(false);
    h.platform.advance(30);
    h.click(1, 1);
    EXPECT_EQ(h.platform.messages.back().text, "後手の番です");
    EXPECT_EQ(h.platform.messages.back().title, "対局");
    EXPECT_EQ(h.state().局面変更, NG);
    EXPECT_TRUE(h.platform.timerOn);
    EXPECT_EQ(h.state().開始時刻, h.platform.now);
    EXPECT_EQ(h.pickUp().選択中, 1) << "the click then picks the piece";
}

}  // namespace
}  // namespace tanukiban::testing
