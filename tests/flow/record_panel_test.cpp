// The record panel through the game object: writing, listing, reading back,
// and every refusal leaving the game as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "display/surface.h"
#include "files/cp932.h"
#include "flow/record_header.h"
#include "record/record_format.h"
#include "tests/flow/record_scene.h"

namespace tanukiban::testing {
namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

void typeInto(FakeRecordPanel& panel, std::string name, std::string title, std::string first,
              std::string second) {
    panel.setText(RecordBox::Text1, name);
    panel.setText(RecordBox::Text2, title);
    panel.setText(RecordBox::Text3, first);
    panel.setText(RecordBox::Text4, second);
}

bool panelClosed(const FakeRecordPanel& p) {
    return !p.driveVisible && !p.folderVisible && !p.filesVisible && !p.writePanelVisible;
}

bool boxesEmpty(const FakeRecordPanel& p) {
    for (RecordBox b : {RecordBox::Text1, RecordBox::Text2, RecordBox::Text3, RecordBox::Text4})
        if (!p.text(b).empty()) return false;
    return true;
}

// The header line printed at a left edge and top given in twips.
std::optional<DrawCall> headerAt(const RecordingSurface& d, std::string_view text, double top) {
    return d.textAt(cellXFromTwips(取得_棋譜のX座標(text)), cellYFromTwips(top));
}

TEST(見出しの位置, 十三文字で盤の左端から始まる) {
    EXPECT_DOUBLE_EQ(取得_棋譜のX座標("あいうえおかきくけこさしす"), 2800);
    EXPECT_DOUBLE_EQ(取得_棋譜のX座標(""), 4360);
    EXPECT_DOUBLE_EQ(取得_棋譜のX座標("練習"), 2200 + (1 + 11.0 / 5) * 600);
    EXPECT_LT(取得_棋譜のX座標("ｺﾝﾋﾟｭｰﾀｺﾝﾋﾟｭｰﾀｺﾝﾋﾟｭｰﾀ"), 2800);
}

struct WrittenGame {
    PlayedGame played;
    fs::path file;
};

// Plays a game, opens the write panel, types and presses RETURN.
WrittenGame writeThroughPanel(GameHarness& h, bool manFirst) {
    WrittenGame w{playGame(manFirst ? 7 : 8, manFirst, 24), {}};
    startWith(h, w.played.final);
    h.platform.panel.folderPath = h.workDir.path().string();
    h.menu(MenuItem::KIFU_WRITE);
    typeInto(h.platform.panel, "対局一", "練習", manFirst ? "あなた" : "ｺﾝﾋﾟｭｰﾀ",
             manFirst ? "ｺﾝﾋﾟｭｰﾀ" : "あなた");
    h.game.Command1_Click();
    w.file = h.workDir.path() / "対局一.棋譜";
    return w;
}

TEST(棋譜パネル, 書込は一覧と書込欄を開き読込はファイル一覧を開く) {
    GameHarness h;
    h.start();
    FakeRecordPanel& p = h.platform.panel;
    h.menu(MenuItem::KIFU_WRITE);
    EXPECT_TRUE(p.driveVisible && p.folderVisible);
    EXPECT_FALSE(p.filesVisible) << "the file list shares its place with the write panel";
    EXPECT_TRUE(p.writePanelVisible);

    p.setText(RecordBox::Text2, "残る");
    h.menu(MenuItem::KIFU_WRITE);
    EXPECT_EQ(p.text(RecordBox::Text2), "残る") << "reopening keeps what was typed";

    h.menu(MenuItem::KIFU_READ);
    EXPECT_TRUE(p.driveVisible && p.folderVisible && p.filesVisible);
    EXPECT_FALSE(p.writePanelVisible);
    EXPECT_TRUE(boxesEmpty(p));
    EXPECT_TRUE(h.platform.messages.empty());
}

TEST(棋譜パネル, 書いた棋譜が一覧に出て読み戻せる) {
    GameHarness h;
    const WrittenGame w = writeThroughPanel(h, true);
    FakeRecordPanel& p = h.platform.panel;
    EXPECT_EQ(lastMessage(h.platform), "  |棋譜を書き込みました");
    EXPECT_TRUE(panelClosed(p));
    EXPECT_TRUE(boxesEmpty(p));
    EXPECT_EQ(p.files, std::vector<std::string>{"対局一.棋譜"});
    EXPECT_TRUE(sameGame(h.state(), w.played.final)) << "writing changes nothing";

    // The lower side moved first: the upper player's name is the second box.
    const std::string bytes = readBytes(w.file);
    EXPECT_EQ(
        bytes.substr(0, bytes.find("\r\n", bytes.find("\r\n", bytes.find("\r\n") + 2) + 2) + 2),
        *encodeCp932("練習\r\nｺﾝﾋﾟｭｰﾀ\r\nあなた\r\n"));

    h.platform.timerOn = true;
    h.platform.messages.clear();
    h.platform.drawn.clear();
    h.menu(MenuItem::KIFU_READ);
    h.game.File1_Click("対局一.棋譜");
    EXPECT_EQ(h.platform.messageTexts(),
              (std::vector<std::string>{" 読み込みました", "棋譜を '進 'で進めて下さい"}));
    EXPECT_EQ(h.platform.messages[0].title, "棋譜");
    EXPECT_EQ(h.platform.messages[1].title, "棋譜");
    EXPECT_TRUE(panelClosed(p));
    EXPECT_FALSE(h.platform.timerOn);

    const GameState& s = h.state();
    EXPECT_EQ(s.棋譜モード, OK);
    EXPECT_EQ(s.手順最大数, 24);
    EXPECT_EQ(s.手順数, 0);
    EXPECT_EQ(s.手数, 0);
    EXPECT_EQ(s.手番, 先手);
    EXPECT_EQ(s.手番MAN, 先手);
    EXPECT_EQ(s.手番COM, 後手);
    EXPECT_EQ(s.対局モード, 対局_MAN) << "a record the lower side opens is replayed two-handed";
    EXPECT_TRUE(samePosition(s, w.played.after[0]));

    const RecordingSurface& d = h.platform.drawn;
    const auto title = headerAt(d, "練習", 5700);
    const auto upper = headerAt(d, "ｺﾝﾋﾟｭｰﾀ", 100);
    const auto lower = headerAt(d, "あなた", 5300);
    ASSERT_TRUE(title && upper && lower);
    EXPECT_EQ(title->text, "練習");
    EXPECT_EQ(title->code, 赤色);
    EXPECT_EQ(upper->text, "ｺﾝﾋﾟｭｰﾀ");
    EXPECT_EQ(upper->code, 白色);
    EXPECT_EQ(lower->text, "あなた");
    EXPECT_EQ(lower->code, 白色);
    EXPECT_EQ(title->style.points, 12);
    EXPECT_EQ(d.pictureAt(3, 5), 王MAN) << "the window was redrawn at the start position";

    // Every ply steps forward to the position the game had, clocks to the second.
    for (int k = 1; k <= 24; ++k) {
        h.menu(MenuItem::AFTER);
        GameState expected = w.played.after[k];
        expected.所有秒MAN = static_cast<int>(expected.所有秒MAN);
        expected.所有秒COM = static_cast<int>(expected.所有秒COM);
        ASSERT_TRUE(samePosition(h.state(), expected)) << "ply " << k;
    }
    const int sounds = static_cast<int>(h.sound.calls.size());
    h.menu(MenuItem::AFTER);
    EXPECT_EQ(lastMessage(h.platform), "進む|終わり");
    EXPECT_EQ(static_cast<int>(h.sound.calls.size()), sounds)
        << "the end of a record is no refusal";
}

TEST(棋譜パネル, 上手が先に指した棋譜はCOM対局として読まれる) {
    GameHarness h;
    const WrittenGame w = writeThroughPanel(h, false);
    // The upper side moved first: the first player's box names the upper player.
    const std::string bytes = readBytes(w.file);
    EXPECT_EQ(bytes.rfind(*encodeCp932("練習\r\nｺﾝﾋﾟｭｰﾀ\r\nあなた\r\n"), 0), 0u);

    GameHarness r;
    r.start();
    r.platform.panel.folderPath = h.workDir.path().string();
    r.game.File1_Click("対局一.棋譜");
    const GameState& s = GameFixture::state(r.game);
    EXPECT_EQ(s.対局モード, 対局_COM);
    EXPECT_EQ(s.手番COM, 先手);
    EXPECT_EQ(s.手番MAN, 後手);
    EXPECT_EQ(s.手番, 先手);
    r.menu(MenuItem::AFTER);
    EXPECT_TRUE(isCom(s.盤[s.手順.手順先X[1]][s.手順.手順先Y[1]]));
}

TEST(棋譜パネル, 戻した所までだけが書かれる) {
    GameHarness h;
    startWith(h, playGame(3, true, 10).final);
    for (int i = 0; i < 7; ++i) h.menu(MenuItem::REPLAY);
    h.platform.panel.folderPath = h.workDir.path().string();
    h.menu(MenuItem::KIFU_WRITE);
    typeInto(h.platform.panel, "三手", "", "", "");
    h.game.Command1_Click();
    const std::string bytes = readBytes(h.workDir.path() / "三手.棋譜");
    EXPECT_EQ(bytes.size(), 3 * 2 + 3 * (kMoveLineLength + 2u));
}

TEST(棋譜パネル, 書込の拒否は何も変えない) {
    GameHarness h;
    const PlayedGame g = playGame(11, true, 6);
    startWith(h, g.final);
    FakeRecordPanel& p = h.platform.panel;
    p.folderPath = h.workDir.path().string();
    writeBytes(h.workDir.path() / "古い.棋譜", "old");

    struct Case {
        std::string name;
        std::string folder;
        std::string expected;
    };
    const std::string here = h.workDir.path().string();
    const std::vector<Case> cases = {
        {"", here, "  |ﾌｧｲﾙ名が入力されていません"},
        {"a/b", here, "  |ﾌｧｲﾙ名が正しくありません"},
        {"..", here, "  |ﾌｧｲﾙ名が正しくありません"},
        {".", here, "  |ﾌｧｲﾙ名が正しくありません"},
        {"改\n行", here, "  |ﾌｧｲﾙ名が正しくありません"},
        {"古い", (h.workDir.path() / "無い").string(), "棋譜保存|棋譜を書き込めませんでした"},
    };
    for (const Case& c : cases) {
        h.menu(MenuItem::KIFU_WRITE);
        p.folderPath = c.folder;
        typeInto(p, c.name, "題", "甲", "乙");
        const int sounds = static_cast<int>(h.sound.calls.size());
        h.game.Command1_Click();
        EXPECT_EQ(lastMessage(h.platform), c.expected) << c.name;
        EXPECT_EQ(static_cast<int>(h.sound.calls.size()), sounds);
        EXPECT_TRUE(sameGame(h.state(), g.final)) << c.name;
        EXPECT_TRUE(p.writePanelVisible) << "the panel stays open to mend the entry";
        EXPECT_EQ(p.text(RecordBox::Text2), "題");
    }
    std::vector<std::string> left;  // no new record, nor a half-written one
    for (const auto& e : fs::directory_iterator(h.workDir.path()))
        if (e.path().filename() != "Tanukiban.ini") left.push_back(e.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"古い.棋譜"});
    EXPECT_EQ(readBytes(h.workDir.path() / "古い.棋譜"), "old");

    // Nothing played yet: a file name alone is not enough.
    GameHarness e;
    e.start();
    e.platform.panel.folderPath = e.workDir.path().string();
    e.menu(MenuItem::KIFU_WRITE);
    typeInto(e.platform.panel, "空", "", "", "");
    e.game.Command1_Click();
    EXPECT_EQ(lastMessage(e.platform), "棋譜保存|保存するデータがありません");
    EXPECT_FALSE(fs::exists(e.workDir.path() / "空.棋譜"));
}

TEST(棋譜パネル, 反転後とハンデ設定後は書込欄が開かない) {
    GameHarness h;
    startWith(h, playGame(5, true, 4).final);
    h.menu(MenuItem::REVERSE);
    h.menu(MenuItem::KIFU_WRITE);
    EXPECT_EQ(lastMessage(h.platform), "棋譜書込|反転後は書き込みできません");
    EXPECT_FALSE(h.platform.panel.writePanelVisible);

    GameHarness u;
    u.start();
    u.menu(MenuItem::LBEL_UP);
    u.menu(MenuItem::LEBEL_DOWN);
    u.menu(MenuItem::KIFU_WRITE);
    EXPECT_EQ(lastMessage(u.platform), "棋譜書込|ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません")
        << "back at level 0 the handicap still counts as set";
    EXPECT_FALSE(u.platform.panel.writePanelVisible);
}

TEST(棋譜パネル, 正しくない棋譜と開けない棋譜は対局をそのまま残す) {
    const std::string header = *encodeCp932("題\r\n上\r\n下\r\n");
    const std::string good = " 2524-800-100   0    0    3    0    0\r\n";
    // The lower king steps up and back: every ply replays, but the list holds 500.
    std::string tooLong = header;
    for (int i = 0; i < 501; ++i)
        tooLong += i % 2 == 0 ? " 3534-950-950   0    0    0    0    0\r\n"
                              : " 3435-950-950   0    0    0    0    0\r\n";
    const std::vector<std::pair<std::string, std::string>> files = {
        {"源が違う", header + " 1524-800-100   0    0    3    0    0\r\n"},
        {"面が違う", header + " 2524-100-100   0    0    3    0    0\r\n"},
        {"駒の値", header + " 2524-801-100   0    0    3    0    0\r\n"},
        {"列が外", header + " 6524-800-100   0    0    3    0    0\r\n"},
        {"持駒なし", header + " 7234 -10 -10   0    0    3    0    0\r\n"},
        {"自駒を取る", header + " 2524-800-100-110    0    3    0    0\r\n"},
        {"短い行", header + " 2524-800-100   0    0    3    0\r\n"},
        {"途中の空行", header + good + "\r\n" + good},
        {"多すぎる", tooLong},
        {"符号化", "\x82\r\n\xff\xfe\r\n"},
    };
    for (const auto& [name, bytes] : files) {
        GameHarness h;
        const PlayedGame g = playGame(21, true, 8);
        startWith(h, g.final);
        h.platform.timerOn = true;
        h.platform.panel.folderPath = h.workDir.path().string();
        writeBytes(h.workDir.path() / (name + ".棋譜"), bytes);
        h.menu(MenuItem::KIFU_READ);
        h.game.File1_Click(name + ".棋譜");
        EXPECT_EQ(h.platform.messageTexts(), std::vector<std::string>{"棋譜ﾌｧｲﾙが正しくありません"})
            << name;
        EXPECT_EQ(h.platform.messages.back().title, "棋譜");
        EXPECT_TRUE(sameGame(h.state(), g.final)) << name;
        EXPECT_TRUE(h.platform.timerOn) << name;
        EXPECT_EQ(h.platform.drawn.calls.size(), 0u) << name;
    }

    GameHarness h;
    const PlayedGame g = playGame(22, false, 5);
    startWith(h, g.final);
    h.platform.panel.folderPath = h.workDir.path().string();
    fs::create_directory(h.workDir.path() / "箱.棋譜");
    for (std::string name : {"無い.棋譜", "箱.棋譜"}) {
        h.game.File1_Click(name);
        EXPECT_EQ(lastMessage(h.platform), "棋譜|棋譜ﾌｧｲﾙを開けません") << name;
        EXPECT_TRUE(sameGame(h.state(), g.final)) << name;
    }
}

TEST(棋譜パネル, 見出しだけの棋譜は手のない棋譜モードになる) {
    GameHarness h;
    startWith(h, playGame(4, true, 6).final);
    h.platform.panel.folderPath = h.workDir.path().string();
    writeBytes(h.workDir.path() / "空.棋譜",
               *encodeCp932("１２３４５６７８９０１２３\r\n\r\n下手\r\n\r\n\r\n"));
    h.game.File1_Click("空.棋譜");
    EXPECT_EQ(h.platform.messageTexts(), std::vector<std::string>{"棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"});
    const GameState& s = h.state();
    EXPECT_EQ(s.棋譜モード, OK);
    EXPECT_EQ(s.手順最大数, 0);
    EXPECT_EQ(s.盤, playGame(4, true, 0).after[0].盤);
    EXPECT_EQ(s.手番, 手番なし);
    EXPECT_EQ(s.手数, 0);
    // Thirteen characters start at the board's left edge; an empty line prints nothing.
    const auto title = h.platform.drawn.textAt(1, cellYFromTwips(5700));
    ASSERT_TRUE(title);
    EXPECT_EQ(title->text, "１２３４５６７８９０１２３");
    const auto upper = h.platform.drawn.textAt(cellXFromTwips(4360), cellYFromTwips(100));
    ASSERT_TRUE(upper);
    EXPECT_EQ(upper->text, "");

    h.menu(MenuItem::AFTER);
    EXPECT_EQ(lastMessage(h.platform), "開始|「対局」で始めて下さい")
        << "with no first move no side was given the turn";
}

TEST(棋譜パネル, ドライブが開けなければフォルダはそのまま) {
    GameHarness h;
    h.start();
    FakeRecordPanel& p = h.platform.panel;
    p.folderListPathValue = "/work";
    p.folderPath = "/work";
    p.drivePath = "/media/usb";
    p.unopenable.insert("/media/usb");
    h.menu(MenuItem::KIFU_READ);
    h.game.Drive1_Change();
    EXPECT_EQ(lastMessage(h.platform), "ｴﾗｰ|ﾃﾞﾊﾞｲｽが準備できていません");
    EXPECT_EQ(p.folderListPath(), "/work");
    EXPECT_EQ(p.folder(), "/work");
    EXPECT_TRUE(p.filesVisible) << "the panel stays open";

    p.drivePath = h.workDir.path().string();
    h.game.Drive1_Change();
    EXPECT_EQ(p.folderListPath(), h.workDir.path().string());
    EXPECT_EQ(p.folder(), h.workDir.path().string()) << "the file list follows the folder list";
    EXPECT_EQ(h.platform.messages.size(), 1u);

    p.setFolderListPath("/");
    h.game.Dir1_Change();
    EXPECT_EQ(p.folder(), "/");
}

TEST(棋譜パネル, 他のメニューやクリックで閉じて欄は空になる) {
    const std::vector<MenuItem> others = {
        MenuItem::TAIKYOKU, MenuItem::STOP,       MenuItem::REPLAY, MenuItem::AFTER,
        MenuItem::LBEL_UP,  MenuItem::LEBEL_DOWN, MenuItem::OPTION, MenuItem::VER};
    for (bool writePanel : {false, true}) {
        for (MenuItem item : others) {
            GameHarness h;
            h.start();
            FakeRecordPanel& p = h.platform.panel;
            h.menu(writePanel ? MenuItem::KIFU_WRITE : MenuItem::KIFU_READ);
            p.setText(RecordBox::Text1, "名前");
            h.platform.answers = {true, true};
            h.menu(item);
            EXPECT_TRUE(panelClosed(p)) << menuEntry(item).name;
            EXPECT_TRUE(boxesEmpty(p)) << menuEntry(item).name;
        }
        GameHarness h;
        h.start();
        h.menu(writePanel ? MenuItem::KIFU_WRITE : MenuItem::KIFU_READ);
        h.click(3, 3);
        EXPECT_TRUE(panelClosed(h.platform.panel)) << "a click on the board";
    }
}

TEST(棋譜パネル, 読込で消した部分の消去は盤下の二行) {
    GameHarness h;
    h.start();
    h.platform.drawn.clear();
    GameFixture::描画_棋譜読込み部分消去(h.game);
    const RecordingSurface& d = h.platform.drawn;
    for (int x = 1; x <= 5; ++x) {
        EXPECT_EQ(d.pictureAt(x, 8), 背景_緑);
        EXPECT_EQ(d.pictureAt(x, 9), 背景_緑);
    }
    EXPECT_FALSE(d.pictureAt(0, 8));
    EXPECT_TRUE(d.hasText("一")) << "the numbers round the board are drawn again";
}

}  // namespace
}  // namespace tanukiban::testing
