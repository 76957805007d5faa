// Two humans at one mouse: a whole game from スタート to a taken king.
#include <gtest/gtest.h>

#include "display/animation.h"
#include "tests/flow/play_support.h"

namespace tanukiban::testing {
namespace {

struct Ply {
    int 元X, 元Y, 先X, 先Y, 元駒, 先駒, 取得駒;
};

void expectPly(const GameState& s, int n, const Ply& p) {
    const MoveList& l = s.手順;
    EXPECT_EQ(l.手順元X[n], p.元X) << "ply " << n;
    EXPECT_EQ(l.手順元Y[n], p.元Y) << "ply " << n;
    EXPECT_EQ(l.手順先X[n], p.先X) << "ply " << n;
    EXPECT_EQ(l.手順先Y[n], p.先Y) << "ply " << n;
    EXPECT_EQ(l.手順元駒[n], p.元駒) << "ply " << n;
    EXPECT_EQ(l.手順先駒[n], p.先駒) << "ply " << n;
    EXPECT_EQ(l.手順取得駒[n], p.取得駒) << "ply " << n;
}

// The first six plies: each side takes a piece, then drops it back in from its stand.
class 二人対局 : public ::testing::Test {
  protected:
    void SetUp() override {
        h.start();
        h.menu(MenuItem::START);
        ASSERT_EQ(h.platform.messageTexts(), std::vector<std::string>{"先手の番です"});
        EXPECT_EQ(h.platform.messages[0].title, " ");
        EXPECT_EQ(s().手番, 先手);
        EXPECT_EQ(s().手番MAN, 先手);
        EXPECT_EQ(s().対局モード, 対局_MAN);

        h.platform.advance(5);
        h.click(5, 5);  // lower pawn forward: it turns into a rook
        h.click(5, 4);
        EXPECT_EQ(s().盤[5][4], 飛MAN);
        EXPECT_EQ(s().盤[5][5], 空桝);
        EXPECT_EQ(s().手番, 後手);
        EXPECT_EQ(s().所有秒MAN, 5);

        h.platform.advance(7);
        h.click(1, 1);  // upper pawn forward
        h.click(1, 2);
        EXPECT_EQ(s().盤[1][2], 飛COM);
        EXPECT_EQ(s().手番, 先手);
        EXPECT_EQ(s().所有秒COM, 7);

        h.click(5, 4);  // the rook runs up the file and takes the upper tokin
        h.click(5, 1);
        EXPECT_EQ(s().盤[5][1], 歩MAN);
        EXPECT_EQ(s().持駒MAN[2], 1);
        EXPECT_EQ(s().持駒数MAN, 1);

        h.click(1, 2);  // and the upper rook takes the lower tokin
        h.click(1, 5);
        EXPECT_EQ(s().盤[1][5], 歩COM);
        EXPECT_EQ(s().持駒COM[2], 1);
        EXPECT_EQ(s().持駒数COM, 1);

        // An illegal destination: a silver cannot move two squares.
        h.click(2, 5);
        EXPECT_EQ(h.pickUp().選択中, 1);
        h.click(2, 3);
        EXPECT_EQ(h.pickUp().選択中, 0);
        EXPECT_EQ(s().盤[2][5], 銀MAN);
        EXPECT_EQ(s().手番, 先手);
        EXPECT_EQ(h.sound.plays(h.sounds().音_禁止), 1);

        h.click(7, 3);  // a lance from the lower stand, right in front of the upper king
        h.click(3, 2);
        EXPECT_EQ(s().盤[3][2], 香MAN);
        EXPECT_EQ(s().持駒MAN[2], 0);
        EXPECT_EQ(s().持駒数MAN, 0);
        EXPECT_EQ(s().手番, 後手);

        h.click(-3, 3);  // a tokin from the upper stand, next to the lower king
        h.click(3, 4);
        EXPECT_EQ(s().盤[3][4], とCOM);
        EXPECT_EQ(s().持駒COM[2], 0);
        EXPECT_EQ(s().持駒数COM, 0);
        EXPECT_EQ(s().手番, 先手);
        EXPECT_EQ(s().手数, 6);
    }

    void expectFirstSixPlies() {
        expectPly(s(), 1, {5, 5, 5, 4, 歩MAN, 飛MAN, 空桝});
        expectPly(s(), 2, {1, 1, 1, 2, 歩COM, 飛COM, 空桝});
        expectPly(s(), 3, {5, 4, 5, 1, 飛MAN, 歩MAN, とCOM});
        expectPly(s(), 4, {1, 2, 1, 5, 飛COM, 歩COM, とMAN});
        // Drops keep the stand square the mouse picked.
        expectPly(s(), 5, {7, 3, 3, 2, 香MAN, 香MAN, 空桝});
        expectPly(s(), 6, {-3, 3, 3, 4, とCOM, とCOM, 空桝});
        // Each player's thinking is charged to that player's own clock.
        EXPECT_EQ(s().手順.手順前秒MAN[1], 0);
        EXPECT_EQ(s().手順.手順後秒MAN[1], 5);
        EXPECT_EQ(s().手順.手順後秒COM[1], 0);
        EXPECT_EQ(s().手順.手順前秒COM[2], 0);
        EXPECT_EQ(s().手順.手順後秒COM[2], 7);
        EXPECT_EQ(s().手順.手順後秒MAN[2], 5);
    }

    const GameState& s() const { return h.state(); }
    GameHarness h;
};

TEST_F(二人対局, 先手が王を取って勝ち_続けないと終わる) {
    h.platform.answers = {false};
    h.click(3, 2);  // the lance takes the king
    h.click(3, 1);

    EXPECT_EQ(s().盤[3][1], とMAN) << "the lance turned over as it moved";
    EXPECT_EQ(s().勝者, 先手);
    EXPECT_EQ(s().手数, 7);
    EXPECT_EQ(s().手順数, 7);
    expectFirstSixPlies();
    expectPly(s(), 7, {3, 2, 3, 1, 香MAN, とMAN, 王COM});

    const std::vector<std::string> texts{"先手の番です", "先手の勝ちです", "続けますか？"};
    EXPECT_EQ(h.platform.messageTexts(), texts);
    EXPECT_EQ(h.platform.messages[1].title, "終了");
    EXPECT_EQ(h.platform.messages[2].title, "再ゲーム");
    EXPECT_TRUE(h.platform.messages[2].yesNo);
    EXPECT_TRUE(h.game.ended());
    EXPECT_EQ(h.platform.quitCount, 1);

    // Five board moves of turning pieces click twice, the two drops once.
    EXPECT_EQ(h.sound.plays(h.sounds().音_駒打音), 2 * 5 + 2);
    EXPECT_EQ(h.sound.plays(h.sounds().音_禁止), 1);
    EXPECT_EQ(h.sound.callsNamed("dsFree").size(), 4u) << "ending frees the sounds";
}

TEST_F(二人対局, 後手が王を取って勝ち_続けると初期局面に戻る) {
    h.click(4, 5);  // the lower gold steps aside and leaves the king to the tokin
    h.click(5, 4);
    h.platform.answers = {true};
    h.click(3, 4);
    h.click(3, 5);

    EXPECT_EQ(h.platform.messageTexts(),
              (std::vector<std::string>{"先手の番です", "後手の勝ちです", "続けますか？"}));
    EXPECT_EQ(h.platform.messages[1].title, "終了");
    EXPECT_FALSE(h.game.ended());
    // A new game must be chosen from the menu: the reset left no game running.
    GameState initial;
    setInitialPosition(initial.盤);
    EXPECT_EQ(s().盤, initial.盤);
    EXPECT_EQ(s().手番, 手番なし);
    EXPECT_EQ(s().手数, 0);
    EXPECT_EQ(s().手順数, 0);
    EXPECT_EQ(s().持駒数MAN + s().持駒数COM, 0);
    EXPECT_FALSE(h.platform.timerOn);

    h.click(2, 5);
    EXPECT_EQ(h.platform.messages.back().text, "「対局」で始めて下さい");
    EXPECT_EQ(h.platform.messages.back().title, "開始");
}

TEST_F(二人対局, 手の後は動いた駒の絵と枠と指し手の文字が残る) {
    const RecordingSurface& d = h.platform.drawn;
    EXPECT_EQ(d.pictureAt(3, 4), とCOM);
    EXPECT_EQ(d.frameAt(3, 4), 背景色);
    EXPECT_EQ(d.pictureAt(3, 2), 香MAN);
    // The upper player's last move, drawn on its side: ３四と.
    ASSERT_TRUE(d.textAt(-0.6, 6.4));
    EXPECT_EQ(d.textAt(-0.6, 6.4)->text, "と");
    EXPECT_EQ(d.textAt(-1.6, 6.4)->text, "３");
    EXPECT_EQ(d.textAt(-1.2, 6.4)->text, "四");
    // The ply counter.
    EXPECT_TRUE(d.textAt(11.2, 3.3));
    EXPECT_EQ(d.textAt(11.2, 3.3)->text, "6");
    // The empty pairs of both stands show empty squares again.
    EXPECT_EQ(d.pictureAt(7, 3), 空桝);
    EXPECT_EQ(d.pictureAt(-3, 3), 空桝);
}

TEST_F(二人対局, 回る駒は絵を戻してから回転の五枚を見せる) {
    h.platform.drawn.clear();
    h.sound.calls.clear();
    h.click(4, 5);
    h.click(4, 4);  // gold → knight
    const RecordingSurface& d = h.platform.drawn;
    std::vector<int> onDestination;
    for (const DrawCall& c : d.calls)
        if (c.kind == DrawCall::Kind::Picture && samePosition(c.x, 4) && samePosition(c.y, 4))
            onDestination.push_back(c.code);
    ASSERT_GE(onDestination.size(), 8u);
    // 駒移動 draws the new face, the old face goes back, five frames, the new face again.
    EXPECT_EQ(onDestination[0], 桂MAN);
    EXPECT_EQ(onDestination[1], 金MAN);
    const FramePattern frames = *回転パターン(6);
    EXPECT_EQ(std::vector<int>(onDestination.begin() + 2, onDestination.end() - 1),
              std::vector<int>(frames.begin(), frames.end()));
    EXPECT_EQ(onDestination.back(), 桂MAN);
    EXPECT_EQ(onDestination.size(), 2u + 5u + 1u);
    EXPECT_EQ(h.sound.plays(h.sounds().音_駒打音), 2);
}

}  // namespace
}  // namespace tanukiban::testing
