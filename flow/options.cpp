// The options menu, the settings file it persists in, and the about box.
#include <iterator>
#include <optional>
#include <string>

#include "flow/drawing.h"
#include "flow/game.h"
#include "flow/version.h"
#include "settings/backgrounds.h"
#include "settings/settings_file.h"

namespace tanukiban {

namespace {

constexpr MenuItem kBackgroundItems[] = {MenuItem::MIDORI, MenuItem::TAKE, MenuItem::TATAMI,
                                         MenuItem::UCHU, MenuItem::RENGA};

// Menu item of each entry of kBackgroundNames, which has the same order.
static_assert(std::size(kBackgroundItems) == std::size(kBackgroundNames));

// The check mark of each background kind.
std::optional<MenuItem> backgroundItem(int kind) {
    for (std::size_t i = 0; i < std::size(kBackgroundItems); ++i)
        if (kBackgroundNames[i].kind == kind) return kBackgroundItems[i];
    return std::nullopt;
}

}  // namespace

void Game::読込_環境設定ファイル() {
    // A file may name no background at all (an empty one, say): one is
    // checked whatever the file holds.
    チェック設定(背景_緑);
    options_.背景種類 = 背景_緑;

    // The file is checked whole before any line acts, so a bad line further
    // down does not leave half its settings in force under the defaults.
    if (const std::optional<SettingLines> lines = readSettingsFile(kSettingsFileName)) {
        for (const SettingLine& line : *lines) applySetting(line);
        return;
    }
    const SettingLines defaults = defaultSettingLines();
    // The defaults apply even where they cannot be kept.
    writeSettingsLines(kSettingsFileName, defaults);
    for (const SettingLine& line : defaults) applySetting(line);
}

// One line of the file, with what it does to the window: check marks, the
// clock display, the background and the music. Unknown keys and values do
// nothing.
void Game::applySetting(const SettingLine& line) {
    const bool on = line.value == kValueOn;
    const bool off = line.value == kValueOff;
    if (line.key == kKeyMoveGuide) {
        if (on || off) setMoveGuide(on);
    } else if (line.key == kKeyElapsedTime) {
        if (on || off) setClockShown(on);
        処理_経過時間();
    } else if (line.key == kKeyBackground) {
        const std::optional<int> kind = backgroundKind(line.value);
        if (!kind) return;
        チェック設定(*kind);
        描画_背景(canvas(), *kind);
        options_.背景種類 = *kind;
    } else if (line.key == kKeyMusic) {
        if (on || off) setMusic(on);
    }
}

void Game::setMoveGuide(bool on) {
    options_.移動指導フラグ = on ? 1 : 0;
    platform_.setChecked(MenuItem::SIDOU, on);
}

void Game::setClockShown(bool on) {
    options_.経過時間 = on;
    platform_.setChecked(MenuItem::KEIKA, on);
}

void Game::setMusic(bool on) {
    options_.BGM = on;
    platform_.setChecked(MenuItem::BGM, on);
    if (on) {
        sound_.dsPlayLooping(sounds_.音_BGM);
    } else {
        sound_.dsStop(sounds_.音_BGM);
    }
}

void Game::書込_環境設定ファイル() {
    const SettingsValues values{options_.背景種類, options_.移動指導フラグ != 0, options_.経過時間,
                                options_.BGM};
    if (writeSettingsFile(kSettingsFileName, values)) return;
    // Try once more with a fixed set; it takes effect only when it was
    // written, and then wholly, so the menu and the window agree. When
    // neither can be written the options stay as they are for this run.
    const SettingsValues fallback = writerFallbackValues();
    if (writeSettingsLines(kSettingsFileName, settingsLines(fallback))) applyFallback(fallback);
}

// The fallback set as values: check marks and options, with the music and
// the clock following a mark that changes. Nothing is drawn piecemeal; the
// whole window is drawn again at the end, as tiling one background over it
// would wipe the stands, texts and title.
void Game::applyFallback(const SettingsValues& values) {
    const bool clockWasShown = options_.経過時間;
    チェック設定(values.背景種類);
    options_.背景種類 = values.背景種類;
    setMoveGuide(values.移動指導);
    setClockShown(values.経過時間);
    if (values.BGM != options_.BGM) setMusic(values.BGM);
    if (!values.経過時間) {
        platform_.setClockTimer(false);
    } else if (!clockWasShown) {
        // The clock runs only while a turn is being timed.
        const GameState& s = state_;
        if (s.手番 != 手番なし && s.局面変更 == NG && s.棋譜モード == NG)
            platform_.setClockTimer(true);
    }
    画面_再描画();
}

void Game::チェック設定(int IN_背景種類) {
    for (MenuItem item : kBackgroundItems) platform_.setChecked(item, false);
    if (const std::optional<MenuItem> item = backgroundItem(IN_背景種類))
        platform_.setChecked(*item, true);
}

// Choosing the background already shown still writes the file and redraws.
void Game::selectBackground(int kind) {
    if (options_.背景種類 != kind) {
        チェック設定(kind);
        options_.背景種類 = kind;
    }
    書込_環境設定ファイル();
    画面_再描画();
}

void Game::BGM_Click() {
    setMusic(!options_.BGM);
    書込_環境設定ファイル();
}

void Game::OPTION_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
}

void Game::VER_Click() {
    // The その他 item sits on the menu bar: like every other, it puts the
    // record panel away first.
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
    play(sounds_.音_その他);
    const std::string text =
        std::string("Tanukiban ") + kVersion + "\n駒が動くたびに裏返る、5×5の盤の将棋です。";
    platform_.showMessage(text, "Tanukiban", MessageIcon::Information);
}

}  // namespace tanukiban
