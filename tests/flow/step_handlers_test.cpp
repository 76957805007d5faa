// 戻, 進, 最初 and 反転 through the game object.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/flow/record_scene.h"
#include "tests/text/scoped_language.h"

namespace tanukiban::testing {
namespace {

int playsOf(const GameHarness& h, std::int32_t id) {
    return h.sound.plays(id);
}

// The last-move text of a side: its piece kanji, last drawn in 移動結果色.
bool lastMoveShownFor(const RecordingSurface& d, bool com) {
    const double x = com ? -0.6 : 12.4, y = com ? 6.4 : 2.4;
    const auto t = d.textAt(x, y);
    return t && t->code == 移動結果色 && !t->text.empty();
}

class 局面移動 : public ::testing::Test {
  protected:
    void SetUp() override {
        // Both sides capture and drop, so that stepping moves pieces through both hands.
        game_ = lively(true, 40);
        ASSERT_TRUE(isLively(game_));
        startWith(h_, game_.final);
        h_.platform.checks[MenuItem::KEIKA] = true;
    }
    int plies() const { return static_cast<int>(game_.after.size()) - 1; }

    PlayedGame game_;
    GameHarness h_;
};

TEST_F(局面移動, 戻と進は一手ずつ局面持駒時計手数手番を戻す) {
    const SoundIds& ids = h_.sounds();
    const int n = plies();
    for (int k = n - 1; k >= 0; --k) {
        h_.platform.timerOn = true;
        h_.platform.drawn.clear();
        h_.menu(MenuItem::REPLAY);
        const GameState& s = h_.state();
        ASSERT_TRUE(samePosition(s, game_.after[k])) << "back to ply " << k;
        EXPECT_EQ(s.局面変更, OK);
        EXPECT_EQ(s.手順最大数, n) << "the plies ahead stay for 進";
        EXPECT_FALSE(h_.platform.timerOn);
        // The square the piece left and the one it went to look as before the ply.
        const int i = k + 1;
        const RecordingSurface& d = h_.platform.drawn;
        const MoveList& l = s.手順;
        EXPECT_EQ(d.pictureAt(l.手順先X[i], l.手順先Y[i]), s.盤[l.手順先X[i]][l.手順先Y[i]]);
        if (l.手順元X[i] >= 1 && l.手順元X[i] <= 5) {
            EXPECT_EQ(d.pictureAt(l.手順元X[i], l.手順元Y[i]), s.盤[l.手順元X[i]][l.手順元Y[i]]);
        }
    }
    EXPECT_EQ(playsOf(h_, ids.音_駒打音), n);
    EXPECT_TRUE(h_.platform.messages.empty());

    h_.menu(MenuItem::REPLAY);
    EXPECT_EQ(lastMessage(h_.platform), "戻る|できません");
    EXPECT_EQ(playsOf(h_, ids.音_禁止), 1);
    EXPECT_TRUE(samePosition(h_.state(), game_.after[0]));

    for (int k = 1; k <= n; ++k) {
        h_.platform.drawn.clear();
        h_.menu(MenuItem::AFTER);
        const GameState& s = h_.state();
        ASSERT_TRUE(samePosition(s, game_.after[k])) << "forward to ply " << k;
        const MoveList& l = s.手順;
        const RecordingSurface& d = h_.platform.drawn;
        EXPECT_EQ(d.pictureAt(l.手順先X[k], l.手順先Y[k]), l.手順先駒[k]);
        if (l.手順元X[k] >= 1 && l.手順元X[k] <= 5) {
            EXPECT_EQ(d.pictureAt(l.手順元X[k], l.手順元Y[k]), 空桝);
        }
        // The mover's last-move text, on its own side of the board.
        const bool com = l.手順先駒[k] > 0;
        EXPECT_TRUE(lastMoveShownFor(d, com)) << k;
        EXPECT_FALSE(lastMoveShownFor(d, !com)) << k;
        EXPECT_TRUE(d.hasText(std::to_string(k))) << "the ply counter";
    }
    EXPECT_EQ(playsOf(h_, ids.音_駒打音), 2 * n);
    EXPECT_TRUE(sameGame(h_.state(), [&] {
        GameState s = game_.final;
        s.局面変更 = OK;
        return s;
    }()));

    h_.menu(MenuItem::AFTER);
    EXPECT_EQ(lastMessage(h_.platform), "進む|できません") << "the end of a game being played";
    EXPECT_EQ(playsOf(h_, ids.音_禁止), 2);
}

TEST_F(局面移動, 英語の進は取る手と打つ手を指す前の局面で書き分ける) {
    ScopedLanguage english(text::Language::English);
    const int n = plies();
    for (int k = 0; k < n; ++k) h_.menu(MenuItem::REPLAY);
    std::set<char> kinds;
    for (int k = 1; k <= n; ++k) {
        h_.menu(MenuItem::AFTER);
        const MoveList& l = h_.state().手順;
        const bool com = l.手順先駒[k] > 0;
        const auto shown = h_.platform.drawn.textAt(com ? -1.6 : 11.4, com ? 6.4 : 2.4);
        ASSERT_TRUE(shown && shown->text.size() == 4) << k;
        const bool drop = l.手順元X[k] < 1 || l.手順元X[k] > 5;
        const bool capture = game_.after[k - 1].盤[l.手順先X[k]][l.手順先Y[k]] != 空桝;
        EXPECT_EQ(shown->text[1], drop ? '*' : capture ? 'x' : '-') << k;
        kinds.insert(shown->text[1]);
    }
    EXPECT_EQ(kinds.size(), 3u) << "the game moves, captures and drops";
}

TEST_F(局面移動, 戻ってから消えた手の指し手表示は消える) {
    h_.menu(MenuItem::REPLAY);
    const MoveList& l = h_.state().手順;
    const int i = plies();
    // 消去_移動結果 paints the mover's text cells with the background.
    const bool com = l.手順元駒[i] > 0;
    const RecordingSurface& d = h_.platform.drawn;
    if (com) {
        EXPECT_EQ(d.pictureAt(-2, 6), 背景_緑);
    } else {
        EXPECT_EQ(d.pictureAt(11, 2), 背景_緑);
    }
}

TEST_F(局面移動, 最初のあと進は断られる) {
    h_.menu(MenuItem::REPLAY);
    h_.menu(MenuItem::CANCEL);
    const GameState& s = h_.state();
    EXPECT_EQ(s.盤, game_.after[0].盤);
    EXPECT_EQ(s.手番, 手番なし);
    EXPECT_EQ(playsOf(h_, h_.sounds().音_駒打音), 2);
    const GameState before = s;
    h_.menu(MenuItem::AFTER);
    EXPECT_EQ(lastMessage(h_.platform), "開始|「対局」で始めて下さい");
    EXPECT_EQ(playsOf(h_, h_.sounds().音_禁止), 1);
    EXPECT_TRUE(sameGame(s, before)) << "no game: not even 局面変更 is touched";
}

TEST_F(局面移動, 反転二回で元の局面に戻り手順は捨てられる) {
    const GameState start = h_.state();
    h_.menu(MenuItem::REVERSE);
    const GameState& s = h_.state();
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) {
            EXPECT_EQ(s.盤[6 - x][6 - y], -start.盤[x][y]) << x << "," << y;
            EXPECT_EQ(h_.platform.drawn.pictureAt(6 - x, 6 - y), -start.盤[x][y]);
        }
    }
    EXPECT_EQ(s.持駒MAN, start.持駒COM);
    EXPECT_EQ(s.持駒数MAN, start.持駒数COM);
    EXPECT_EQ(s.手番, -start.手番);
    EXPECT_EQ(s.反転済, OK);
    EXPECT_EQ(s.手順数, 0);
    EXPECT_EQ(s.手順最大数, 0);
    EXPECT_EQ(s.手数, start.手数) << "the counter keeps counting";
    EXPECT_TRUE(h_.platform.drawn.hasText(std::to_string(start.手数)));

    h_.menu(MenuItem::REVERSE);
    EXPECT_EQ(s.盤, start.盤);
    EXPECT_EQ(s.持駒MAN, start.持駒MAN);
    EXPECT_EQ(s.持駒COM, start.持駒COM);
    EXPECT_EQ(s.手番, start.手番);
    EXPECT_EQ(playsOf(h_, h_.sounds().音_駒打音), 2);
    EXPECT_TRUE(h_.platform.messages.empty());

    h_.menu(MenuItem::REPLAY);
    EXPECT_EQ(lastMessage(h_.platform), "戻る|できません");
    h_.menu(MenuItem::AFTER);
    EXPECT_EQ(lastMessage(h_.platform), "進む|できません");
}

TEST(反転, 棋譜モードでは断られる) {
    GameHarness h;
    GameState s = playGame(2, true, 3).final;
    s.棋譜モード = OK;
    startWith(h, s);
    h.menu(MenuItem::REVERSE);
    EXPECT_EQ(lastMessage(h.platform), "反転|棋譜ﾓｰﾄﾞではできません");
    EXPECT_EQ(h.sound.plays(h.sounds().音_禁止), 1);
    EXPECT_TRUE(sameGame(h.state(), s));
    EXPECT_EQ(h.platform.drawn.calls.size(), 0u);
}

TEST(反転, ハンデ２級下は反転で２段階上になる) {
    GameHarness h;
    h.start();
    h.menu(MenuItem::LBEL_UP);
    h.menu(MenuItem::LBEL_UP);
    h.platform.drawn.clear();
    h.menu(MenuItem::REVERSE);
    const GameState& s = h.state();
    EXPECT_EQ(s.ハンデレベル, -2);
    EXPECT_EQ(s.盤[1][2], 飛COM);
    EXPECT_EQ(s.盤[5][2], 香COM);
    EXPECT_EQ(s.盤[5][4], 空桝);
    const auto text = h.platform.drawn.textAt(11 + 120.0 / 桝幅, 1 + 160.0 / 桝高);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段");
    EXPECT_EQ(text->code, 白色);

    h.menu(MenuItem::LBEL_UP);
    EXPECT_EQ(lastMessage(h.platform), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定|'局面 '→ '最初 'にして下さい");
}

// A new game must not step into the plies of the game before it.
class 前の対局の手順 : public ::testing::Test {
  protected:
    void SetUp() override {
        h.start();
        h.menu(MenuItem::START);
        h.click(5, 5);
        h.click(5, 4);
        h.click(1, 1);
        h.click(1, 2);
        ASSERT_EQ(h.state().手順数, 2);
    }
    void expectNoStepForward() {
        const GameState before = h.state();
        h.menu(MenuItem::AFTER);
        EXPECT_EQ(lastMessage(h.platform), "進む|できません");
        EXPECT_TRUE(samePosition(h.state(), before));
    }
    GameHarness h;
};

TEST_F(前の対局の手順, 最初からスタートした対局には進めない) {
    h.menu(MenuItem::CANCEL);
    h.menu(MenuItem::START);
    expectNoStepForward();
}

TEST_F(前の対局の手順, ハンデの駒は前の手で上書きされない) {
    h.menu(MenuItem::CANCEL);
    h.menu(MenuItem::LBEL_UP);
    h.menu(MenuItem::START);
    expectNoStepForward();
    EXPECT_EQ(h.state().ハンデレベル, 1);
}

TEST_F(前の対局の手順, 反転二回のあと先手で始めても進めない) {
    h.menu(MenuItem::REVERSE);
    h.menu(MenuItem::REVERSE);
    h.menu(MenuItem::SENTE);
    expectNoStepForward();
}

TEST(局面, 局面メニューを開くと棋譜パネルが閉じる) {
    GameHarness h;
    h.start();
    h.menu(MenuItem::KIFU_WRITE);
    h.platform.panel.setText(RecordBox::Text3, "あなた");
    h.menu(MenuItem::STOP);
    EXPECT_FALSE(h.platform.panel.writePanelVisible);
    EXPECT_FALSE(h.platform.panel.driveVisible);
    EXPECT_EQ(h.platform.panel.text(RecordBox::Text3), "");
    EXPECT_TRUE(h.platform.messages.empty());
}

}  // namespace
}  // namespace tanukiban::testing
