#pragma once
// The settings file "Tanukiban.ini": lines of key=value in code page 932,
// each ended by CR LF. Reading yields the lines for the caller to apply in
// order; writing produces the whole file from the option values.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tanukiban {

inline constexpr std::string_view kSettingsFileName = "Tanukiban.ini";

inline constexpr std::string_view kKeyBackground = "背景画";
inline constexpr std::string_view kKeyMoveGuide = "移動指導";
inline constexpr std::string_view kKeyElapsedTime = "経過時間";
inline constexpr std::string_view kKeyMusic = "BGM";
inline constexpr std::string_view kValueOn = "OK";
inline constexpr std::string_view kValueOff = "NG";

// One line split at its first "="; text in UTF-8, neither part trimmed.
struct SettingLine {
    std::string key;
    std::string value;
    bool operator==(const SettingLine&) const = default;
};
using SettingLines = std::vector<SettingLine>;

// The lines of a file's bytes in file order; nothing when the file is not
// readable as settings (an empty line, a line without "=", an oversized
// file), in which case the caller falls back to the defaults. Lines may end
// in CR LF, LF or CR; the last one needs no ending.
std::optional<SettingLines> parseSettings(std::string_view bytes);

// As parseSettings on the file's contents; nothing also when the file cannot
// be opened or read.
std::optional<SettingLines> readSettingsFile(const std::filesystem::path& path);

// The option values as the menu's check marks show them.
struct SettingsValues {
    int 背景種類 = 0;  // the checked background; none of the five: no background line
    bool 移動指導 = false;
    bool 経過時間 = false;
    bool BGM = false;
};

// The writer's lines, always in the order 背景画, 移動指導, 経過時間, BGM.
SettingLines settingsLines(const SettingsValues& values);

// The defaults that are written and applied, in this order, when the file
// cannot be read: 移動指導=OK, 経過時間=OK, 背景画=緑, BGM=NG.
SettingLines defaultSettingLines();

// What the writer falls back to when the file cannot be written:
// 背景画=緑, 移動指導=NG, 経過時間=OK, BGM=OK.
SettingsValues writerFallbackValues();

// Writes the whole file through a temporary file renamed over the old one;
// false when it could not be written (the old file is then untouched).
bool writeSettingsLines(const std::filesystem::path& path, const SettingLines& lines);
bool writeSettingsFile(const std::filesystem::path& path, const SettingsValues& values);

}  // namespace tanukiban
