#include "display/board.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "display/animation.h"
#include "display/palette.h"
#include "display/pictures.h"
#include "display/redraw.h"
#include "display/text.h"
#include "tests/flow/support/recording_surface.h"

namespace tanukiban::testing {
namespace {

using Kind = DrawCall::Kind;

TEST(絵, 表にない番号は何も描かない) {
    RecordingSurface s;
    for (int code : {7, 12, 199, 205 - 206, 218, 1000, -1, -2}) 描画_絵(s, code, 1, 1);
    EXPECT_TRUE(s.calls.empty());
    描画_絵(s, 空桝, 1, 1);
    描画_絵(s, UE_AKA5, 2, 2);
    描画_絵(s, 題字, 11, -0.5);
    EXPECT_EQ(s.calls.size(), 3u);
}

TEST(絵, 番号ごとに一枚で大きさは決まったとおり) {
    std::set<int> codes;
    for (const PictureInfo& p : pictureTable()) {
        EXPECT_TRUE(codes.insert(p.code).second) << p.name;
        if (p.code >= 背景_緑 && p.code <= 背景_煉瓦) {
            EXPECT_EQ(p.width, 41);
            EXPECT_EQ(p.height, 41);
        } else if (p.code == 題字) {
            EXPECT_EQ(p.width, 118);
            EXPECT_EQ(p.height, 59);
        } else {
            EXPECT_EQ(p.width, 40) << p.name;
            EXPECT_EQ(p.height, 41) << p.name;
        }
    }
    // 18 pieces, the empty square, 18 turning frames, 5 tiles, the title.
    EXPECT_EQ(codes.size(), 43u);
    EXPECT_EQ(findPicture(とMAN)->name, "sita_to");
    EXPECT_EQ(findPicture(飛COM)->name, "ue_sya");
}

TEST(色, 標準の十六色) {
    EXPECT_EQ(paletteColour(0), (Rgb{0, 0, 0}));
    EXPECT_EQ(paletteColour(2), (Rgb{0, 128, 0}));
    EXPECT_EQ(paletteColour(12), (Rgb{255, 0, 0}));
    EXPECT_EQ(paletteColour(14), (Rgb{255, 255, 0}));
    EXPECT_EQ(paletteColour(15), (Rgb{255, 255, 255}));
}

TEST(盤, 列ごとに駒と枠) {
    RecordingSurface s;
    Grid 盤{};
    setInitialPosition(盤);
    描画_盤(s, 盤);
    ASSERT_EQ(s.calls.size(), 50u);
    // Column by column, each square's picture followed by its frame.
    EXPECT_EQ(s.calls[0].code, 歩COM);
    EXPECT_EQ(s.calls[1].kind, Kind::Frame);
    EXPECT_EQ(s.calls[1].code, 背景色);
    EXPECT_EQ(s.calls[2].code, 空桝);
    EXPECT_DOUBLE_EQ(s.calls[2].x, 1);
    EXPECT_DOUBLE_EQ(s.calls[2].y, 2);
    EXPECT_EQ(s.calls[8].code, とMAN);
    EXPECT_EQ(s.pictureAt(3, 5), 王MAN);

    s.clear();
    描画_将棋盤桝(s);
    EXPECT_EQ(s.count(Kind::Frame), 25);
    EXPECT_EQ(s.count(Kind::Picture), 0);
    EXPECT_EQ(s.frameAt(5, 5), 桝枠色);
}

TEST(背景, 盤の外だけを敷き詰める) {
    RecordingSurface s;
    描画_背景(s, 背景_煉瓦);
    EXPECT_EQ(s.count(Kind::Picture), 28 * 20 - 25);
    for (const DrawCall& c : s.calls) {
        EXPECT_EQ(c.code, 背景_煉瓦);
        EXPECT_FALSE(onBoard(static_cast<int>(c.x), static_cast<int>(c.y)));
        EXPECT_GE(c.x, -4);
        EXPECT_LE(c.x, 23);
        EXPECT_GE(c.y, -2);
        EXPECT_LE(c.y, 17);
    }
}

TEST(駒台, 持駒なしは空の桝と背景だけ) {
    RecordingSurface s;
    Hand hand{};
    描画_自持盤(Canvas{s, 背景_畳, 先手, 後手}, hand);
    描画_敵持盤(Canvas{s, 背景_畳, 先手, 後手}, hand);
    EXPECT_TRUE(s.texts().empty());
    for (int r = 2; r <= 5; ++r) {
        EXPECT_EQ(s.pictureAt(7, r), 空桝);
        EXPECT_EQ(s.pictureAt(9, r), 空桝);
        EXPECT_EQ(s.pictureAt(8, r), 背景_畳);
        EXPECT_EQ(s.pictureAt(10, r), 背景_畳);
        EXPECT_EQ(s.frameAt(7, r), 背景色);
        EXPECT_EQ(s.frameAt(9, r), 背景色);
    }
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(s.pictureAt(-1, r), 空桝);
        EXPECT_EQ(s.pictureAt(-3, r), 空桝);
        EXPECT_EQ(s.pictureAt(0, r), 背景_畳);
        EXPECT_EQ(s.pictureAt(-2, r), 背景_畳);
        // The board's first column keeps its left frame line.
        EXPECT_EQ(s.frameAt(1, r), 背景色);
    }
}

TEST(駒台, 二枚持つと両方の面と数が一度) {
    RecordingSurface s;
    Hand hand{};
    hand[1] = 2;  // pawn/rook
    hand[4] = 1;  // silver/bishop
    描画_自持盤(Canvas{s, 背景_緑, 先手, 後手}, hand);
    EXPECT_EQ(s.pictureAt(7, 2), 歩MAN);
    EXPECT_EQ(s.pictureAt(9, 2), 飛MAN);
    EXPECT_EQ(s.pictureAt(7, 5), 銀MAN);
    EXPECT_EQ(s.pictureAt(9, 5), 角MAN);
    EXPECT_EQ(s.pictureAt(7, 3), 空桝);
    ASSERT_EQ(s.texts().size(), 4u);
    EXPECT_EQ(s.textAt(8.1, 2.2)->text, "2");
    EXPECT_EQ(s.textAt(8.1, 2.2)->style.colour, 赤色);
    EXPECT_EQ(s.textAt(8.1, 2.2)->style.points, 14);
    EXPECT_EQ(s.textAt(8.2, 2.3)->style.colour, 黒色);
    EXPECT_EQ(s.textAt(8.1, 5.2)->text, "1");
}

TEST(駒台, 上手の駒台は下から歩香桂銀) {
    RecordingSurface s;
    Hand hand{};
    hand[1] = 1;
    hand[2] = 3;
    hand[3] = 1;
    hand[4] = 1;
    描画_敵持盤(Canvas{s, 背景_緑, 先手, 後手}, hand);
    EXPECT_EQ(s.pictureAt(-1, 4), 歩COM);
    EXPECT_EQ(s.pictureAt(-3, 4), 飛COM);
    EXPECT_EQ(s.pictureAt(-1, 3), 香COM);
    EXPECT_EQ(s.pictureAt(-3, 3), とCOM);
    EXPECT_EQ(s.pictureAt(-1, 2), 桂COM);
    EXPECT_EQ(s.pictureAt(-3, 2), 金COM);
    EXPECT_EQ(s.pictureAt(-1, 1), 銀COM);
    EXPECT_EQ(s.pictureAt(-3, 1), 角COM);
    EXPECT_EQ(s.textAt(-1.9, 3.2)->text, "3");
    EXPECT_EQ(s.textAt(-1.8, 3.3)->style.colour, 黒色);
    EXPECT_EQ(s.texts().size(), 8u);
}

TEST(回転駒, 型ごとの五枚の順) {
    EXPECT_EQ(*回転パターン(1), (FramePattern{UE_AKA1, UE_AKA2, UE_KURO3, UE_KURO4, UE_KURO5}));
    EXPECT_EQ(*回転パターン(2), (FramePattern{UE_KURO1, UE_KURO2, UE_KURO3, UE_AKA4, UE_AKA5}));
    EXPECT_EQ(*回転パターン(3), (FramePattern{UE_KURO1, UE_KURO2, UE_KURO3, UE_KURO4, UE_KURO5}));
    EXPECT_EQ(*回転パターン(4),
              (FramePattern{SITA_AKA1, SITA_AKA2, SITA_KURO3, SITA_KURO4, SITA_KURO5}));
    EXPECT_EQ(*回転パターン(5),
              (FramePattern{SITA_KURO1, SITA_KURO2, SITA_KURO3, SITA_AKA4, SITA_AKA5}));
    EXPECT_EQ(*回転パターン(6),
              (FramePattern{SITA_KURO1, SITA_KURO2, SITA_KURO3, SITA_KURO4, SITA_KURO5}));
    EXPECT_FALSE(回転パターン(0));
    EXPECT_FALSE(回転パターン(7));

    EXPECT_EQ(turningPatternFor(とCOM), 1);
    EXPECT_EQ(turningPatternFor(香COM), 2);
    EXPECT_EQ(turningPatternFor(角COM), 3);
    EXPECT_EQ(turningPatternFor(とMAN), 4);
    EXPECT_EQ(turningPatternFor(香MAN), 5);
    EXPECT_EQ(turningPatternFor(歩MAN), 6);
    EXPECT_EQ(turningPatternFor(王MAN), 0);
}

TEST(回転駒, 一枚ごとに枠と表示) {
    RecordingSurface s;
    int shown = 0;
    while (描画_回転駒(s, 5, shown, 2, 4)) ++shown;  // lower lance turning into the red tokin
    EXPECT_EQ(shown, 5);
    ASSERT_EQ(s.calls.size(), 15u);
    const int frames[] = {SITA_KURO1, SITA_KURO2, SITA_KURO3, SITA_AKA4, SITA_AKA5};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(s.calls[3 * i].kind, Kind::Picture);
        EXPECT_EQ(s.calls[3 * i].code, frames[i]);
        EXPECT_DOUBLE_EQ(s.calls[3 * i].x, 2);
        EXPECT_DOUBLE_EQ(s.calls[3 * i].y, 4);
        EXPECT_EQ(s.calls[3 * i + 1].kind, Kind::Frame);
        EXPECT_EQ(s.calls[3 * i + 1].code, 背景色);
        EXPECT_EQ(s.calls[3 * i + 2].kind, Kind::Refresh);
    }

    s.clear();
    EXPECT_FALSE(描画_回転駒(s, 0, 0, 2, 4));
    EXPECT_FALSE(描画_回転駒(s, 7, 0, 2, 4));
    EXPECT_FALSE(描画_回転駒(s, 5, -1, 2, 4));
    EXPECT_TRUE(s.calls.empty());
}

TEST(再描画, レベルとハンデは状態しだい) {
    GameState g;
    初期設定(g);
    RecordingSurface plain;
    画面_再描画(plain, g, 背景_緑, false);
    EXPECT_FALSE(plain.hasText("LEVEL"));
    EXPECT_FALSE(plain.hasText("00:00:00"));
    for (int level = -10; level <= 10; ++level) EXPECT_FALSE(plain.hasText(文字列表(level)));
    // 535 tiles, 25 squares, 16 stand cells with their 16 count cells, the title.
    EXPECT_EQ(plain.count(Kind::Picture), 535 + 25 + 16 + 16 + 1);

    g.対局モード = 対局_COM;
    g.COMレベル = 2;
    g.ハンデ設定済 = OK;
    g.ハンデレベル = 3;
    RecordingSurface full;
    画面_再描画(full, g, 背景_宇宙, true);
    EXPECT_EQ(full.textAt(-0.7, 0.1)->text, "2");
    EXPECT_TRUE(full.hasText("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"));
    EXPECT_TRUE(full.hasText("00:00:00"));
    EXPECT_EQ(full.pictureAt(-4, -2), 背景_宇宙);
    EXPECT_EQ(full.calls.back().code, 題字);
}

}  // namespace
}  // namespace tanukiban::testing
