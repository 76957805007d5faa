// △ and ▽ through the game object: the ladder, its texts and its refusals.
#include <gtest/gtest.h>

#include <string>

#include "tests/flow/record_scene.h"

namespace tanukiban::testing {
namespace {

// Where 描画_文字列 puts the level text drawn at cell (11, 1).
std::optional<DrawCall> levelText(const RecordingSurface& d) {
    return d.textAt(11 + 120.0 / 桝幅, 1 + 160.0 / 桝高);
}

struct Rung {
    MenuItem item;
    int level;
    int x, y, code;  // the square that changes and what it then shows
    const char* text;
};

void climb(GameHarness& h, const Rung& r) {
    h.platform.drawn.clear();
    const int knocks = h.sound.plays(h.sounds().音_駒打音);
    h.menu(r.item);
    const GameState& s = h.state();
    const RecordingSurface& d = h.platform.drawn;
    EXPECT_EQ(s.ハンデレベル, r.level);
    EXPECT_EQ(s.ハンデ設定済, OK);
    EXPECT_EQ(s.盤[r.x][r.y], r.code) << r.level;
    EXPECT_EQ(d.pictureAt(r.x, r.y), r.code) << r.level;
    EXPECT_EQ(d.frameAt(r.x, r.y), 背景色);
    const auto text = levelText(d);
    ASSERT_TRUE(text) << r.level;
    EXPECT_EQ(text->text, r.text);
    EXPECT_EQ(text->code, 白色);
    EXPECT_EQ(text->style.points, 10);
    const auto shadow = d.textAt(11.1 + 120.0 / 桝幅, 1.1 + 160.0 / 桝高);
    ASSERT_TRUE(shadow);
    EXPECT_EQ(shadow->code, 黒色);
    // The old text is painted over first, cell by cell, before the new one.
    for (int x : {11, 12, 13}) EXPECT_EQ(d.pictureAt(x, 1), 背景_緑);
    ASSERT_FALSE(d.calls.empty());
    EXPECT_EQ(d.calls.front().kind, DrawCall::Kind::Picture);
    EXPECT_EQ(h.sound.plays(h.sounds().音_駒打音), knocks + 1);
}

TEST(ハンデ, 上りきって一段ずつ駒が増え端では何も変わらない) {
    GameHarness h;
    h.start();
    const Rung up[] = {
        {MenuItem::LBEL_UP, 1, 5, 4, 飛MAN, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"},
        {MenuItem::LBEL_UP, 2, 1, 4, 香MAN, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"},
        {MenuItem::LBEL_UP, 3, 4, 4, 桂MAN, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"},
        {MenuItem::LBEL_UP, 4, 2, 4, 角MAN, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級"},
    };
    for (const Rung& r : up) climb(h, r);
    const GameState top = h.state();
    h.platform.drawn.clear();
    h.menu(MenuItem::LBEL_UP);
    EXPECT_TRUE(sameGame(h.state(), top));
    EXPECT_EQ(h.platform.drawn.calls.size(), 0u);
    EXPECT_EQ(h.sound.plays(h.sounds().音_駒打音), 4);
    EXPECT_TRUE(h.platform.messages.empty());
}

TEST(ハンデ, 二から三段下りると上手に飛車が出る) {
    GameHarness h;
    h.start();
    h.menu(MenuItem::LBEL_UP);
    h.menu(MenuItem::LBEL_UP);
    const Rung down[] = {
        {MenuItem::LEBEL_DOWN, 1, 1, 4, 空桝, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"},
        {MenuItem::LEBEL_DOWN, 0, 5, 4, 空桝, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"},
        {MenuItem::LEBEL_DOWN, -1, 1, 2, 飛COM, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"},
        {MenuItem::LEBEL_DOWN, -2, 5, 2, 香COM, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"},
        {MenuItem::LEBEL_DOWN, -3, 2, 2, 桂COM, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"},
        {MenuItem::LEBEL_DOWN, -4, 4, 2, 角COM, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段"},
    };
    for (const Rung& r : down) climb(h, r);
    h.menu(MenuItem::LEBEL_DOWN);
    EXPECT_EQ(h.state().ハンデレベル, -4);
    const Rung back = {MenuItem::LBEL_UP, -3, 4, 2, 空桝, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"};
    climb(h, back);
}

TEST(ハンデ, 上げて下げると初期局面だが設定済のまま) {
    GameHarness h;
    h.start();
    const GameState start = h.state();
    h.menu(MenuItem::LBEL_UP);
    h.menu(MenuItem::LEBEL_DOWN);
    EXPECT_EQ(h.state().盤, start.盤);
    EXPECT_EQ(h.state().ハンデレベル, 0);
    EXPECT_EQ(h.state().ハンデ設定済, OK);

    // 最初 clears it, and the full redraw then shows no level text.
    h.menu(MenuItem::CANCEL);
    EXPECT_EQ(h.state().ハンデ設定済, NG);
    h.platform.drawn.clear();
    GameFixture::画面_再描画(h.game);
    EXPECT_FALSE(levelText(h.platform.drawn));
}

TEST(ハンデ, 棋譜モード対局途中対局開始後は断られる) {
    struct Case {
        const char* what;
        GameState state;
        const char* message;
    };
    GameState recordMode;
    初期設定(recordMode);
    recordMode.棋譜モード = OK;
    recordMode.手番 = 先手;
    GameState midGame = playGame(9, true, 1).final;
    GameState started;
    初期設定(started);
    started.手番 = 先手;
    GameState flipped;
    初期設定(flipped);
    flipped.反転済 = OK;
    const Case cases[] = {
        {"record", recordMode, "棋譜ﾓｰﾄﾞではできません(局面→最初)"},
        {"mid-game", midGame, "対局途中ではできません"},
        {"started", started, "'局面 '→ '最初 'にして下さい"},
        {"flipped", flipped, "'局面 '→ '最初 'にして下さい"},
    };
    for (const Case& c : cases) {
        for (MenuItem item : {MenuItem::LBEL_UP, MenuItem::LEBEL_DOWN}) {
            GameHarness h;
            startWith(h, c.state);
            h.menu(MenuItem::KIFU_READ);
            h.platform.drawn.clear();
            h.menu(item);
            EXPECT_EQ(lastMessage(h.platform), std::string("ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定|") + c.message)
                << c.what;
            EXPECT_EQ(h.sound.plays(h.sounds().音_禁止), 1) << c.what;
            EXPECT_EQ(h.sound.plays(h.sounds().音_駒打音), 0) << c.what;
            EXPECT_TRUE(sameGame(h.state(), c.state)) << c.what;
            EXPECT_EQ(h.platform.drawn.calls.size(), 0u) << c.what;
            EXPECT_FALSE(h.platform.panel.filesVisible) << "the panel closes all the same";
        }
    }
}

}  // namespace
}  // namespace tanukiban::testing
