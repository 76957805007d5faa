// Positions and games to and from the clipboard through the game object.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "tests/flow/record_scene.h"

namespace tanukiban::testing {
namespace {

bool upperToMove(const GameState& s) {
    return s.手番 == 手番なし ? s.upperToMoveAtRest : s.手番 == s.手番COM;
}

// The pasted position, as it stands before any game, against the one copied.
::testing::AssertionResult samePasted(const GameState& pasted, const GameState& copied) {
    if (pasted.盤 != copied.盤) return ::testing::AssertionFailure() << "boards differ";
    if (pasted.持駒MAN != copied.持駒MAN || pasted.持駒COM != copied.持駒COM ||
        pasted.持駒数MAN != copied.持駒数MAN || pasted.持駒数COM != copied.持駒数COM)
        return ::testing::AssertionFailure() << "hands differ";
    if (pasted.手番 != 手番なし || pasted.手順数 != 0 || pasted.手順最大数 != 0)
        return ::testing::AssertionFailure() << "a game runs after the paste";
    if (upperToMove(pasted) != upperToMove(copied))
        return ::testing::AssertionFailure() << "the side to move differs";
    return ::testing::AssertionSuccess();
}

// 最初, then the clipboard pasted.
void pasteAfresh(GameHarness& h) {
    h.menu(MenuItem::CANCEL);
    h.menu(MenuItem::PASTE_SFEN);
    h.platform.drawn.clear();
}

TEST(局面の貼付, 写した局面は盤と持駒と手番がそのまま戻る) {
    GameHarness h;
    h.start();
    int positions = 0;
    for (unsigned seed = 1; seed <= 10; ++seed) {
        const PlayedGame g = playGame(seed, seed % 2 == 0, 99);
        for (const GameState& shown : g.after) {
            h.arrange([&](GameState& s) { s = shown; });
            h.menu(MenuItem::COPY_SFEN);
            pasteAfresh(h);
            ASSERT_TRUE(samePasted(h.state(), shown)) << h.platform.clipboard;
            ++positions;
        }
    }
    EXPECT_GE(positions, 1000);
    EXPECT_TRUE(h.platform.messages.empty());
}

TEST(局面の貼付, 一番大きいハンデの局面も写して戻る) {
    GameHarness h;
    h.start();
    for (int level = 0; level < 4; ++level) h.menu(MenuItem::LBEL_UP);
    const GameState handicapped = h.state();
    h.menu(MenuItem::COPY_SFEN);
    pasteAfresh(h);
    EXPECT_TRUE(samePasted(h.state(), handicapped)) << h.platform.clipboard;
}

TEST(局面の貼付, 写した棋譜は示した手まで指し直される) {
    GameHarness h;
    h.start();
    for (unsigned seed = 1; seed <= 100; ++seed) {
        const PlayedGame g = playGame(seed, seed % 2 == 0, 60, true);
        h.arrange([&](GameState& s) { s = g.final; });
        // Some games are shown a few plies back: the copy stops there.
        const int back = static_cast<int>(seed % 4);
        for (int i = 0; i < back && h.state().手順数 > 0; ++i) h.menu(MenuItem::REPLAY);
        const GameState shown = h.state();
        h.menu(MenuItem::COPY_KIFU);
        const std::string& text = h.platform.clipboard;
        ASSERT_TRUE(text.starts_with("position sfen pgkst/5/5/5/TSKGP ")) << text;
        EXPECT_EQ(std::count(text.begin(), text.end(), ' '), 5 + (shown.手順数 > 0) + shown.手順数)
            << text;
        pasteAfresh(h);
        ASSERT_TRUE(samePasted(h.state(), shown)) << text;
    }
}

TEST(局面の貼付, 自玉を取られる手の前で棋譜の写しは止まりそれを告げる) {
    GameHarness h;
    startWith(h, playGame(1, false, 8).final);  // ply 6 leaves the lower king attacked
    h.menu(MenuItem::COPY_KIFU);
    EXPECT_EQ(lastMessage(h.platform), "ｺﾋﾟｰ|5手目までｺﾋﾟｰしました");
    EXPECT_EQ(h.platform.clipboard,
              "position sfen pgkst/5/5/5/TSKGP w - 1 moves 4a5b+ 5e5d+ 3a3b 5d5c+ 5b4d+");
}

TEST(局面の貼付, 貼り付けた局面はそのまま写り読み方の違いは揃う) {
    GameHarness h;
    h.start();
    for (const auto& [pasted, copied] : {
             std::pair{"\n  Position StartPos Moves 1e1d+ \r\n", "pgkst/5/5/4R/TSKG1 w - 2"},
             std::pair{"pgkst/5/5/4R/TSKG1 w - 2", "pgkst/5/5/4R/TSKG1 w - 2"},
             std::pair{"2k2/5/5/5/2K2 b PGSTptgs 1", "2k2/5/5/5/2K2 b TGSPtgsp 1"},
             std::pair{"sfen pgkst/5/5/5/TSKGP b - 600 moves 1e1d+", "pgkst/5/5/4R/TSKG1 w - 601"},
         }) {
        h.menu(MenuItem::CANCEL);
        h.platform.clipboard = pasted;
        h.menu(MenuItem::PASTE_SFEN);
        h.menu(MenuItem::COPY_SFEN);
        EXPECT_EQ(h.platform.clipboard, copied) << pasted;
    }
    EXPECT_TRUE(h.platform.messages.empty());
}

TEST(局面の貼付, 二人の対局は貼り付けた局面の手番から始まり手数も棋譜もそこから続く) {
    GameHarness h;
    h.start();
    h.platform.clipboard = "pgkst/5/5/4R/TSKG1 w - 2";
    h.menu(MenuItem::PASTE_SFEN);
    h.menu(MenuItem::START);
    EXPECT_EQ(lastMessage(h.platform), " |貼付けた局面の手番で始めます。後手の番です");
    h.click(3, 1);
    h.click(3, 2);
    EXPECT_EQ(h.state().盤[3][2], 王COM) << "the upper side moves first";
    const std::optional<DrawCall> count = h.platform.drawn.textAt(11.3, 3.4);
    ASSERT_TRUE(count.has_value());
    EXPECT_EQ(count->text, "2");
    h.menu(MenuItem::COPY_KIFU);
    EXPECT_EQ(h.platform.clipboard, "position sfen pgkst/5/5/4R/TSKG1 w - 2 moves 3a3b");
    h.menu(MenuItem::COPY_SFEN);
    EXPECT_EQ(h.platform.clipboard, "pg1st/2k2/5/4R/TSKG1 b - 3");

    // A flip gives up the move list: the game then starts from the flipped board.
    h.menu(MenuItem::REVERSE);
    h.menu(MenuItem::COPY_SFEN);
    const std::string flipped = h.platform.clipboard;
    h.menu(MenuItem::COPY_KIFU);
    EXPECT_EQ(h.platform.clipboard, "position sfen " + flipped);
}

TEST(局面の貼付, 対COMは先手でも後手でも貼り付けた局面の手番から始まる) {
    for (const MenuItem side : {MenuItem::SENTE, MenuItem::GOTE}) {
        GameHarness h;
        h.start();
        h.platform.clipboard = "pgkst/5/5/4R/TSKG1 w - 2";
        h.menu(MenuItem::PASTE_SFEN);
        h.menu(side);
        EXPECT_EQ(h.platform.messages.at(0).text, "貼付けた局面の手番で始めます。COMの番です");
        ASSERT_EQ(h.state().手順数, 1);
        EXPECT_TRUE(isCom(h.state().手順.手順元駒[1]));
        EXPECT_EQ(GameFixture::turnState(h.game), TurnState::HumanToMove);

        h.menu(MenuItem::CANCEL);
        h.platform.clipboard = "pgkst/5/5/4R/TSKG1 b - 3";
        h.menu(MenuItem::PASTE_SFEN);
        h.menu(side);
        EXPECT_EQ(lastMessage(h.platform), " |貼付けた局面の手番で始めます。MANの番です");
        EXPECT_EQ(h.state().手順数, 0);
        EXPECT_EQ(GameFixture::turnState(h.game), TurnState::HumanToMove);
    }
}

TEST(局面の貼付, 手数の大きな局面でも探索は詰みを逃さない) {
    GameHarness h;
    h.start();
    GameFixture::setThinkTimeScale(h.game, 0.05);
    h.menu(MenuItem::LEVEL4);
    // Past the game's 500 plies: only the move list's length draws a game.
    h.platform.clipboard = "p1k2/1nb1G/3t1/1B3/TK2P w - 600";
    h.menu(MenuItem::PASTE_SFEN);
    h.menu(MenuItem::SENTE);
    EXPECT_EQ(lastMessage(h.platform), "詰め ?|よし！!");
}

TEST(局面の貼付, 読めない局面は断り何も変えない) {
    GameHarness h;
    h.start();
    h.menu(MenuItem::LBEL_UP);
    const GameState before = h.state();
    for (const char* text : {
             "pgkst/5/5/5/TSKGP x - 1",        // malformed
             "pgkst/5/5/5/TSKGK b - 1",        // two kings of a side
             "pg1st/5/5/5/TSKGP b - 1",        // a side without its king
             "pgkst/5/5/5/TSKGP b 2p 1",       // four of the pawn/rook pair
             "startpos moves 1e1d+ 5a5b+ 9z",  // a move that is not one
         }) {
        h.platform.clipboard = text;
        const int refusals = h.sound.plays(h.sounds().音_禁止);
        h.menu(MenuItem::PASTE_SFEN);
        EXPECT_EQ(lastMessage(h.platform), "貼付|局面を読み取れません") << text;
        EXPECT_EQ(h.sound.plays(h.sounds().音_禁止), refusals + 1);
        EXPECT_TRUE(sameGame(h.state(), before)) << text;
    }
    // Like a handicap step, a paste waits for 最初 once a game has started.
    h.menu(MenuItem::START);
    h.platform.clipboard = "startpos";
    h.menu(MenuItem::PASTE_SFEN);
    EXPECT_EQ(lastMessage(h.platform), "貼付|'局面 '→ '最初 'にして下さい");
    EXPECT_EQ(h.state().盤[5][4], 飛MAN);
}

TEST(局面の貼付, 初期局面でない貼付の後は棋譜を書き込めずハンデも付けられない) {
    GameHarness h;
    h.start();
    h.platform.clipboard = "sfen pgkst/5/5/5/TSKG1 b P 1";
    h.menu(MenuItem::PASTE_SFEN);
    EXPECT_EQ(h.state().持駒MAN[1], 1);
    h.menu(MenuItem::KIFU_WRITE);
    EXPECT_EQ(lastMessage(h.platform),
              "棋譜書込|貼付けた局面からは書き込みできません(初期局面から始めた対局のみ)");
    EXPECT_FALSE(h.platform.panel.writePanelVisible);
    h.menu(MenuItem::LBEL_UP);
    EXPECT_EQ(lastMessage(h.platform), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定|'局面 '→ '最初 'にして下さい");

    // The initial position pasted over a handicap leaves a game that can be written.
    h.menu(MenuItem::CANCEL);
    h.menu(MenuItem::LBEL_UP);
    h.platform.clipboard = "position startpos";
    h.menu(MenuItem::PASTE_SFEN);
    EXPECT_EQ(h.state().ハンデ設定済, NG);
    h.menu(MenuItem::KIFU_WRITE);
    EXPECT_TRUE(h.platform.panel.writePanelVisible);

    // A record file would lose the side to move: the upper side's game on the initial board.
    h.menu(MenuItem::CANCEL);
    h.platform.clipboard = "position sfen pgkst/5/5/5/TSKGP w - 1";
    h.menu(MenuItem::PASTE_SFEN);
    h.menu(MenuItem::KIFU_WRITE);
    EXPECT_EQ(lastMessage(h.platform),
              "棋譜書込|貼付けた局面からは書き込みできません(初期局面から始めた対局のみ)");
}

}  // namespace
}  // namespace tanukiban::testing
