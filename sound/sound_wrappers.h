#pragma once
// The four wrappers round the sound library and the library handle they share.

#include <cstdint>
#include <functional>
#include <string_view>

namespace tanukiban {

// The handle from dsInitialize; 0 when sound is unavailable for the run.
extern std::int32_t サウンドハンドル;

// Shows a warning box: text and title. The game's window installs one; until
// then, and after setWarningBox(nullptr), warnings go to the standard error
// stream.
using WarningBox = std::function<void(std::string_view text, std::string_view title)>;
void setWarningBox(WarningBox box);

void 初期化_サウンド(std::int32_t windowHandle);
void 終了_サウンド();

// Loads a wave file into a buffer of the library and returns its id, 0 when
// there is no sound. A file of that name in the current directory is used if
// there is one, otherwise the copy built into the program; with neither the
// result is 0 and nothing is shown. A file that is there but cannot be used
// gets a warning.
std::int32_t 読込_WAVファイル(std::string_view fileName, std::int32_t flags);

// The warning box titled "Tanukiban.dll".
void 表示_警告(std::string_view text);

}  // namespace tanukiban
