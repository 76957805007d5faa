#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/pictures.h"
#include "tests/flow/support/game_harness.h"

namespace tanukiban::testing {
namespace {

using Kind = DrawCall::Kind;

TEST(起動, 定数と既定の設定が入る) {
    GameHarness h;
    h.start();
    const GameState& s = h.state();
    EXPECT_EQ(s.手番COM, 先手);
    EXPECT_EQ(s.手番MAN, 後手);
    EXPECT_EQ(s.手番, 手番なし);
    EXPECT_EQ(s.COMレベル, 3);
    EXPECT_EQ(s.棋譜モード, NG);
    EXPECT_EQ(s.手順最大数, 0);
    EXPECT_EQ(s.手数, 0);
    EXPECT_EQ(s.対局モード, 対局_MAN);
    EXPECT_TRUE(h.platform.isChecked(MenuItem::LEVEL3));
    EXPECT_FALSE(h.platform.isChecked(MenuItem::LEVEL1));
    EXPECT_FALSE(h.platform.isChecked(MenuItem::LEVEL2));

    // The defaults a missing settings file gets: green, guide on, clock on, no music.
    const Options& o = h.options();
    EXPECT_EQ(o.背景種類, 背景_緑);
    EXPECT_EQ(o.移動指導フラグ, 1);
    EXPECT_EQ(o.移動指導色(), 白色);
    EXPECT_TRUE(h.platform.isChecked(MenuItem::SIDOU));
    EXPECT_TRUE(h.platform.isChecked(MenuItem::KEIKA));
    EXPECT_FALSE(h.platform.isChecked(MenuItem::BGM));
    EXPECT_TRUE(h.platform.isChecked(MenuItem::MIDORI));
    for (MenuItem other : {MenuItem::TATAMI, MenuItem::TAKE, MenuItem::UCHU, MenuItem::RENGA})
        EXPECT_FALSE(h.platform.isChecked(other));

    EXPECT_EQ(h.platform.backgroundColour, 背景色);
    EXPECT_EQ(h.platform.placeCount, 1);
    EXPECT_FALSE(h.platform.timerOn) << "the reset stops the clock the settings started";
    EXPECT_TRUE(h.platform.messages.empty());
    EXPECT_EQ(h.platform.quitCount, 0);
}

TEST(起動, 音はこの順に読み込まれて音楽は止まったまま) {
    GameHarness h;
    h.start();
    ASSERT_GE(h.sound.calls.size(), 5u);
    EXPECT_EQ(h.sound.calls[0].name, "初期化_サウンド");
    EXPECT_EQ(h.sound.calls[0].value, h.platform.windowHandle());
    const std::vector<std::pair<std::string, int>> loads = {
        {"その他.wav", 3}, {"禁止.wav", 3}, {"駒打音.wav", 3}, {"BGM.wav", 1}};
    for (size_t i = 0; i < loads.size(); ++i) {
        EXPECT_EQ(h.sound.calls[i + 1].name, "読込_WAVファイル");
        EXPECT_EQ(h.sound.calls[i + 1].file, loads[i].first);
        EXPECT_EQ(h.sound.calls[i + 1].value, loads[i].second);
    }
    const SoundIds& ids = h.sounds();
    EXPECT_EQ(ids.音_その他, 101);
    EXPECT_EQ(ids.音_禁止, 102);
    EXPECT_EQ(ids.音_駒打音, 103);
    EXPECT_EQ(ids.音_BGM, 104);
    EXPECT_TRUE(h.sound.callsNamed("dsPlayLooping").empty());
    EXPECT_TRUE(h.sound.callsNamed("dsPlay").empty());
}

TEST(起動, 初期局面の画面全体) {
    GameHarness h;
    h.start();
    const RecordingSurface& d = h.platform.drawn;

    GameState expected;
    setInitialPosition(expected.盤);
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) {
            EXPECT_EQ(d.pictureAt(x, y), expected.盤[x][y]) << x << "," << y;
            EXPECT_EQ(d.frameAt(x, y), 背景色) << x << "," << y;
        }
    }
    // Both stands empty, their count cells plain background.
    for (int r = 2; r <= 5; ++r) {
        EXPECT_EQ(d.pictureAt(7, r), 空桝);
        EXPECT_EQ(d.pictureAt(9, r), 空桝);
        EXPECT_EQ(d.pictureAt(8, r), 背景_緑);
        EXPECT_EQ(d.pictureAt(10, r), 背景_緑);
    }
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(d.pictureAt(-1, r), 空桝);
        EXPECT_EQ(d.pictureAt(-3, r), 空桝);
        EXPECT_EQ(d.pictureAt(0, r), 背景_緑);
        EXPECT_EQ(d.pictureAt(-2, r), 背景_緑);
    }
    // Every cell around the board is tiled green.
    for (int x = -4; x <= 23; ++x) {
        for (int y = -2; y <= 17; ++y) {
            const bool stand = ((x == 7 || x == 9) && y >= 2 && y <= 5) ||
                               ((x == -1 || x == -3) && y >= 1 && y <= 4);
            if (!onBoard(x, y) && !stand) {
                EXPECT_EQ(d.pictureAt(x, y), 背景_緑) << x << "," << y;
            }
        }
    }

    // The stand labels, white over a black shadow.
    struct Expect {
        double x, y;
        const char* text;
        int colour;
    };
    const Expect labels[] = {
        {7.3, 1.4, "表", 黒色},
        {7.2, 1.3, "表", 白色},
        {9.3, 1.4, "裏", 黒色},
        {9.2, 1.3, "裏", 白色},
        {-0.6, 5.4, "表", 黒色},
        {-0.7, 5.3, "表", 白色},
        {-2.6, 5.4, "裏", 黒色},
        {-2.7, 5.3, "裏", 白色},
        // Column numbers read 5..1 from the left, rows 一..五 from the top.
        {1.1, 0.4, "5", 白色},
        {5.1, 0.4, "1", 白色},
        {6.1, 1.3, "一", 白色},
        {6.1, 5.3, "五", 白色},
        // Both clocks, since the elapsed-time option is on.
        {9.0, 7.2, "00:00:00", 白色},
        {-1.6, 7.2, "00:00:00", 白色},
    };
    for (const Expect& e : labels) {
        auto t = d.textAt(e.x, e.y);
        ASSERT_TRUE(t.has_value()) << e.text << " at " << e.x << "," << e.y;
        EXPECT_EQ(t->text, e.text);
        EXPECT_EQ(t->style.colour, e.colour);
    }
    EXPECT_EQ(d.textAt(7.2, 1.3)->style.points, 15);
    EXPECT_TRUE(d.textAt(7.2, 1.3)->style.bold) << "the labels come after the board numbers";
    EXPECT_FALSE(d.hasText("LEVEL")) << "no game against the computer yet";

    // The title picture is the last thing drawn.
    ASSERT_FALSE(d.calls.empty());
    const DrawCall& last = d.calls.back();
    EXPECT_EQ(last.kind, Kind::Picture);
    EXPECT_EQ(last.code, 題字);
    EXPECT_DOUBLE_EQ(last.x, 11);
    EXPECT_DOUBLE_EQ(last.y, -0.5);
}

TEST(終了, Escapeで終了処理を一度だけして終わる) {
    GameHarness h;
    h.start();
    h.sound.calls.clear();
    h.platform.log.clear();

    h.game.Form_KeyPress(27);
    const std::vector<std::string> expected = {"sound:dsFree",        "sound:dsFree",
                                               "sound:dsFree",        "sound:dsFree",
                                               "sound:終了_サウンド", "quit"};
    EXPECT_EQ(h.platform.log, expected);
    const auto frees = h.sound.callsNamed("dsFree");
    ASSERT_EQ(frees.size(), 4u);
    EXPECT_EQ(frees[0].value, h.sounds().音_その他);
    EXPECT_EQ(frees[1].value, h.sounds().音_禁止);
    EXPECT_EQ(frees[2].value, h.sounds().音_駒打音);
    EXPECT_EQ(frees[3].value, h.sounds().音_BGM);
    EXPECT_TRUE(h.game.ended());

    // The close that follows the end, and any later key or command, do nothing.
    h.game.Form_Unload();
    h.game.Form_KeyPress(27);
    h.game.menuCommand(MenuItem::OWARI);
    EXPECT_EQ(h.platform.log, expected);
    EXPECT_TRUE(h.platform.messages.empty()) << "ending asks nothing";
}

TEST(終了, 閉じると終了処理を一度だけして終わる) {
    GameHarness h;
    h.start();
    h.platform.log.clear();
    h.game.Form_Unload();
    h.game.Form_Unload();
    h.game.Form_KeyPress(27);
    EXPECT_EQ(h.sound.callsNamed("終了_サウンド").size(), 1u);
    EXPECT_EQ(h.sound.callsNamed("dsFree").size(), 4u);
    EXPECT_EQ(h.platform.quitCount, 1);
    EXPECT_EQ(h.platform.log.back(), "quit");
}

TEST(終了, 終わりのメニューも同じ) {
    GameHarness h;
    h.start();
    h.menu(MenuItem::OWARI);
    h.game.Form_Unload();
    EXPECT_EQ(h.sound.callsNamed("終了_サウンド").size(), 1u);
    EXPECT_EQ(h.platform.quitCount, 1);
}

TEST(終了, ほかのキーは何もしない) {
    GameHarness h;
    h.start();
    const auto drawnBefore = h.platform.drawn.calls.size();
    h.sound.calls.clear();
    for (int key : {13, 32, 97, 81, 26, 28, 0, 255}) h.game.Form_KeyPress(key);
    EXPECT_TRUE(h.sound.calls.empty());
    EXPECT_EQ(h.platform.quitCount, 0);
    EXPECT_FALSE(h.game.ended());
    EXPECT_EQ(h.platform.drawn.calls.size(), drawnBefore);
}

TEST(起動, 音が使えなくても始まって終われる) {
    GameHarness h;
    h.sound.libraryStarts = false;
    h.start();
    EXPECT_EQ(h.sounds().音_その他, 0);
    EXPECT_EQ(h.sounds().音_BGM, 0);
    EXPECT_EQ(h.platform.drawn.pictureAt(3, 5), 王MAN);
    h.game.Form_KeyPress(27);
    EXPECT_EQ(h.platform.quitCount, 1);
}

TEST(待ち時間, 指定の秒数の後に続き真夜中をまたいでも終わる) {
    GameHarness h;
    h.platform.now = 86399.95;
    bool goneOn = false;
    GameFixture::待ち時間(h.game, 0.1, [&goneOn] { goneOn = true; });
    EXPECT_EQ(GameFixture::turnState(h.game), TurnState::Pausing);
    h.settle();
    EXPECT_TRUE(goneOn);
    EXPECT_EQ(GameFixture::turnState(h.game), TurnState::Idle);
    EXPECT_NEAR(h.platform.slept, 0.1, 1e-9);
    EXPECT_NEAR(h.platform.now, 0.05, 1e-6);

    EXPECT_DOUBLE_EQ(調査_経過秒(100.0, 102.5), 2.5);
    EXPECT_DOUBLE_EQ(調査_経過秒(86399.5, 0.5), 1.0);
}

TEST(初期設定, 局面を戻し時計を止めて全体を描き直す) {
    GameHarness h;
    h.start();
    h.arrange([](GameState& g) {
        g.盤[3][3] = 飛COM;
        g.持駒MAN[1] = 2;
        g.手番 = 先手;
    });
    const GameState& s = h.state();
    h.platform.setClockTimer(true);
    h.platform.drawn.clear();

    GameFixture::初期設定(h.game);
    EXPECT_EQ(s.盤[3][3], 空桝);
    EXPECT_EQ(s.持駒MAN[1], 0);
    EXPECT_EQ(s.手番, 手番なし);
    EXPECT_FALSE(h.platform.timerOn);
    EXPECT_EQ(h.platform.drawn.pictureAt(3, 3), 空桝);
    EXPECT_EQ(h.platform.drawn.pictureAt(7, 2), 空桝);
    EXPECT_EQ(h.platform.drawn.picture(), redrawnPicture(s, h.options().背景種類, true));
}

}  // namespace
}  // namespace tanukiban::testing
