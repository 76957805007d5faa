// The game in English, through the fakes: the menu, every box a game and a
// walk through the menu show, and every text drawn beside the board.
#include <gtest/gtest.h>

#include "tests/flow/play_support.h"
#include "tests/text/scoped_language.h"

namespace tanukiban::testing {
namespace {

// Plays the lower side until the game is over and a new one is offered.
void playToTheEnd(GameHarness& h) {
    for (int move = 0; move < 200 && h.platform.messageTexts().back() != "続けますか？"; ++move) {
        const std::optional<GameMove> mv = scriptedMove(h.state());
        ASSERT_TRUE(mv);
        clickMove(h, *mv);
    }
}

TEST(English, EveryMenuItemBoxAndTextBesideTheBoardIsEnglish) {
    ScopedLanguage english(text::Language::English);
    for (const MenuEntry& e : menuTable())
        EXPECT_FALSE(hasJapanese(text::tr("menu", e.caption))) << e.caption;

    GameHarness h;
    h.start();
    GameFixture::setThinkTimeScale(h.game, 0.05);
    h.platform.defaultAnswer = true;  // play on after the end
    h.menu(MenuItem::LBEL_UP);
    h.menu(MenuItem::LEVEL1);
    h.menu(MenuItem::SENTE);
    h.menu(MenuItem::HINT);
    playToTheEnd(h);
    // Every item in turn, but the one that ends the program; twice, so that
    // each also meets the state the others leave.
    h.menu(MenuItem::KEIKA);
    for (int round = 0; round < 2; ++round) {
        for (const MenuEntry& e : menuTable())
            if (e.item != MenuItem::OWARI) h.menu(e.item);
    }

    ASSERT_GT(h.platform.messages.size(), 10u);
    for (const ShownMessage& m : h.platform.messages) {
        EXPECT_FALSE(hasJapanese(text::tr(m.text))) << m.text;
        EXPECT_FALSE(hasJapanese(text::tr(m.title))) << m.title;
    }
    const std::vector<DrawCall> drawn = h.platform.drawn.texts();
    ASSERT_GT(drawn.size(), 50u);
    for (const DrawCall& c : drawn) EXPECT_FALSE(hasJapanese(c.text)) << c.text;
    for (const char* shown : {"Thinking", "Front", "Back", "ply", "LEVEL", "a", "e"})
        EXPECT_TRUE(h.platform.drawn.hasText(shown)) << shown;
}

}  // namespace
}  // namespace tanukiban::testing
