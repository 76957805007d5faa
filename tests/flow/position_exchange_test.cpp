// Positions and games to and from the clipboard through the game object.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

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

TEST(局面の貼付, 対局は貼り付けた局面から始まり棋譜もそこから写る) {
    GameHarness h;
    h.start();
    h.platform.clipboard = "\n  Position StartPos Moves 1e1d+ \r\n";
    h.menu(MenuItem::PASTE_SFEN);
    EXPECT_EQ(h.state().盤[5][4], 飛MAN);
    EXPECT_EQ(h.state().盤[5][5], 空桝);
    h.menu(MenuItem::COPY_SFEN);
    EXPECT_EQ(h.platform.clipboard, "pgkst/5/5/4R/TSKG1 w - 1");

    // スタート gives the first move to the lower side, as from any position.
    h.menu(MenuItem::START);
    h.click(3, 5);
    h.click(3, 4);
    h.menu(MenuItem::COPY_KIFU);
    EXPECT_EQ(h.platform.clipboard, "position sfen pgkst/5/5/4R/TSKG1 b - 1 moves 3e3d");
    // A flip gives up the move list: the game then starts from the flipped board.
    h.menu(MenuItem::REVERSE);
    h.menu(MenuItem::COPY_SFEN);
    const std::string flipped = h.platform.clipboard;
    h.menu(MenuItem::COPY_KIFU);
    EXPECT_EQ(h.platform.clipboard, "position sfen " + flipped);
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
}

}  // namespace
}  // namespace tanukiban::testing
