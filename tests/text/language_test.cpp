#include "text/language.h"

#include <gtest/gtest.h>

#include "tests/text/scoped_language.h"

namespace tanukiban::text {
namespace {

using testing::ScopedLanguage;

TEST(Language, JapaneseIsTheDefaultAndShowsEveryTextAsItIs) {
    EXPECT_EQ(language(), Language::Japanese);
    for (const char* t : {"対局", "「BGM.wav」を開けません。", "あなたの勝ちです", "LEVEL", ""})
        EXPECT_EQ(tr(t), t);
    EXPECT_EQ(tr("menu", "終わり"), "終わり");
}

TEST(Language, EnglishTakesTheCatalogueEntryOrKeepsATextWithoutOne) {
    ScopedLanguage english(Language::English);
    EXPECT_EQ(tr("対局"), "Game");
    EXPECT_EQ(tr("   ** 王手 **"), "   ** Check **");
    EXPECT_EQ(tr("LEVEL"), "LEVEL");
    EXPECT_EQ(tr("  "), "  ");
    EXPECT_EQ(tr("まだ無い文"), "まだ無い文");
}

TEST(Language, AContextChoosesItsOwnEntryAndFallsBackToThePlainOne) {
    ScopedLanguage english(Language::English);
    EXPECT_EQ(tr("menu", "終わり"), "Quit");
    EXPECT_EQ(tr("終わり"), "End");
    EXPECT_EQ(tr("menu", "対局"), "Game");
}

TEST(Language, AComposedTextIsTranslatedThroughItsPatternWithItsPartTranslatedToo) {
    ScopedLanguage english(Language::English);
    EXPECT_EQ(tr("あなたの勝ちです"), "Winner: You");
    EXPECT_EQ(tr("先手の勝ちです"), "Winner: Black");
    EXPECT_EQ(tr("12手目までｺﾋﾟｰしました"), "Copied up to move 12");
    EXPECT_EQ(tr("「駒打音.wav」を開けません。"), "\"駒打音.wav\" cannot be opened.");
    // The longer fixed text wins over one that also matches.
    EXPECT_EQ(tr("「x.wav」の音声を読み込めません。"), "The sound of \"x.wav\" cannot be loaded.");
    EXPECT_EQ(tr("Tanukiban 1.0.0\n駒が動くたびに裏返る、5×5の盤の将棋です。"),
              "Tanukiban 1.0.0\nShogi on a 5×5 board, every piece turning over each time it "
              "moves.");
    // Only the fixed parts of a pattern do not make a text of it.
    EXPECT_EQ(tr("「」を開けません"), "「」を開けません");
}

TEST(Language, EnglishIsThereWhateverTheLanguageChosen) {
    EXPECT_EQ(english("思考中"), "Thinking");
    EXPECT_EQ(english("menu", "先手"), "Black (you move first)");
    EXPECT_EQ(tr("思考中"), "思考中");
}

}  // namespace
}  // namespace tanukiban::text
