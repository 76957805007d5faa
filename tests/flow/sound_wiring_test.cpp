// The game object on the real wrappers, with a recording stand-in for the
// sound library's entry points: what reaches the library, and in what order.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "flow/game.h"
#include "flow/library_sound.h"
#include "sound/embedded_waves.h"
#include "tests/flow/support/fake_platform.h"
#include "tests/flow/support/game_fixture.h"
#include "tests/flow/support/scoped_work_dir.h"
// The library-level recorder; the game-level one of tests/flow/support has
// the same name, so this file must not include that one.
#include "tests/sound/support/recording_sound.h"

namespace tanukiban::testing {
namespace {

using Library = RecordingSound;

struct WiredGame {
    ScopedWorkDir workDir;  // no wave files here: the built-in copies load
    Library library;
    FakePlatform platform;
    LibrarySound sound{platform};
    Game game{platform, sound};
};

std::vector<std::string> callsSince(const Library& library, std::size_t from) {
    return {library.calls.begin() + static_cast<std::ptrdiff_t>(from), library.calls.end()};
}

TEST(音の配線, 起動で四つの音をこの順とフラグで作り終了で同じ順に放す) {
    WiredGame w;
    w.game.Form_Load();
    const std::vector<std::string> start = {
        "dsInitialize(1)",  "dsCreateDSB(7,3)", "dsCreateDSB(7,3)",
        "dsCreateDSB(7,3)", "dsCreateDSB(7,1)",
        "dsStop(104)",  // the defaults say no music
    };
    EXPECT_EQ(w.library.calls, start);
    const char* const files[] = {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"};
    ASSERT_EQ(w.library.waves.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const auto embedded = embeddedWave(files[i]);
        EXPECT_TRUE(std::equal(w.library.waves[i].begin(), w.library.waves[i].end(),
                               embedded.begin(), embedded.end()))
            << files[i];
    }
    const SoundIds& ids = GameFixture::sounds(w.game);
    EXPECT_EQ(ids.音_その他, 101);
    EXPECT_EQ(ids.音_禁止, 102);
    EXPECT_EQ(ids.音_駒打音, 103);
    EXPECT_EQ(ids.音_BGM, 104);
    EXPECT_TRUE(w.platform.messages.empty());

    const std::size_t before = w.library.calls.size();
    w.game.Form_KeyPress(27);
    EXPECT_EQ(callsSince(w.library, before),
              (std::vector<std::string>{"dsFree(101)", "dsFree(102)", "dsFree(103)", "dsFree(104)",
                                        "dsTerminate(7)"}));
    w.game.Form_Unload();
    EXPECT_EQ(w.library.calls.size(), before + 5) << "shut down once";
}

TEST(音の配線, 音楽は設定で始まりBGMの項目で止まり再び始まる) {
    WiredGame w;
    std::ofstream("Tanukiban.ini", std::ios::binary) << "BGM=OK\r\n";
    w.game.Form_Load();
    EXPECT_EQ(w.library.calls.back(), "dsPlayLooping(104)");
    const std::size_t before = w.library.calls.size();
    w.game.menuCommand(MenuItem::BGM);
    w.game.menuCommand(MenuItem::BGM);
    w.game.menuCommand(MenuItem::VER);
    EXPECT_EQ(callsSince(w.library, before),
              (std::vector<std::string>{"dsStop(104)", "dsPlayLooping(104)", "dsPlay(101)"}));
}

TEST(音の配線, ライブラリが始まらなければ警告は一度だけで以後は無音) {
    WiredGame w;
    w.library.handle = 0;
    w.game.Form_Load();
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].text, "Direct Soundインターフェースが作成できません。");
    EXPECT_EQ(w.platform.messages[0].title, "Tanukiban.dll");
    EXPECT_EQ(w.platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(w.game.ended());

    const SoundIds& ids = GameFixture::sounds(w.game);
    EXPECT_EQ(ids.音_その他, 0);
    EXPECT_EQ(ids.音_禁止, 0);
    EXPECT_EQ(ids.音_駒打音, 0);
    EXPECT_EQ(ids.音_BGM, 0);

    w.game.menuCommand(MenuItem::BGM);
    w.game.menuCommand(MenuItem::VER);
    w.game.Form_KeyPress(27);
    EXPECT_EQ(w.platform.messages.size(), 2u) << "the warning and the about box, nothing else";
    // Every call after the failed start names no sound, and the library is
    // not closed since it never opened.
    const std::vector<std::string> expected = {
        "dsInitialize(1)", "dsStop(0)", "dsPlayLooping(0)", "dsPlay(0)",
        "dsFree(0)",       "dsFree(0)", "dsFree(0)",        "dsFree(0)",
    };
    EXPECT_EQ(w.library.calls, expected);
}

}  // namespace
}  // namespace tanukiban::testing
