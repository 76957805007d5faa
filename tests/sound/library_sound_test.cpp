// The game's sound calls on the library's entry points: starting, loading
// the wave files and warning about the ones that cannot be used.
#include "flow/library_sound.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "sound/embedded_waves.h"
#include "tests/flow/support/fake_platform.h"
#include "tests/sound/support/recording_entry_points.h"
#include "tests/sound/support/wave_image.h"

namespace tanukiban {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Pair;

// Runs each test in an empty current directory, on recorded entry points.
class LibrarySoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "wrappers-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
        previous_ = fs::current_path();
        fs::current_path(folder_);
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    static void writeFile(const char* name, const std::vector<unsigned char>& bytes) {
        std::ofstream(name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

    // The warning boxes shown: text and title, each with the exclamation icon.
    std::vector<std::pair<std::string, std::string>> warnings() const {
        std::vector<std::pair<std::string, std::string>> out;
        for (const auto& m : platform.messages) {
            EXPECT_EQ(m.icon, MessageIcon::Exclamation);
            out.emplace_back(m.text, m.title);
        }
        return out;
    }

    testing::RecordingEntryPoints library;
    testing::FakePlatform platform;
    LibrarySound sound{platform};

  private:
    fs::path folder_, previous_;
};

const std::vector<unsigned char> kShortWave = testing::waveImage({1, -1, 2, -2}, 8000);

TEST_F(LibrarySoundTest, 開始できなければ警告を一度だけ出し以後は何も呼ばない) {
    library.handle = 0;
    sound.初期化_サウンド(1234);
    EXPECT_THAT(warnings(), ElementsAre(Pair("Direct Soundインターフェースが作成できません。",
                                             "Tanukiban.dll")));
    EXPECT_EQ(sound.読込_WAVファイル("駒打音.wav", 3), 0);
    sound.終了_サウンド();
    EXPECT_THAT(library.calls, ElementsAre("dsInitialize(1234)"));
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(LibrarySoundTest, 開始して終了すると同じハンドルで閉じる) {
    sound.初期化_サウンド(5);
    sound.終了_サウンド();
    sound.終了_サウンド();
    EXPECT_THAT(library.calls, ElementsAre("dsInitialize(5)", "dsTerminate(7)"));
    EXPECT_THAT(warnings(), IsEmpty());
}

TEST_F(LibrarySoundTest, 無いファイルは組み込みの音を使い順とフラグはそのまま渡す) {
    sound.初期化_サウンド(0);
    EXPECT_EQ(sound.読込_WAVファイル("その他.wav", 3), 101);
    EXPECT_EQ(sound.読込_WAVファイル("禁止.wav", 3), 102);
    EXPECT_EQ(sound.読込_WAVファイル("駒打音.wav", 3), 103);
    EXPECT_EQ(sound.読込_WAVファイル("BGM.wav", 1), 104);
    EXPECT_THAT(library.calls,
                ElementsAre("dsInitialize(0)", "dsCreateDSB(7,3)", "dsCreateDSB(7,3)",
                            "dsCreateDSB(7,3)", "dsCreateDSB(7,1)"));
    const char* names[] = {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"};
    for (int i = 0; i < 4; ++i) {
        const auto embedded = embeddedWave(names[i]);
        ASSERT_FALSE(embedded.empty()) << names[i];
        EXPECT_TRUE(std::equal(embedded.begin(), embedded.end(), library.waves[i].begin(),
                               library.waves[i].end()))
            << names[i];
    }
    EXPECT_THAT(warnings(), IsEmpty());
}

TEST_F(LibrarySoundTest, カレントフォルダのファイルが組み込みの音より優先する) {
    writeFile("駒打音.wav", kShortWave);
    sound.初期化_サウンド(0);
    EXPECT_EQ(sound.読込_WAVファイル("駒打音.wav", 3), 101);
    EXPECT_THAT(library.waves, ElementsAre(kShortWave));
}

TEST_F(LibrarySoundTest, どこにも無い音は黙って0) {
    fs::create_directory("無い.wav");  // a folder of that name is no file
    sound.初期化_サウンド(0);
    EXPECT_EQ(sound.読込_WAVファイル("無い.wav", 3), 0);
    EXPECT_EQ(sound.読込_WAVファイル("", 3), 0);
    EXPECT_THAT(library.calls, ElementsAre("dsInitialize(0)"));
    EXPECT_THAT(warnings(), IsEmpty());
}

TEST_F(LibrarySoundTest, 空や壊れたファイルは名前を添えて警告し0) {
    writeFile("禁止.wav", {});
    writeFile("その他.wav", {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'A', 'V', 'I', ' ', 0});
    writeFile("BGM.wav", {'R', 'I', 'F'});
    sound.初期化_サウンド(0);
    EXPECT_EQ(sound.読込_WAVファイル("禁止.wav", 3), 0);
    EXPECT_EQ(sound.読込_WAVファイル("その他.wav", 3), 0);
    EXPECT_EQ(sound.読込_WAVファイル("BGM.wav", 1), 0);
    EXPECT_THAT(library.calls, ElementsAre("dsInitialize(0)"));
    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_THAT(platform.messages[0].text, HasSubstr("禁止.wav"));
    EXPECT_THAT(platform.messages[1].text, HasSubstr("その他.wav"));
    EXPECT_THAT(platform.messages[2].text, HasSubstr("BGM.wav"));
    for (const auto& w : warnings()) EXPECT_EQ(w.second, "Tanukiban.dll");
}

TEST_F(LibrarySoundTest, 読めないファイルは警告し0) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads any file";
    writeFile("駒打音.wav", kShortWave);
    fs::permissions("駒打音.wav", fs::perms::none);
    sound.初期化_サウンド(0);
    EXPECT_EQ(sound.読込_WAVファイル("駒打音.wav", 3), 0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_THAT(platform.messages[0].text, HasSubstr("駒打音.wav"));
}

TEST_F(LibrarySoundTest, ライブラリが受け付けない音は警告し0) {
    library.acceptWaves = false;
    sound.初期化_サウンド(0);
    EXPECT_EQ(sound.読込_WAVファイル("駒打音.wav", 3), 0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_THAT(platform.messages[0].text, HasSubstr("駒打音.wav"));
}

TEST_F(LibrarySoundTest, 実際より長いと称するヘッダはファイルの長さに直して渡す) {
    std::vector<unsigned char> wave = kShortWave;
    wave[4] = wave[5] = wave[6] = wave[7] = 0xff;  // as streaming writers leave it
    writeFile("BGM.wav", wave);
    sound.初期化_サウンド(0);
    EXPECT_EQ(sound.読込_WAVファイル("BGM.wav", 1), 101);
    EXPECT_THAT(library.waves, ElementsAre(kShortWave));
}

}  // namespace
}  // namespace tanukiban
