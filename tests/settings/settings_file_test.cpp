#include "settings/settings_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "settings/backgrounds.h"

namespace tanukiban {

void PrintTo(const SettingLine& line, std::ostream* os) {
    *os << line.key << "=" << line.value;
}

namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "settings-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(path_);
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

SettingLine line(const char* key, const char* value) {
    return {key, value};
}

// The file as the program writes it, in code page 932: 背景画=緑 …
const std::string kDefaultsCp932 =
    "\x88\xda\x93\xae\x8e\x77\x93\xb1=OK\r\n"  // 移動指導=OK
    "\x8c\x6f\x89\xdf\x8e\x9e\x8a\xd4=OK\r\n"  // 経過時間=OK
    "\x94\x77\x8c\x69\x89\xe6=\x97\xce\r\n"    // 背景画=緑
    "BGM=NG\r\n";

TEST(設定ファイル読込, ファイルが無ければ読込失敗となり既定値が順に書かれる) {
    TempFolder dir;
    const fs::path ini = dir.path() / "Tanukiban.ini";
    EXPECT_FALSE(readSettingsFile(ini).has_value());

    ASSERT_TRUE(writeSettingsLines(ini, defaultSettingLines()));
    EXPECT_EQ(bytesOf(ini), kDefaultsCp932);
    EXPECT_THAT(*readSettingsFile(ini), ElementsAre(line("移動指導", "OK"), line("経過時間", "OK"),
                                                    line("背景画", "緑"), line("BGM", "NG")));
}

TEST(設定ファイル読込, BGMの行だけのファイルはその一行になる) {
    EXPECT_THAT(*parseSettings("BGM=OK\r\n"), ElementsAre(line("BGM", "OK")));
    EXPECT_THAT(*parseSettings("BGM=OK"), ElementsAre(line("BGM", "OK")));
    EXPECT_THAT(*parseSettings(""), ElementsAre());
}

TEST(設定ファイル読込, 空行や等号の無い行は読込失敗) {
    EXPECT_FALSE(parseSettings("BGM=OK\r\n\r\n経過時間=OK\r\n").has_value());
    EXPECT_FALSE(parseSettings("\r\n").has_value());
    EXPECT_FALSE(parseSettings("BGM=OK\r\n\r\n").has_value());
    EXPECT_FALSE(parseSettings("BGM=OK\r\nBGM\r\n").has_value());
    EXPECT_FALSE(parseSettings(std::string(100000, 'a') + "=b").has_value());
}

TEST(設定ファイル読込, 最初の等号で分け前後の空白も大小もそのまま残す) {
    EXPECT_THAT(
        *parseSettings("a=b=c\r\n=\r\n bgm = ok \r\nBGM=\r\n"),
        ElementsAre(line("a", "b=c"), line("", ""), line(" bgm ", " ok "), line("BGM", "")));
}

TEST(設定ファイル読込, 行末はCRLFのほかLFだけやCRだけでもよい) {
    const auto expected = ElementsAre(line("BGM", "OK"), line("移動指導", "NG"));
    EXPECT_THAT(*parseSettings("BGM=OK\n\x88\xda\x93\xae\x8e\x77\x93\xb1=NG\n"), expected);
    EXPECT_THAT(*parseSettings("BGM=OK\r\x88\xda\x93\xae\x8e\x77\x93\xb1=NG"), expected);
}

TEST(設定ファイル読込, 符号になっていないバイトは一致しない文字になる) {
    // A lone lead byte and a byte 932 does not use: the lines stay, match nothing.
    const auto lines = parseSettings("BGM=O\x81\r\n\xa0\xff=x\r\nBGM=\x81");
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), 3u);
    EXPECT_EQ((*lines)[0], line("BGM", "O\uFFFD"));
    EXPECT_EQ((*lines)[1].value, "x");
    EXPECT_EQ((*lines)[2], line("BGM", "\uFFFD"));
}

TEST(設定ファイル読込, フォルダやコード932の記号を読める) {
    TempFolder dir;
    EXPECT_FALSE(readSettingsFile(dir.path()).has_value());
    // 0x5C is the yen/backslash sign and stays a backslash; ～ is U+FF5E.
    writeBytes(dir.path() / "a.ini", "\x94\x77\x8c\x69\x89\xe6=\\\x81\x60\r\n");
    EXPECT_THAT(*readSettingsFile(dir.path() / "a.ini"), ElementsAre(line("背景画", "\\～")));
}

TEST(設定ファイル書込, 四行を決まった順にコード932とCRLFで書く) {
    TempFolder dir;
    const fs::path ini = dir.path() / "Tanukiban.ini";
    ASSERT_TRUE(writeSettingsFile(ini, {背景_煉瓦, true, false, true}));
    EXPECT_EQ(bytesOf(ini),
              "\x94\x77\x8c\x69\x89\xe6=\x97\xf9\x8a\xa2\r\n"  // 背景画=煉瓦
              "\x88\xda\x93\xae\x8e\x77\x93\xb1=OK\r\n"
              "\x8c\x6f\x89\xdf\x8e\x9e\x8a\xd4=NG\r\n"
              "BGM=OK\r\n");

    for (const auto& [kind, name] : kBackgroundNames) {
        ASSERT_TRUE(writeSettingsFile(ini, {kind, false, true, false}));
        EXPECT_THAT(*readSettingsFile(ini),
                    ElementsAre(line("背景画", std::string(name).c_str()), line("移動指導", "NG"),
                                line("経過時間", "OK"), line("BGM", "NG")));
    }
}

TEST(設定ファイル書込, 背景が選ばれていなければ背景の行を書かない) {
    EXPECT_THAT(settingsLines({0, true, true, false}),
                ElementsAre(line("移動指導", "OK"), line("経過時間", "OK"), line("BGM", "NG")));
}

TEST(設定ファイル書込, 書けないときの代わりの値) {
    EXPECT_THAT(settingsLines(writerFallbackValues()),
                ElementsAre(line("背景画", "緑"), line("移動指導", "NG"), line("経過時間", "OK"),
                            line("BGM", "OK")));
}

TEST(設定ファイル書込, 古いファイルを置き換え一時ファイルを残さない) {
    TempFolder dir;
    const fs::path ini = dir.path() / "Tanukiban.ini";
    writeBytes(ini, std::string(500, 'x'));
    ASSERT_TRUE(writeSettingsFile(ini, {背景_竹, true, true, true}));
    EXPECT_EQ(readSettingsFile(ini)->size(), 4u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(設定ファイル書込, 書けない場所では失敗を返し元のファイルはそのまま) {
    TempFolder dir;
    EXPECT_FALSE(
        writeSettingsFile(dir.path() / "無い" / "Tanukiban.ini", {背景_緑, true, true, true}));
    fs::create_directory(dir.path() / "Tanukiban.ini");
    EXPECT_FALSE(writeSettingsFile(dir.path() / "Tanukiban.ini", {背景_緑, true, true, true}));
    EXPECT_TRUE(fs::is_directory(dir.path() / "Tanukiban.ini"));
}

TEST(設定ファイル書込, 読み取り専用のフォルダでは失敗を返す) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write into a read-only folder";
    TempFolder dir;
    const fs::path ini = dir.path() / "Tanukiban.ini";
    writeBytes(ini, "BGM=OK\r\n");
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(writeSettingsFile(ini, {背景_竹, true, true, true}));
    EXPECT_THAT(*readSettingsFile(ini), ElementsAre(line("BGM", "OK")));
}

}  // namespace
}  // namespace tanukiban
