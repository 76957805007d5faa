// Games against the computer, click by click: whole games at every level,
// the announcements of its turn, the ends of a game.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/mate.h"
#include "tests/flow/play_support.h"

namespace tanukiban::testing {
namespace {

// The position the move list leads to from the initial one, replayed ply by ply.
GameState replayMoveList(const GameState& game) {
    GameState s;
    setInitialPosition(s.盤);
    const MoveList& l = game.手順;
    for (int n = 1; n <= game.手順数; ++n) {
        const int from = l.手順元X[n], row = l.手順元Y[n];
        if (onBoard(from, row)) {
            s.盤[from][row] = 空桝;
        } else if (isManStand(from)) {
            s.持駒MAN[row - 1] -= 1;
        } else {
            // The computer's drops keep the pair; the mouse's keep the stand row.
            s.持駒COM[row] -= 1;
        }
        const int taken = l.手順取得駒[n];
        if (isCom(taken) && taken != 王COM) s.持駒MAN[facePair(taken)] += 1;
        if (isMan(taken) && taken != 王MAN) s.持駒COM[facePair(taken)] += 1;
        s.盤[l.手順先X[n]][l.手順先Y[n]] = l.手順先駒[n];
    }
    return s;
}

// Clicks turning over on the board click twice, drops and king steps once.
int expectedClicks(const GameState& game) {
    int n = 0;
    for (int i = 1; i <= game.手順数; ++i) {
        const int piece = game.手順.手順元駒[i];
        const bool turns =
            onBoard(game.手順.手順元X[i], game.手順.手順元Y[i]) && piece != 王MAN && piece != 王COM;
        n += turns ? 2 : 1;
    }
    return n;
}

struct GameRun {
    MenuItem level;
    MenuItem side;
};

class 対COM全局 : public ::testing::TestWithParam<GameRun> {};

TEST_P(対COM全局, 終局まで指す) {
    GameHarness h;
    h.start();
    // The searching level thinks 5 ms a move.
    GameFixture::setThinkTimeScale(h.game, 0.05);
    h.platform.answers = {false};  // after the end: do not go on, so the last position stays
    h.menu(GetParam().level);
    h.menu(GetParam().side);
    const GameState& s = h.state();

    if (GetParam().side == MenuItem::SENTE) {
        ASSERT_EQ(h.platform.messageTexts(), std::vector<std::string>{"MANの番です"});
        EXPECT_EQ(h.platform.messages[0].title, " ");
        EXPECT_EQ(s.手数, 0);
        EXPECT_EQ(s.手番MAN, 先手);
    } else {
        // The computer moves at once, as the first player, without a word.
        EXPECT_TRUE(h.platform.messages.empty());
        EXPECT_EQ(s.手数, 1);
        EXPECT_TRUE(isCom(s.手順.手順元駒[1]));
        EXPECT_EQ(s.手番MAN, 後手);
    }
    EXPECT_EQ(s.手番, s.手番MAN);

    while (!h.game.ended()) {
        const std::optional<GameMove> mv = scriptedMove(s);
        ASSERT_TRUE(mv);
        const size_t before = h.platform.messages.size();
        const int plies = s.手数;
        clickMove(h, *mv);
        if (h.game.ended()) break;
        // The computer answered and handed the turn back.
        ASSERT_EQ(s.手数, plies + 2);
        ASSERT_EQ(s.手番, s.手番MAN);
        ASSERT_EQ(h.pickUp().選択中, 0);
        ASSERT_TRUE(isCom(s.手順.手順元駒[s.手順数]));
        for (size_t i = before; i < h.platform.messages.size(); ++i) {
            const ShownMessage& m = h.platform.messages[i];
            GameState copy = s;
            InfluenceMaps maps;
            勢力調査(copy.盤, maps);
            if (m.text == "   ** 王手 **") {
                EXPECT_EQ(m.title, "");
                EXPECT_GT(maps.勢力COM[maps.kings.王X_MAN][maps.kings.王Y_MAN], 0);
                EXPECT_EQ(詰めかMAN(copy, maps), NG);
            } else {
                EXPECT_EQ(m.text, "よし！!");
                EXPECT_EQ(m.title, "詰め ?");
                EXPECT_EQ(詰めかMAN(copy, maps), OK);
            }
        }
    }

    const auto& msgs = h.platform.messages;
    ASSERT_GE(msgs.size(), 2u);
    const ShownMessage& result = msgs[msgs.size() - 2];
    EXPECT_EQ(result.title, "終了");
    EXPECT_EQ(msgs.back().text, "続けますか？");
    EXPECT_EQ(msgs.back().title, "再ゲーム");
    if (result.text == "あなたの勝ちです") {
        // The human took the king or mated the computer by its own test.
        GameState copy = s;
        InfluenceMaps maps;
        勢力調査(copy.盤, maps);
        EXPECT_TRUE(s.手順.手順取得駒[s.手順数] == 王COM || 詰めかCOM(copy, maps) == OK);
        EXPECT_TRUE(isMan(s.手順.手順元駒[s.手順数]));
    } else if (result.text == "ｺﾝﾋﾟｭｰﾀの勝ちです") {
        EXPECT_EQ(s.手順.手順取得駒[s.手順数], 王MAN);
        EXPECT_EQ(s.勝者, s.手番COM);
    } else {
        EXPECT_EQ(result.text, "引き分けです");
        EXPECT_EQ(s.手順数, 手順上限);
    }
    EXPECT_EQ(s.手数, s.手順数);

    const GameState replayed = replayMoveList(s);
    EXPECT_EQ(replayed.盤, s.盤);
    for (int pair = 1; pair <= 4; ++pair) {
        EXPECT_EQ(replayed.持駒MAN[pair], s.持駒MAN[pair]);
        EXPECT_EQ(replayed.持駒COM[pair], s.持駒COM[pair]);
    }
    EXPECT_EQ(h.sound.plays(h.sounds().音_駒打音), expectedClicks(s));
    EXPECT_EQ(h.sound.plays(h.sounds().音_禁止), 0) << "the script only makes legal moves";
}

INSTANTIATE_TEST_SUITE_P(各レベル, 対COM全局,
                         ::testing::Values(GameRun{MenuItem::LEVEL1, MenuItem::SENTE},
                                           GameRun{MenuItem::LEVEL1, MenuItem::GOTE},
                                           GameRun{MenuItem::LEVEL2, MenuItem::SENTE},
                                           GameRun{MenuItem::LEVEL2, MenuItem::GOTE},
                                           GameRun{MenuItem::LEVEL3, MenuItem::SENTE},
                                           GameRun{MenuItem::LEVEL3, MenuItem::GOTE},
                                           GameRun{MenuItem::LEVEL4, MenuItem::SENTE},
                                           GameRun{MenuItem::LEVEL4, MenuItem::GOTE}),
                         [](const auto& info) {
                             return "LEVEL" + std::to_string(info.index / 2 + 1) +
                                    (info.param.side == MenuItem::SENTE ? "_SENTE" : "_GOTE");
                         });

TEST(探索レベル, 考え中にEscapeで探索を止めて終わる) {
    GameHarness h;
    h.start();
    h.menu(MenuItem::LEVEL6);
    h.game.menuCommand(MenuItem::GOTE);  // the computer, first to move, thinks for 3 s
    h.platform.runScheduled();           // its pause
    ASSERT_EQ(GameFixture::turnState(h.game), TurnState::ComputerThinking);
    h.game.Form_KeyPress(27);
    EXPECT_TRUE(h.game.ended());
    h.settle();
    EXPECT_EQ(h.state().手順数, 0) << "no move is played after the end";
    EXPECT_EQ(h.platform.quitCount, 1);
}

// A game against the computer set up by hand; the computer's turn starts from
// the menu when it is to move.
class 対COM局面 : public ::testing::Test {
  protected:
    void startHumanFirst(std::initializer_list<Placed> pieces, MenuItem level = MenuItem::LEVEL2) {
        h.start();
        h.menu(level);
        h.menu(MenuItem::SENTE);
        h.platform.messages.clear();
        h.arrange([&](GameState& g) { setPosition(g, pieces); });
    }
    // A game in progress with the computer to move.
    void computerToMove(std::initializer_list<Placed> pieces) {
        startHumanFirst(pieces);
        h.arrange([](GameState& g) {
            g.手数 = g.手順数 = 2;
            g.手番 = g.手番COM;
        });
        h.platform.drawn.clear();
    }
    // 先手 in the middle of a game lets the computer move now.
    void letComputerMove() { h.menu(MenuItem::SENTE); }
    const GameState& s() const { return h.state(); }
    GameHarness h;
};

TEST_F(対COM局面, 人間が詰めかCOMで詰ませて勝つ) {
    startHumanFirst({{3, 1, 王COM}, {5, 1, 歩COM}, {3, 5, 王MAN}, {3, 3, 歩MAN}});
    h.arrange([&](GameState& g) { giveHand(g, false, 3, 1); });
    h.platform.answers = {false};
    h.click(9, 4);  // a gold from the stand, in front of the king, guarded by the pawn
    h.click(3, 2);
    EXPECT_EQ(s().盤[3][2], 金MAN);
    EXPECT_EQ(s().盤[3][1], 王COM) << "the king is not taken, it is mated";
    EXPECT_EQ(h.platform.messageTexts(),
              (std::vector<std::string>{"あなたの勝ちです", "続けますか？"}));
    EXPECT_EQ(h.platform.messages[0].title, "終了");
    EXPECT_EQ(s().手数, 1) << "the computer did not move";
    EXPECT_FALSE(h.platform.timerOn);
    EXPECT_TRUE(h.game.ended());
}

TEST_F(対COM局面, 人間が王を取って勝ち_続けると初期局面) {
    startHumanFirst({{3, 4, 王COM}, {1, 1, 歩COM}, {3, 5, 王MAN}});
    h.platform.answers = {true};
    h.click(3, 5);
    h.click(3, 4);
    EXPECT_EQ(h.platform.messageTexts(),
              (std::vector<std::string>{"あなたの勝ちです", "続けますか？"}));
    EXPECT_FALSE(h.game.ended());
    EXPECT_EQ(s().手番, 手番なし);
    EXPECT_EQ(s().手数, 0);
}

TEST_F(対COM局面, コンピュータが王を取ると結果を描かずに勝つ) {
    startHumanFirst({{3, 1, 王COM}, {3, 4, 金COM}, {3, 5, 王MAN}, {1, 4, 歩MAN}});
    h.platform.answers = {false};
    h.click(1, 4);
    h.platform.drawn.clear();
    h.click(1, 3);
    EXPECT_EQ(s().盤[3][5], 桂COM) << "the gold took the king and turned over";
    EXPECT_EQ(s().手順数, 2);
    EXPECT_EQ(s().手順.手順元駒[2], 金COM);
    EXPECT_EQ(s().手順.手順先駒[2], 桂COM);
    EXPECT_EQ(s().手順.手順取得駒[2], 王MAN);
    EXPECT_EQ(h.platform.messageTexts(),
              (std::vector<std::string>{"ｺﾝﾋﾟｭｰﾀの勝ちです", "続けますか？"}));
    EXPECT_EQ(h.platform.messages[0].title, "終了");
    // The caption is still there: no move text was drawn over it.
    EXPECT_EQ(h.platform.drawn.textAt(-1.6, 6.4)->text, "思考中");
    EXPECT_EQ(h.platform.drawn.frameAt(3, 5), 背景色) << "no white frame marks the move";
}

TEST_F(対COM局面, 王手は空の題で告げる) {
    // The pawn takes the gold and turns into a rook facing the king down the file.
    computerToMove({{1, 1, 王COM}, {3, 2, 歩COM}, {3, 5, 王MAN}, {3, 3, 金MAN}, {5, 5, 歩MAN}});
    letComputerMove();
    EXPECT_EQ(s().盤[3][3], 飛COM);
    EXPECT_EQ(s().持駒COM[3], 1);
    EXPECT_EQ(h.platform.messageTexts(), std::vector<std::string>{"   ** 王手 **"});
    EXPECT_EQ(h.platform.messages[0].title, "");
    EXPECT_EQ(s().手番, s().手番MAN);
    // The move is marked on the computer's side: ３三飛, and its square framed white.
    EXPECT_EQ(h.platform.drawn.textAt(-1.6, 6.4)->text, "３");
    EXPECT_EQ(h.platform.drawn.textAt(-1.2, 6.4)->text, "三");
    EXPECT_EQ(h.platform.drawn.textAt(-0.6, 6.4)->text, "飛");
    EXPECT_EQ(h.platform.drawn.frameAt(3, 3), 白色);
    // A pawn turning into a rook: the upper side's pattern 3, after two clicks.
    EXPECT_EQ(h.sound.plays(h.sounds().音_駒打音), 2);
}

TEST_F(対COM局面, 詰ませる打ちはよしと告げて王手は告げず_取るまで続く) {
    computerToMove({{3, 1, 王COM}, {3, 3, 歩COM}, {3, 5, 王MAN}});
    h.arrange([&](GameState& g) { giveHand(g, true, 3, 1); });
    letComputerMove();
    EXPECT_EQ(s().盤[3][4], 金COM);
    EXPECT_EQ(s().持駒COM[3], 0);
    // A drop: the stand column of the face and the pair, the same face before and after.
    const int n = s().手順数;
    EXPECT_EQ(s().手順.手順元X[n], -3);
    EXPECT_EQ(s().手順.手順元Y[n], 3);
    EXPECT_EQ(s().手順.手順元駒[n], 金COM);
    EXPECT_EQ(s().手順.手順先駒[n], 金COM);
    ASSERT_FALSE(h.platform.messages.empty());
    EXPECT_EQ(h.platform.messages.back().text, "よし！!");
    EXPECT_EQ(h.platform.messages.back().title, "詰め ?");
    EXPECT_EQ(s().手番, s().手番MAN) << "a mate is only announced";

    h.platform.messages.clear();
    h.platform.answers = {false};
    h.click(3, 5);  // the king takes the gold, and the pawn takes the king
    h.click(3, 4);
    EXPECT_EQ(h.platform.messageTexts(),
              (std::vector<std::string>{"ｺﾝﾋﾟｭｰﾀの勝ちです", "続けますか？"}));
}

TEST_F(対COM局面, 思考中を出して時計を回し番を返す) {
    startHumanFirst({{3, 1, 王COM}, {1, 1, 歩COM}, {3, 5, 王MAN}, {5, 5, 歩MAN}});
    h.platform.advance(4);
    h.game.Timer1_Timer();  // the window's clock ticks while the human thinks
    EXPECT_EQ(h.platform.drawn.textAt(9, 7.2)->text, "00:00:04");
    h.platform.drawn.clear();
    const double sleptBefore = h.platform.slept;
    h.platform.timerChanges.clear();
    h.click(5, 5);
    h.click(5, 4);
    const RecordingSurface& d = h.platform.drawn;
    // The caption, shadow first, before the move text is drawn over it.
    std::vector<DrawCall> caption;
    for (const DrawCall& c : d.texts())
        if (c.text == "思考中") caption.push_back(c);
    ASSERT_EQ(caption.size(), 2u);
    EXPECT_TRUE(samePosition(caption[0].x, -1.5) && samePosition(caption[0].y, 6.5));
    EXPECT_EQ(caption[0].style.colour, 黒色);
    EXPECT_TRUE(samePosition(caption[1].x, -1.6) && samePosition(caption[1].y, 6.4));
    EXPECT_EQ(caption[1].style.colour, 白色);
    EXPECT_NE(d.textAt(-1.6, 6.4)->text, "思考中") << "the move text covers it at the end";
    // The human's turning piece, the computer's pause and the clock's pause.
    EXPECT_GE(h.platform.slept - sleptBefore, 0.2 + 0.5 + 0.3 + 0.3 - 1e-5);
    // Off after the human's move, on while the computer thinks, off, and on for the human.
    EXPECT_EQ(h.platform.timerChanges, (std::vector<bool>{false, true, false, true}));
    // The human's four seconds and the tick's own pause.
    EXPECT_NEAR(s().所有秒MAN, 4.3, 1e-6);
    EXPECT_NEAR(s().手順.手順後秒MAN[1], 4.3, 1e-6);
    EXPECT_GE(s().所有秒COM, 0.3);
    EXPECT_EQ(s().手順.手順後秒COM[2], s().所有秒COM);
    EXPECT_EQ(s().手順.手順前秒COM[2], 0);
    EXPECT_EQ(s().開始時刻, h.platform.now);
    // The computer's clock was shown as it began to think.
    ASSERT_TRUE(d.textAt(-1.6, 7.2));
    EXPECT_EQ(d.textAt(-1.6, 7.2)->text, "00:00:00");
    EXPECT_EQ(s().手番, s().手番MAN);
}

TEST_F(対COM局面, 指す手がなければ人間の勝ち) {
    // The upper king is boxed in by its own pieces, none of which can move.
    startHumanFirst(
        {{1, 5, 王COM}, {1, 4, 桂COM}, {2, 4, 桂COM}, {2, 5, 歩COM}, {5, 1, 王MAN}, {5, 3, 歩MAN}});
    h.platform.answers = {false};
    h.click(5, 3);
    h.click(5, 2);
    EXPECT_EQ(h.platform.messageTexts(),
              (std::vector<std::string>{"あなたの勝ちです", "続けますか？"}));
    EXPECT_EQ(s().手順数, 1) << "nothing was recorded for the computer";
    EXPECT_FALSE(h.platform.timerOn);
}

TEST_F(対COM局面, 手順に戻った後はOKですかと聞いてからコンピュータが指す) {
    startHumanFirst({{3, 1, 王COM}, {1, 1, 歩COM}, {3, 5, 王MAN}, {5, 5, 歩MAN}});
    h.arrange([](GameState& g) {
        g.手数 = g.手順数 = 4;
        g.手番 = g.手番COM;
        g.局面変更 = OK;
    });
    h.click(5, 5);
    ASSERT_GE(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text, "OKですか？");
    EXPECT_EQ(h.platform.messages[0].title, "再開(COM)");
    EXPECT_EQ(s().局面変更, NG);
    EXPECT_EQ(s().手数, 5);
    EXPECT_EQ(s().手番, s().手番MAN);
    // Then the click picks the human's piece.
    EXPECT_EQ(h.pickUp().選択中, 1);
    EXPECT_EQ(h.pickUp().移動元X, 5);
}

TEST_F(対COM局面, 人間の番に戻った後は押すとMANの番と告げる) {
    startHumanFirst({{3, 1, 王COM}, {1, 1, 歩COM}, {3, 5, 王MAN}, {5, 5, 歩MAN}});
    h.arrange([](GameState& g) { g.局面変更 = OK; });
    h.platform.setClockTimer(false);
    h.click(5, 5);
    EXPECT_EQ(h.platform.messageTexts(), std::vector<std::string>{"MANの番です"});
    EXPECT_EQ(h.platform.messages[0].title, "対局");
    EXPECT_TRUE(h.platform.timerOn);
    EXPECT_EQ(h.pickUp().選択中, 1);
}

// The move list holds 500 plies: the 500th ends the game drawn.
class 五百手 : public 対COM局面 {
  protected:
    void fillMoveList(int plies) {
        h.arrange([&](GameState& g) { g.手数 = g.手順数 = g.手順最大数 = plies; });
    }
};

TEST_F(五百手, 二人対局の五百手目で引き分け) {
    h.start();
    h.menu(MenuItem::START);
    fillMoveList(499);
    h.platform.messages.clear();
    h.platform.answers = {true};
    h.click(5, 5);
    h.click(5, 4);
    EXPECT_EQ(s().手順.手順元X[500], 5) << "the 500th ply is recorded";
    EXPECT_EQ(h.platform.messageTexts(),
              (std::vector<std::string>{"引き分けです", "続けますか？"}));
    EXPECT_EQ(h.platform.messages[0].title, "終了");
    EXPECT_EQ(h.platform.messages[1].title, "再ゲーム");
    EXPECT_EQ(s().手番, 手番なし) << "going on starts over";
    EXPECT_EQ(s().手順数, 0);
}

TEST_F(五百手, 人間の五百手目ならコンピュータは指さない) {
    startHumanFirst({{3, 1, 王COM}, {1, 1, 歩COM}, {3, 5, 王MAN}, {5, 5, 歩MAN}});
    fillMoveList(499);
    h.platform.answers = {false};
    h.click(5, 5);
    h.click(5, 4);
    EXPECT_EQ(h.platform.messageTexts(),
              (std::vector<std::string>{"引き分けです", "続けますか？"}));
    EXPECT_EQ(s().手順数, 500);
    EXPECT_EQ(s().盤[1][1], 歩COM);
    EXPECT_TRUE(h.game.ended());
}

TEST_F(五百手, コンピュータの五百手目は指して盤に残してから引き分け) {
    startHumanFirst({{3, 1, 王COM}, {1, 1, 歩COM}, {3, 5, 王MAN}, {5, 5, 歩MAN}});
    fillMoveList(498);
    h.platform.answers = {false};
    h.click(5, 5);
    h.click(5, 4);
    EXPECT_EQ(s().手順数, 500);
    EXPECT_TRUE(isCom(s().手順.手順元駒[500]));
    EXPECT_EQ(h.platform.messageTexts(),
              (std::vector<std::string>{"引き分けです", "続けますか？"}));
}

TEST_F(五百手, 満杯の手順からは一手も記録せずに引き分け) {
    // A 500-ply record stepped to its end and taken over against the computer.
    startHumanFirst({{3, 1, 王COM}, {1, 1, 歩COM}, {3, 5, 王MAN}, {5, 5, 歩MAN}});
    fillMoveList(500);
    const MoveList before = s().手順;
    h.platform.answers = {true};
    h.click(5, 5);
    h.click(5, 4);
    EXPECT_EQ(h.platform.messageTexts(),
              (std::vector<std::string>{"引き分けです", "続けますか？"}));
    EXPECT_EQ(s().手順.手順元X, before.手順元X);

    // The same with the computer to move when play is taken over.
    h.menu(MenuItem::START);
    h.arrange([&](GameState& g) {
        setPosition(g, {{3, 1, 王COM}, {1, 1, 歩COM}, {3, 5, 王MAN}, {5, 5, 歩MAN}});
    });
    fillMoveList(500);
    h.arrange([&](GameState& g) { g.手番 = g.手番COM; });
    h.platform.messages.clear();
    h.platform.answers = {false};
    h.menu(MenuItem::SENTE);
    EXPECT_EQ(h.platform.messageTexts(),
              (std::vector<std::string>{"引き分けです", "続けますか？"}));
    EXPECT_EQ(s().盤[1][1], 歩COM);
}

}  // namespace
}  // namespace tanukiban::testing
