// The options menu, the settings file it persists in, and the about box.
#include <iterator>
#include <optional>
#include <string>

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

// One line of the file, with what it does to the window: check marks, the
// clock display, the background and the music. Unknown keys and values do
// nothing.
void applySetting(Game& game, const SettingLine& line) {
    Platform& platform = game.platform();
    Options& options = game.options();
    const bool on = line.value == kValueOn;
    const bool off = line.value == kValueOff;
    if (line.key == kKeyMoveGuide) {
        if (!on && !off) return;
        options.移動指導色 = on ? 白色 : 桝枠色;
        platform.setChecked(MenuItem::SIDOU, on);
        options.移動指導フラグ = on ? 1 : 0;
    } else if (line.key == kKeyElapsedTime) {
        if (on || off) platform.setChecked(MenuItem::KEIKA, on);
        game.処理_経過時間();
    } else if (line.key == kKeyBackground) {
        const std::optional<int> kind = backgroundKind(line.value);
        if (!kind) return;
        game.チェック設定(*kind);
        game.描画_背景(*kind);
        options.背景種類 = *kind;
    } else if (line.key == kKeyMusic) {
        if (!on && !off) return;
        platform.setChecked(MenuItem::BGM, on);
        if (on) {
            game.sound().dsPlayLooping(game.sounds().音_BGM);
        } else {
            game.sound().dsStop(game.sounds().音_BGM);
        }
    }
}

void applySettings(Game& game, const SettingLines& lines) {
    for (const SettingLine& line : lines) applySetting(game, line);
}

SettingsValues checkedValues(const Platform& platform) {
    SettingsValues values;
    for (std::size_t i = 0; i < std::size(kBackgroundItems); ++i) {
        if (platform.isChecked(kBackgroundItems[i])) {
            values.背景種類 = kBackgroundNames[i].kind;
            break;
        }
    }
    values.移動指導 = platform.isChecked(MenuItem::SIDOU);
    values.経過時間 = platform.isChecked(MenuItem::KEIKA);
    values.BGM = platform.isChecked(MenuItem::BGM);
    return values;
}

// The fallback set as values: check marks and options, with the music and
// the clock following a mark that changes. Nothing is drawn piecemeal; the
// whole window is drawn again at the end, as tiling one background over it
// would wipe the stands, texts and title.
void applyFallback(Game& game, const SettingsValues& values) {
    Platform& platform = game.platform();
    Options& options = game.options();
    const GameState& s = game.state();
    const bool musicWasOn = platform.isChecked(MenuItem::BGM);
    const bool clockWasShown = platform.isChecked(MenuItem::KEIKA);

    game.チェック設定(values.背景種類);
    options.背景種類 = values.背景種類;
    platform.setChecked(MenuItem::SIDOU, values.移動指導);
    options.移動指導フラグ = values.移動指導 ? 1 : 0;
    options.移動指導色 = values.移動指導 ? 白色 : 桝枠色;
    platform.setChecked(MenuItem::KEIKA, values.経過時間);
    platform.setChecked(MenuItem::BGM, values.BGM);

    if (values.BGM != musicWasOn) {
        if (values.BGM) {
            game.sound().dsPlayLooping(game.sounds().音_BGM);
        } else {
            game.sound().dsStop(game.sounds().音_BGM);
        }
    }
    if (!values.経過時間) {
        platform.setClockTimer(false);
    } else if (!clockWasShown) {
        // The clock runs only while a turn is being timed.
        const bool turnRunning = s.手番 != 手番なし && s.局面変更 == NG && s.棋譜モード == NG;
        if (turnRunning) platform.setClockTimer(true);
    }
    game.画面_再描画();
}

void selectBackground(Game& game, MenuItem item, int kind) {
    if (!game.platform().isChecked(item)) {
        game.チェック設定(kind);
        game.options().背景種類 = kind;
    }
    game.書込_環境設定ファイル();
    game.画面_再描画();
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
        applySettings(*this, *lines);
        return;
    }
    const SettingLines defaults = defaultSettingLines();
    // The defaults apply even where they cannot be kept.
    writeSettingsLines(kSettingsFileName, defaults);
    applySettings(*this, defaults);
}

void Game::書込_環境設定ファイル() {
    if (writeSettingsFile(kSettingsFileName, checkedValues(platform_))) return;
    // Try once more with a fixed set; it takes effect only when it was
    // written, and then wholly, so the menu and the window agree. When
    // neither can be written the options stay as they are for this run.
    const SettingsValues fallback = writerFallbackValues();
    if (writeSettingsLines(kSettingsFileName, settingsLines(fallback)))
        applyFallback(*this, fallback);
}

void Game::チェック設定(int IN_背景種類) {
    for (MenuItem item : kBackgroundItems) platform_.setChecked(item, false);
    for (std::size_t i = 0; i < std::size(kBackgroundItems); ++i) {
        if (kBackgroundNames[i].kind == IN_背景種類)
            platform_.setChecked(kBackgroundItems[i], true);
    }
}

void Game::MIDORI_Click() {
    selectBackground(*this, MenuItem::MIDORI, 背景_緑);
}
void Game::TATAMI_Click() {
    selectBackground(*this, MenuItem::TATAMI, 背景_畳);
}
void Game::TAKE_Click() {
    selectBackground(*this, MenuItem::TAKE, 背景_竹);
}
void Game::UCHU_Click() {
    selectBackground(*this, MenuItem::UCHU, 背景_宇宙);
}
void Game::RENGA_Click() {
    selectBackground(*this, MenuItem::RENGA, 背景_煉瓦);
}

void Game::BGM_Click() {
    if (platform_.isChecked(MenuItem::BGM)) {
        platform_.setChecked(MenuItem::BGM, false);
        sound_.dsStop(sounds_.音_BGM);
    } else {
        platform_.setChecked(MenuItem::BGM, true);
        sound_.dsPlayLooping(sounds_.音_BGM);
    }
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
