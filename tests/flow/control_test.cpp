// The 対局 menu: starting and switching games, the computer's level, quitting.
#include <gtest/gtest.h>

#include "tests/flow/play_support.h"

namespace tanukiban::testing {
namespace {

class 対局メニュー : public ::testing::Test {
  protected:
    void SetUp() override { h.start(); }
    const GameState& s() const { return h.state(); }
    // The lower player's first move of a two-human game.
    void twoHumansAfterOneMove() {
        h.menu(MenuItem::START);
        h.click(5, 5);
        h.click(5, 4);
        h.platform.messages.clear();
    }
    GameHarness h;
};

TEST_F(対局メニュー, 先手は人間の番を告げて待つ) {
    h.menu(MenuItem::SENTE);
    EXPECT_EQ(h.platform.messageTexts(), std::vector<std::string>{"MANの番です"});
    EXPECT_EQ(h.platform.messages[0].title, " ");
    EXPECT_EQ(s().対局モード, 対局_COM);
    EXPECT_EQ(s().手番, 先手);
    EXPECT_EQ(s().手番MAN, 先手);
    EXPECT_EQ(s().手番COM, 後手);
    EXPECT_EQ(s().手数, 0);
    EXPECT_TRUE(h.platform.timerOn);
    EXPECT_TRUE(h.platform.drawn.hasText("LEVEL"));
    EXPECT_EQ(h.platform.drawn.textAt(-0.7, 0.1)->text, "3");
}

TEST_F(対局メニュー, 後手はコンピュータが黙ってすぐ指す) {
    h.menu(MenuItem::GOTE);
    EXPECT_TRUE(h.platform.messages.empty());
    EXPECT_EQ(s().手番MAN, 後手);
    EXPECT_EQ(s().手番COM, 先手);
    EXPECT_EQ(s().手数, 1);
    EXPECT_EQ(s().手番, 後手);
}

TEST_F(対局メニュー, 二人対局で下手の番に先手を選ぶと人間が続けて指す) {
    twoHumansAfterOneMove();
    h.click(1, 1);
    h.click(1, 2);  // the upper player answers; the lower player is to move
    h.platform.messages.clear();
    h.menu(MenuItem::SENTE);
    EXPECT_EQ(h.platform.messageTexts(), std::vector<std::string>{"MANの番です"});
    EXPECT_EQ(h.platform.messages[0].title, "対局");
    EXPECT_EQ(s().対局モード, 対局_COM);
    EXPECT_EQ(s().手数, 2);
    EXPECT_EQ(s().手番, s().手番MAN);
    EXPECT_EQ(s().手順最大数, 2);
}

TEST_F(対局メニュー, 二人対局で上手の番に先手を選ぶとコンピュータが上手を指す) {
    twoHumansAfterOneMove();
    h.menu(MenuItem::SENTE);
    EXPECT_TRUE(h.platform.messages.empty());
    EXPECT_EQ(s().手数, 2);
    EXPECT_TRUE(isCom(s().手順.手順元駒[2]));
    EXPECT_EQ(s().手番, s().手番MAN);
    EXPECT_EQ(s().手番MAN, 先手) << "nothing was reassigned";
}

TEST_F(対局メニュー, 後手で始めた対局をスタートで二人対局にしても下手は後手のまま) {
    h.menu(MenuItem::GOTE);
    h.menu(MenuItem::START);
    EXPECT_EQ(h.platform.messageTexts(), std::vector<std::string>{"後手の番です"});
    EXPECT_EQ(h.platform.messages[0].title, " ");
    EXPECT_EQ(s().対局モード, 対局_MAN);
    EXPECT_EQ(s().手番MAN, 後手);
    EXPECT_EQ(s().手番, 後手);

    // The game goes on between two humans: the lower player moves, then the upper.
    const int plies = s().手数;
    h.click(5, 5);
    h.click(5, 4);
    EXPECT_EQ(s().手数, plies + 1);
    EXPECT_EQ(s().手番, 先手);
}

TEST_F(対局メニュー, 下手が後手の二人対局では勝った側を後手と呼び時間も下手に付ける) {
    h.menu(MenuItem::GOTE);
    h.menu(MenuItem::START);
    h.arrange([&](GameState& g) { setPosition(g, {{3, 4, 王COM}, {3, 5, 王MAN}}); });
    h.platform.answers = {false};
    h.platform.advance(6);
    h.click(3, 5);
    h.click(3, 4);
    EXPECT_EQ(h.platform.messages.at(1).text, "後手の勝ちです");
    EXPECT_EQ(s().手順.手順後秒MAN[2], 6);
    EXPECT_EQ(s().手順.手順後秒COM[2], s().手順.手順前秒COM[2]);
}

TEST_F(対局メニュー, 後手の対局途中で人間の番なら番を告げて時計はそのまま) {
    h.menu(MenuItem::GOTE);
    const double started = s().開始時刻;
    h.platform.advance(9);
    h.menu(MenuItem::GOTE);
    EXPECT_EQ(h.platform.messageTexts(), std::vector<std::string>{"MANの番です"});
    EXPECT_EQ(h.platform.messages[0].title, "対局");
    EXPECT_EQ(s().手数, 1);
    EXPECT_EQ(s().開始時刻, started) << "the human's turn goes on";
}

TEST_F(対局メニュー, 手順を動かした後の後手は人間の番をいま始める) {
    h.menu(MenuItem::GOTE);
    h.arrange([](GameState& g) { g.局面変更 = OK; });  // as after stepping back and forward
    h.platform.advance(600);
    h.menu(MenuItem::GOTE);
    EXPECT_EQ(s().開始時刻, h.platform.now);
    EXPECT_EQ(s().局面変更, NG);
    h.platform.advance(2);
    h.click(5, 5);
    h.click(5, 4);
    EXPECT_EQ(s().手順.手順後秒MAN[2], 2) << "the time spent stepping is not the human's";
}

TEST_F(対局メニュー, 先手と後手は棋譜の再生を終えて先の手を切る) {
    twoHumansAfterOneMove();
    h.arrange([](GameState& g) {
        g.棋譜モード = OK;
        g.手順最大数 = 9;
    });
    h.platform.answers = {};
    h.menu(MenuItem::GOTE);  // the upper player is to move: the computer moves now
    EXPECT_EQ(s().棋譜モード, NG);
    EXPECT_EQ(s().手数, 2);
    EXPECT_EQ(s().手順最大数, 2) << "its own move is the last ply";
}

TEST_F(対局メニュー, レベルは対局外なら印だけ変えて表示しない) {
    h.platform.drawn.clear();
    h.menu(MenuItem::LEVEL1);
    EXPECT_EQ(s().COMレベル, 1);
    EXPECT_TRUE(h.platform.isChecked(MenuItem::LEVEL1));
    EXPECT_FALSE(h.platform.isChecked(MenuItem::LEVEL2));
    EXPECT_FALSE(h.platform.isChecked(MenuItem::LEVEL3));
    EXPECT_FALSE(h.platform.drawn.hasText("LEVEL"));
    // Its place is painted over with the background.
    EXPECT_EQ(h.platform.drawn.pictureAt(-1, 0), 背景_緑);
}

TEST_F(対局メニュー, レベルは対COM対局中なら表示して次の手番から効く) {
    h.menu(MenuItem::SENTE);
    h.platform.drawn.clear();
    h.menu(MenuItem::LEVEL2);
    EXPECT_EQ(s().COMレベル, 2);
    EXPECT_EQ(h.platform.drawn.textAt(-0.7, 0.1)->text, "2");
}

TEST_F(対局メニュー, 範囲外のレベルは印を外すだけ) {
    GameFixture::レベル_設定(h.game, 7);
    EXPECT_EQ(s().COMレベル, 3);
    EXPECT_FALSE(h.platform.isChecked(MenuItem::LEVEL1));
    EXPECT_FALSE(h.platform.isChecked(MenuItem::LEVEL2));
    EXPECT_FALSE(h.platform.isChecked(MenuItem::LEVEL3));
}

TEST_F(対局メニュー, 対局メニューを開くと棋譜の画面を片付ける) {
    h.platform.panel.writePanelVisible = true;
    h.platform.panel.driveVisible = true;
    h.menu(MenuItem::TAIKYOKU);
    EXPECT_FALSE(h.platform.panel.writePanelVisible);
    EXPECT_FALSE(h.platform.panel.driveVisible);
}

TEST_F(対局メニュー, 終わりで音を放して終わる) {
    h.menu(MenuItem::OWARI);
    EXPECT_TRUE(h.game.ended());
    EXPECT_EQ(h.platform.quitCount, 1);
    EXPECT_EQ(h.sound.callsNamed("終了_サウンド").size(), 1u);
    h.click(3, 5);
    EXPECT_TRUE(h.platform.messages.empty()) << "no event is handled after the end";
}

}  // namespace
}  // namespace tanukiban::testing
