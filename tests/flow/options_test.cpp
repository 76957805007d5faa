// The options menu and the settings file, through the game object.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "display/pictures.h"
#include "display/redraw.h"
#include "files/cp932.h"
#include "flow/version.h"
#include "tests/flow/support/game_harness.h"

namespace tanukiban::testing {
namespace {

namespace fs = std::filesystem;

const char* const kIni = "Tanukiban.ini";
const std::vector<std::string> kDefaults = {"移動指導=OK", "経過時間=OK", "背景画=緑", "BGM=NG"};
constexpr MenuItem kBackgrounds[] = {MenuItem::MIDORI, MenuItem::TATAMI, MenuItem::TAKE,
                                     MenuItem::UCHU, MenuItem::RENGA};

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeIni(std::string_view utf8) {
    std::ofstream(kIni, std::ios::binary) << *encodeCp932(utf8);
}

// The file's lines; each must end in CR LF and be code page 932.
std::vector<std::string> iniLines() {
    const std::optional<std::string> text = decodeCp932(readBytes(kIni));
    if (!text) return {"<not code page 932>"};
    std::vector<std::string> lines;
    std::string_view rest = *text;
    while (!rest.empty()) {
        const std::size_t end = rest.find("\r\n");
        if (end == std::string_view::npos) return {"<no CR LF after: " + std::string(rest) + ">"};
        lines.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end + 2);
    }
    return lines;
}

std::vector<MenuItem> checkedBackgrounds(const FakePlatform& p) {
    std::vector<MenuItem> out;
    for (MenuItem item : kBackgrounds)
        if (p.isChecked(item)) out.push_back(item);
    return out;
}

// The tile of a cell well away from the board, as last drawn.
std::optional<int> backgroundShown(const GameHarness& h) {
    return h.platform.drawn.pictureAt(15, 10);
}

void expectDefaults(const GameHarness& h) {
    EXPECT_EQ(iniLines(), kDefaults);
    EXPECT_EQ(checkedBackgrounds(h.platform), std::vector{MenuItem::MIDORI});
    EXPECT_EQ(h.options().背景種類, 背景_緑);
    EXPECT_EQ(backgroundShown(h), 背景_緑);
    EXPECT_TRUE(h.platform.isChecked(MenuItem::SIDOU));
    EXPECT_EQ(h.options().移動指導フラグ, 1);
    EXPECT_EQ(h.options().移動指導色(), 白色);
    EXPECT_TRUE(h.platform.isChecked(MenuItem::KEIKA));
    EXPECT_FALSE(h.platform.isChecked(MenuItem::BGM));
    EXPECT_TRUE(h.sound.callsNamed("dsPlayLooping").empty());
    EXPECT_TRUE(h.platform.messages.empty());
    EXPECT_FALSE(h.game.ended());
}

TEST(設定の読込, ファイルが無ければ既定値を四行書いてその設定で始まる) {
    GameHarness h;
    h.start();
    expectDefaults(h);
    const auto stops = h.sound.callsNamed("dsStop");
    ASSERT_EQ(stops.size(), 1u);
    EXPECT_EQ(stops[0].value, h.sounds().音_BGM);
}

class 読めない設定ファイル : public ::testing::TestWithParam<const char*> {};

TEST_P(読めない設定ファイル, 既定値に戻し途中の行は効かせない) {
    GameHarness h;
    writeIni(GetParam());
    h.start();
    expectDefaults(h);
}

INSTANTIATE_TEST_SUITE_P(設定の読込, 読めない設定ファイル,
                         ::testing::Values("\r\n", "BGM=OK\r\n\r\n背景画=竹\r\n",
                                           "背景画=竹\r\nBGM=OK\r\n移動指導\r\n",
                                           "BGM=OK\r\n\r\n"));

TEST(設定の読込, BGMの行だけなら音楽が始まり他は変わらずファイルもそのまま) {
    GameHarness h;
    writeIni("BGM=OK\r\n");
    const std::string before = readBytes(kIni);
    h.start();
    const auto loops = h.sound.callsNamed("dsPlayLooping");
    ASSERT_EQ(loops.size(), 1u);
    EXPECT_EQ(loops[0].value, h.sounds().音_BGM);
    EXPECT_TRUE(h.sound.callsNamed("dsStop").empty());
    EXPECT_TRUE(h.platform.isChecked(MenuItem::BGM));
    EXPECT_FALSE(h.platform.isChecked(MenuItem::SIDOU));
    EXPECT_FALSE(h.platform.isChecked(MenuItem::KEIKA));
    EXPECT_EQ(h.options().移動指導フラグ, 0);
    EXPECT_EQ(h.options().移動指導色(), 桝枠色);
    // No background named: still exactly one checked, and drawn.
    EXPECT_EQ(checkedBackgrounds(h.platform), std::vector{MenuItem::MIDORI});
    EXPECT_EQ(backgroundShown(h), 背景_緑);
    EXPECT_EQ(readBytes(kIni), before);
}

TEST(設定の読込, 行は順に効き知らない値やキーは無視する) {
    GameHarness h;
    writeIni(
        "背景画=竹\r\n背景画=青\r\n背景画= 宇宙\r\n音量=5\r\nbgm=OK\r\n"
        "経過時間=OK\r\n経過時間=たぶん\r\n移動指導=ok\r\nBGM=OK\r\nBGM=NG");
    h.start();
    EXPECT_EQ(checkedBackgrounds(h.platform), std::vector{MenuItem::TAKE});
    EXPECT_EQ(h.options().背景種類, 背景_竹);
    EXPECT_EQ(backgroundShown(h), 背景_竹);
    EXPECT_TRUE(h.platform.isChecked(MenuItem::KEIKA)) << "an unknown value leaves the mark";
    EXPECT_FALSE(h.platform.isChecked(MenuItem::SIDOU));
    EXPECT_EQ(h.options().移動指導フラグ, 0);
    // Music on, then off again, in file order.
    std::vector<std::string> music;
    for (const SoundCall& c : h.sound.calls)
        if (c.name == "dsPlayLooping" || c.name == "dsStop") music.push_back(c.name);
    EXPECT_EQ(music, (std::vector<std::string>{"dsPlayLooping", "dsStop"}));
    EXPECT_FALSE(h.platform.isChecked(MenuItem::BGM));
}

TEST(背景の選択, 選んだ背景で書き直し全体を描き直す) {
    GameHarness h;
    h.start();
    h.platform.drawn.clear();
    h.menu(MenuItem::UCHU);
    EXPECT_EQ(checkedBackgrounds(h.platform), std::vector{MenuItem::UCHU});
    EXPECT_EQ(h.options().背景種類, 背景_宇宙);
    EXPECT_EQ(backgroundShown(h), 背景_宇宙);
    EXPECT_EQ(h.platform.drawn.pictureAt(8, 3), 背景_宇宙) << "the stands' count cells too";
    EXPECT_EQ(iniLines(),
              (std::vector<std::string>{"背景画=宇宙", "移動指導=OK", "経過時間=OK", "BGM=NG"}));
}

TEST(背景の選択, 選択中の背景でもファイルを書き直し描き直す) {
    GameHarness h;
    h.start();
    fs::remove(kIni);
    h.platform.drawn.clear();
    h.menu(MenuItem::MIDORI);
    EXPECT_EQ(checkedBackgrounds(h.platform), std::vector{MenuItem::MIDORI});
    EXPECT_EQ(iniLines(),
              (std::vector<std::string>{"背景画=緑", "移動指導=OK", "経過時間=OK", "BGM=NG"}));
    EXPECT_EQ(backgroundShown(h), 背景_緑);
    EXPECT_EQ(h.platform.drawn.calls.back().code, 題字) << "a whole redraw ends with the title";
}

TEST(オプション変更, どの変更の後もファイルは四行を決まった順に持つ) {
    GameHarness h;
    h.start();
    struct Step {
        MenuItem item;
        std::vector<std::string> lines;
    };
    const Step steps[] = {
        {MenuItem::RENGA, {"背景画=煉瓦", "移動指導=OK", "経過時間=OK", "BGM=NG"}},
        {MenuItem::SIDOU, {"背景画=煉瓦", "移動指導=NG", "経過時間=OK", "BGM=NG"}},
        {MenuItem::KEIKA, {"背景画=煉瓦", "移動指導=NG", "経過時間=NG", "BGM=NG"}},
        {MenuItem::BGM, {"背景画=煉瓦", "移動指導=NG", "経過時間=NG", "BGM=OK"}},
        {MenuItem::TATAMI, {"背景画=畳", "移動指導=NG", "経過時間=NG", "BGM=OK"}},
        {MenuItem::SIDOU, {"背景画=畳", "移動指導=OK", "経過時間=NG", "BGM=OK"}},
        {MenuItem::TAKE, {"背景画=竹", "移動指導=OK", "経過時間=NG", "BGM=OK"}},
        {MenuItem::BGM, {"背景画=竹", "移動指導=OK", "経過時間=NG", "BGM=NG"}},
        {MenuItem::KEIKA, {"背景画=竹", "移動指導=OK", "経過時間=OK", "BGM=NG"}},
    };
    for (const Step& s : steps) {
        h.menu(s.item);
        EXPECT_EQ(iniLines(), s.lines) << menuEntry(s.item).name;
        EXPECT_EQ(checkedBackgrounds(h.platform).size(), 1u);
    }
    // The next run starts where this one left off.
    GameHarness next;
    fs::copy_file(h.workDir.path() / kIni, next.workDir.path() / kIni);
    next.start();
    EXPECT_EQ(checkedBackgrounds(next.platform), std::vector{MenuItem::TAKE});
    EXPECT_EQ(GameFixture::options(next.game).移動指導フラグ, 1);
    EXPECT_TRUE(next.platform.isChecked(MenuItem::KEIKA));
    EXPECT_TRUE(next.sound.callsNamed("dsPlayLooping").empty());
}

TEST(オプション変更, BGMは押すたびに音楽を始め止める) {
    GameHarness h;
    h.start();
    const std::int32_t bgm = h.sounds().音_BGM;
    h.sound.calls.clear();
    h.menu(MenuItem::BGM);
    h.menu(MenuItem::BGM);
    ASSERT_EQ(h.sound.calls.size(), 2u);
    EXPECT_EQ(h.sound.calls[0].name, "dsPlayLooping");
    EXPECT_EQ(h.sound.calls[0].value, bgm);
    EXPECT_EQ(h.sound.calls[1].name, "dsStop");
    EXPECT_EQ(h.sound.calls[1].value, bgm);
    EXPECT_FALSE(h.platform.isChecked(MenuItem::BGM));
}

TEST(オプション変更, メニューを開くと棋譜の欄を片付ける) {
    GameHarness h;
    h.start();
    h.platform.panel.setListsVisible(true, true, true);
    h.platform.panel.setWritePanelVisible(true);
    h.platform.panel.setText(RecordBox::Text2, "題");
    h.menu(MenuItem::OPTION);
    EXPECT_FALSE(h.platform.panel.driveVisible);
    EXPECT_FALSE(h.platform.panel.folderVisible);
    EXPECT_FALSE(h.platform.panel.filesVisible);
    EXPECT_FALSE(h.platform.panel.writePanelVisible);
    EXPECT_EQ(h.platform.panel.text(RecordBox::Text2), "");
}

// The settings cannot be kept: the game goes on with what the player chose.
void expectGoesOnUnsaved(GameHarness& h) {
    h.start();
    EXPECT_TRUE(h.platform.isChecked(MenuItem::SIDOU)) << "the defaults apply anyway";
    EXPECT_EQ(checkedBackgrounds(h.platform), std::vector{MenuItem::MIDORI});
    h.menu(MenuItem::RENGA);
    h.menu(MenuItem::BGM);
    h.menu(MenuItem::SIDOU);
    EXPECT_EQ(checkedBackgrounds(h.platform), std::vector{MenuItem::RENGA});
    EXPECT_EQ(h.options().背景種類, 背景_煉瓦);
    EXPECT_EQ(backgroundShown(h), 背景_煉瓦);
    EXPECT_TRUE(h.platform.isChecked(MenuItem::BGM));
    EXPECT_EQ(h.sound.callsNamed("dsPlayLooping").size(), 1u);
    EXPECT_FALSE(h.platform.isChecked(MenuItem::SIDOU));
    EXPECT_EQ(h.options().移動指導フラグ, 0);
    EXPECT_TRUE(h.platform.messages.empty());
    EXPECT_FALSE(h.game.ended());
    EXPECT_EQ(h.platform.quitCount, 0);
}

TEST(書けない設定ファイル, ファイル名がフォルダなら読めず書けずとも続く) {
    GameHarness h;
    fs::create_directory(kIni);
    expectGoesOnUnsaved(h);
    EXPECT_TRUE(fs::is_directory(kIni));
}

TEST(書けない設定ファイル, 読み取り専用のフォルダでも続く) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into a read-only folder";
    GameHarness h;
    fs::permissions(h.workDir.path(), fs::perms::owner_write, fs::perm_options::remove);
    expectGoesOnUnsaved(h);
    fs::permissions(h.workDir.path(), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_FALSE(fs::exists(kIni));
}

const std::vector<std::string> kFallback = {"背景画=緑", "移動指導=NG", "経過時間=OK", "BGM=OK"};

std::size_t fallbackSize() {
    std::string bytes;
    for (const std::string& line : kFallback) bytes += *encodeCp932(line) + "\r\n";
    return bytes.size();
}

// Files beyond a size cannot be written: the player's set is two bytes
// longer than the fallback set, so only the second attempt fits.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        ::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit previous_{};
    sighandler_t previousHandler_;
};

TEST(書けない設定ファイル, 代わりの値が書けたときはその値にそろえる) {
    GameHarness h;
    h.start();
    const std::int32_t bgm = h.sounds().音_BGM;
    h.platform.drawn.clear();
    {
        FileSizeLimit limit(fallbackSize());
        h.menu(MenuItem::RENGA);
    }
    EXPECT_EQ(iniLines(), kFallback);
    EXPECT_EQ(checkedBackgrounds(h.platform), std::vector{MenuItem::MIDORI});
    EXPECT_EQ(h.options().背景種類, 背景_緑);
    EXPECT_EQ(backgroundShown(h), 背景_緑);
    EXPECT_FALSE(h.platform.isChecked(MenuItem::SIDOU));
    EXPECT_EQ(h.options().移動指導フラグ, 0);
    EXPECT_EQ(h.options().移動指導色(), 桝枠色);
    EXPECT_TRUE(h.platform.isChecked(MenuItem::KEIKA));
    EXPECT_TRUE(h.platform.isChecked(MenuItem::BGM));
    const auto loops = h.sound.callsNamed("dsPlayLooping");
    ASSERT_EQ(loops.size(), 1u) << "the music the menu shows is playing";
    EXPECT_EQ(loops[0].value, bgm);
}

TEST(書けない設定ファイル, 代わりの値のあとは全体を描き直し音楽も時計も勝手に始めない) {
    GameHarness h;
    writeIni("移動指導=OK\r\n経過時間=NG\r\n背景画=煉瓦\r\nBGM=OK\r\n");
    h.start();
    ASSERT_EQ(h.sound.callsNamed("dsPlayLooping").size(), 1u);
    {
        FileSizeLimit limit(fallbackSize());
        h.menu(MenuItem::SIDOU);
    }
    ASSERT_EQ(iniLines(), kFallback);
    const Picture shown = h.platform.drawn.picture();
    画面_再描画(h.platform.drawn, h.state(), 背景_緑, true);
    EXPECT_EQ(h.platform.drawn.picture(), shown);
    EXPECT_EQ(h.sound.callsNamed("dsPlayLooping").size(), 1u) << "the music plays on";
    EXPECT_FALSE(h.platform.timerOn) << "no game is being timed";
}

TEST(情報, その他は音を鳴らし版を示す) {
    GameHarness h;
    h.start();
    h.platform.log.clear();
    h.sound.calls.clear();
    h.menu(MenuItem::VER);
    ASSERT_EQ(h.sound.calls.size(), 1u);
    EXPECT_EQ(h.sound.calls[0].name, "dsPlay");
    EXPECT_EQ(h.sound.calls[0].value, h.sounds().音_その他);
    ASSERT_EQ(h.platform.messages.size(), 1u);
    ASSERT_EQ(h.platform.log.size(), 2u);
    EXPECT_EQ(h.platform.log[0], "sound:dsPlay") << "the chime comes before the box";

    const ShownMessage& box = h.platform.messages[0];
    EXPECT_EQ(box.title, "Tanukiban");
    EXPECT_EQ(box.icon, MessageIcon::Information);
    EXPECT_FALSE(box.yesNo);
    EXPECT_TRUE(std::regex_match(kVersion, std::regex(R"(\d+\.\d+\.\d+)"))) << kVersion;
    const std::string head = std::string("Tanukiban ") + kVersion + "\n";
    ASSERT_EQ(box.text.substr(0, head.size()), head);
    const std::string line = box.text.substr(head.size());
    EXPECT_FALSE(line.empty());
    EXPECT_EQ(line.find('\n'), std::string::npos) << "one line";
    EXPECT_NE(line.find("将棋"), std::string::npos);
    for (const char* address : {"http", "www", "@", ".com", ".jp"})
        EXPECT_EQ(box.text.find(address), std::string::npos) << address;
}

}  // namespace
}  // namespace tanukiban::testing
