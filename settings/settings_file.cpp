#include "settings/settings_file.h"

#include <cstdio>

#include "files/cp932.h"
#include "files/replace_file.h"
#include "settings/backgrounds.h"

namespace tanukiban {

namespace {

// A real file is well under a hundred bytes; anything this large is not one.
constexpr std::size_t kMaxFileBytes = 64 * 1024;

std::string onOff(bool on) {
    return std::string(on ? kValueOn : kValueOff);
}

}  // namespace

std::optional<SettingLines> parseSettings(std::string_view bytes) {
    if (bytes.size() > kMaxFileBytes) return std::nullopt;
    const std::string text = decodeCp932Lenient(bytes);
    SettingLines lines;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find_first_of("\r\n");
        const std::string_view line = rest.substr(0, end);
        if (end == std::string_view::npos) {
            rest = {};
        } else {
            const bool crlf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
            rest.remove_prefix(end + (crlf ? 2 : 1));
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) return std::nullopt;  // an empty line too
        lines.push_back({std::string(line.substr(0, eq)), std::string(line.substr(eq + 1))});
    }
    return lines;
}

std::optional<SettingLines> readSettingsFile(const std::filesystem::path& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return std::nullopt;
    // One byte more than allowed tells an oversized file apart.
    std::string bytes(kMaxFileBytes + 1, '\0');
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return std::nullopt;
    return parseSettings(bytes);
}

SettingLines settingsLines(const SettingsValues& values) {
    SettingLines lines;
    const std::string_view background = backgroundName(values.背景種類);
    if (!background.empty())
        lines.push_back({std::string(kKeyBackground), std::string(background)});
    lines.push_back({std::string(kKeyMoveGuide), onOff(values.移動指導)});
    lines.push_back({std::string(kKeyElapsedTime), onOff(values.経過時間)});
    lines.push_back({std::string(kKeyMusic), onOff(values.BGM)});
    return lines;
}

SettingLines defaultSettingLines() {
    return {
        {std::string(kKeyMoveGuide), onOff(true)},
        {std::string(kKeyElapsedTime), onOff(true)},
        {std::string(kKeyBackground), std::string(backgroundName(背景_緑))},
        {std::string(kKeyMusic), onOff(false)},
    };
}

SettingsValues writerFallbackValues() {
    return SettingsValues{背景_緑, false, true, true};
}

bool writeSettingsLines(const std::filesystem::path& path, const SettingLines& lines) {
    std::string text;
    for (const SettingLine& line : lines) text += line.key + "=" + line.value + "\r\n";
    const std::optional<std::string> bytes = encodeCp932Exact(text);
    return bytes && replaceFileContents(path, *bytes);
}

bool writeSettingsFile(const std::filesystem::path& path, const SettingsValues& values) {
    return writeSettingsLines(path, settingsLines(values));
}

}  // namespace tanukiban
