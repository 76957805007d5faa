#include "display/text.h"

#include <gtest/gtest.h>

#include "display/status.h"
#include "rules/pieces.h"
#include "tests/flow/support/recording_surface.h"
#include "tests/text/scoped_language.h"

namespace tanukiban::testing {
namespace {

using Kind = DrawCall::Kind;

TEST(変換, 二桁に揃える) {
    EXPECT_EQ(変換_数字から文字(7), "07");
    EXPECT_EQ(変換_数字から文字(0), "00");
    EXPECT_EQ(変換_数字から文字(42), "42");
    EXPECT_EQ(変換_数字から文字(123), "");
    EXPECT_EQ(変換_数字から文字(-5), "-5");
}

TEST(変換, 数字と漢数字と駒の文字) {
    EXPECT_EQ(文字列変換(1), "１");
    EXPECT_EQ(文字列変換(9), "９");
    EXPECT_EQ(文字列変換(1001), "一");
    EXPECT_EQ(文字列変換(1005), "五");
    EXPECT_EQ(文字列変換(10), "歩") << "10 is past the digits, so it is the pawn";
    EXPECT_EQ(文字列変換(-11), "と");
    EXPECT_EQ(文字列変換(とCOM), "と");
    EXPECT_EQ(文字列変換(角MAN), "角");
    EXPECT_EQ(文字列変換(王COM), "王");
    for (int none : {0, 1000, 1010, 12, 950 + 1}) EXPECT_EQ(文字列変換(none), "") << none;
}

TEST(時間表示, 時分秒) {
    EXPECT_EQ(調査_時間秒追加結果(59), "00:00:59");
    EXPECT_EQ(調査_時間秒追加結果(61), "00:01:01");
    EXPECT_EQ(調査_時間秒追加結果(3725), "01:02:05");
    EXPECT_EQ(調査_時間秒追加結果(12.8), "00:00:12");
    EXPECT_EQ(調査_時間秒追加結果(360000), ":00:00") << "100 hours do not fit";
}

TEST(描画_数値, 漢数字は一から九だけ) {
    RecordingSurface s;
    描画_数値(s, 1, 1, 0, 白色, 1, 12);
    描画_数値(s, 1, 1, 10, 白色, 1, 12);
    EXPECT_TRUE(s.calls.empty());
    描画_数値(s, 1, 1, 3, 白色, 1, 12);
    ASSERT_EQ(s.texts().size(), 1u);
    EXPECT_EQ(s.texts()[0].text, "三");
    s.clear();
    描画_数値(s, 2, 3, 15, 赤色, 0, 14);
    ASSERT_EQ(s.texts().size(), 1u);
    EXPECT_EQ(s.texts()[0].text, "15");
    EXPECT_EQ(s.texts()[0].style.colour, 赤色);
    EXPECT_EQ(s.texts()[0].style.points, 14);
}

TEST(描画_文字列, ハンディキャップの段級と手目) {
    RecordingSurface s;
    描画_文字列(s, 11, 1, 11, 白色, 10);
    描画_文字列(s, 11, 1, -11, 白色, 10);
    EXPECT_TRUE(s.calls.empty());

    描画_文字列(s, 11, 1, -10, 白色, 10);
    ASSERT_EQ(s.texts().size(), 1u);
    const DrawCall t = s.texts()[0];
    EXPECT_EQ(t.text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
    // 120 and 160 twips beyond the cell position.
    EXPECT_DOUBLE_EQ(t.x, 11 + 120.0 / 600);
    EXPECT_DOUBLE_EQ(t.y, 1 + 160.0 / 615);
    EXPECT_EQ(t.style.points, 10);

    EXPECT_EQ(文字列表(0), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級");
    EXPECT_EQ(文字列表(-4), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段");
    EXPECT_EQ(文字列表(4), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級");
    EXPECT_EQ(文字列表(10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級");
    EXPECT_EQ(文字列表(99), "手目");
}

// The white text of 描画_手数, whose shadow is a tenth of a square below right.
DrawCall countText(const RecordingSurface& s) {
    for (const DrawCall& t : s.texts())
        if (t.style.colour == 白色 && t.text != "手目") return t;
    return {};
}

TEST(描画_手数, 桁が増えると左へずれる) {
    RecordingSurface nine, ten, hundred;
    描画_手数(Canvas{nine, 背景_緑, 先手, 後手}, 9, 白色);
    描画_手数(Canvas{ten, 背景_緑, 先手, 後手}, 10, 白色);
    描画_手数(Canvas{hundred, 背景_緑, 先手, 後手}, 100, 白色);
    EXPECT_DOUBLE_EQ(countText(nine).x, 11.2);
    EXPECT_DOUBLE_EQ(countText(ten).x, 11.1);
    EXPECT_DOUBLE_EQ(countText(hundred).x, 11.0);
    EXPECT_DOUBLE_EQ(countText(nine).y, 3.3);
    EXPECT_EQ(countText(ten).text, "10");

    // The field is cleared first, then shadow and text, then "手目".
    const auto& c = nine.calls;
    ASSERT_EQ(c.size(), 6u);
    EXPECT_EQ(c[0].kind, Kind::Picture);
    EXPECT_EQ(c[0].code, 背景_緑);
    EXPECT_DOUBLE_EQ(c[0].x, 11);
    EXPECT_DOUBLE_EQ(c[1].x, 12);
    EXPECT_EQ(c[2].style.colour, 黒色);
    EXPECT_DOUBLE_EQ(c[2].x, 11.3);
    EXPECT_DOUBLE_EQ(c[2].y, 3.4);
    EXPECT_EQ(c[5].text, "手目");
    EXPECT_DOUBLE_EQ(c[5].x, 11.8 + 0.2);
    EXPECT_EQ(c[5].style.points, 10);
}

TEST(描画_移動結果, 四四の銀は４と四と銀) {
    RecordingSurface s;
    描画_移動結果(Canvas{s, 背景_緑, 先手, 後手}, 後手, 2, 4, 銀MAN, 移動結果色);
    // The field is erased first.
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(s.calls[i].kind, Kind::Picture);
        EXPECT_DOUBLE_EQ(s.calls[i].x, 11 + i);
        EXPECT_DOUBLE_EQ(s.calls[i].y, 2);
    }
    const auto column = s.textAt(11.4, 2.4), row = s.textAt(11.8, 2.4), piece = s.textAt(12.4, 2.4);
    ASSERT_TRUE(column && row && piece);
    EXPECT_EQ(column->text, "４");
    EXPECT_EQ(row->text, "四");
    EXPECT_EQ(piece->text, "銀");
    EXPECT_EQ(piece->style.colour, 移動結果色);
    EXPECT_EQ(piece->style.points, 12);
    EXPECT_EQ(s.textAt(12.5, 2.5)->style.colour, 黒色);
}

TEST(描画_移動結果, 上手の欄とどちらでもない手番) {
    RecordingSurface s;
    描画_移動結果(Canvas{s, 背景_緑, 先手, 後手}, 先手, 5, 1, 飛COM, 移動結果色);
    EXPECT_EQ(s.textAt(-1.6, 6.4)->text, "１");
    EXPECT_EQ(s.textAt(-1.2, 6.4)->text, "一");
    EXPECT_EQ(s.textAt(-0.6, 6.4)->text, "飛");
    EXPECT_EQ(s.pictureAt(-2, 6), 背景_緑);
    EXPECT_EQ(s.pictureAt(0, 6), 背景_緑);

    s.clear();
    描画_移動結果(Canvas{s, 背景_緑, 先手, 後手}, 手番なし, 3, 3, 歩MAN, 移動結果色);
    消去_移動結果(Canvas{s, 背景_緑, 先手, 後手}, 手番なし);
    EXPECT_TRUE(s.calls.empty());
}

TEST(描画_移動結果, 英語では駒の字と指し方と筋と段を一つに) {
    ScopedLanguage english(text::Language::English);
    RecordingSurface s;
    描画_移動結果(Canvas{s, 背景_緑, 先手, 後手}, 後手, 2, 4, 銀MAN, 移動結果色, MoveKind::Capture);
    描画_移動結果(Canvas{s, 背景_緑, 先手, 後手}, 先手, 5, 1, とCOM, 移動結果色, MoveKind::Drop);
    ASSERT_EQ(s.texts().size(), 4u) << "the row and piece fields stay empty";
    EXPECT_EQ(s.textAt(11.4, 2.4)->text, "Sx4d");
    EXPECT_EQ(s.textAt(-1.6, 6.4)->text, "T*1a");
    EXPECT_EQ(englishLastMove(1, 5, 飛MAN), "R-5e");
}

TEST(描画_桝_数値, 英語の段は上からaからe) {
    ScopedLanguage english(text::Language::English);
    RecordingSurface s;
    描画_桝_数値(s);
    EXPECT_EQ(s.textAt(3.1, 0.4)->text, "3");
    EXPECT_EQ(s.textAt(6.1, 1.3)->text, "a");
    EXPECT_EQ(s.textAt(6.1, 5.3)->text, "e");
}

TEST(描画_レベル, 見出しと数) {
    RecordingSurface s;
    描画_レベル(s, 2);
    ASSERT_EQ(s.calls.size(), 4u);
    EXPECT_EQ(s.textAt(-2, 0.1)->text, "LEVEL");
    EXPECT_EQ(s.textAt(-2, 0.1)->style.points, 10);
    EXPECT_EQ(s.textAt(-0.7, 0.1)->text, "2");
    EXPECT_EQ(s.textAt(-0.7, 0.1)->style.points, 12);
    EXPECT_EQ(s.textAt(-0.6, 0.2)->style.colour, 黒色);
}

TEST(描画_桝_数値, 太字になり以後も太字) {
    RecordingSurface s;
    EXPECT_FALSE(s.bold());
    描画_桝_数値(s);
    EXPECT_TRUE(s.bold());
    EXPECT_EQ(s.texts().size(), 20u);
    for (const DrawCall& t : s.texts()) EXPECT_TRUE(t.style.bold);
    EXPECT_EQ(s.textAt(3.1, 0.4)->text, "3");
    EXPECT_EQ(s.textAt(3.1, 0.4)->style.points, 16);
    EXPECT_EQ(s.textAt(6.1, 4.3)->text, "四");
    EXPECT_EQ(s.textAt(6.1, 4.3)->style.points, 12);
    s.clear();
    描画_レベル(s, 1);
    EXPECT_TRUE(s.texts()[0].style.bold);
}

TEST(所有時間, 表示の有無と位置) {
    RecordingSurface s;
    描画_所有時間(Canvas{s, 背景_緑, 先手, 後手}, false, 後手, 61);
    EXPECT_TRUE(s.calls.empty()) << "the option is off";
    描画_所有時間(Canvas{s, 背景_緑, 先手, 後手}, true, 後手, 61);
    EXPECT_EQ(s.pictureAt(9, 7), 背景_緑);
    EXPECT_EQ(s.pictureAt(11, 7), 背景_緑);
    EXPECT_EQ(s.textAt(9, 7.2)->text, "00:01:01");
    EXPECT_EQ(s.textAt(9.1, 7.3)->style.colour, 黒色);
    s.clear();
    描画_所有時間(Canvas{s, 背景_緑, 先手, 後手}, true, 先手, 3725);
    EXPECT_EQ(s.pictureAt(-2, 7), 背景_緑);
    EXPECT_EQ(s.textAt(-1.6, 7.2)->text, "01:02:05");
    s.clear();
    描画_所有時間(Canvas{s, 背景_緑, 先手, 後手}, true, 手番なし, 5);
    EXPECT_TRUE(s.calls.empty());
}

TEST(描画_ハンデレベル, 欄を消してから描く) {
    RecordingSurface s;
    描画_ハンデレベル(Canvas{s, 背景_竹, 先手, 後手}, -2);
    std::vector<double> cleared;
    for (const DrawCall& c : s.calls)
        if (c.kind == Kind::Picture) cleared.push_back(c.x);
    EXPECT_EQ(cleared, (std::vector<double>{11, 12, 13, 16}));
    EXPECT_EQ(s.texts().size(), 2u);
    EXPECT_EQ(s.texts()[1].text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段");
    EXPECT_EQ(s.texts()[1].style.colour, 白色);
    EXPECT_EQ(s.texts()[0].style.colour, 黒色);
}

}  // namespace
}  // namespace tanukiban::testing
