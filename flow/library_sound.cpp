#include "flow/library_sound.h"

#include "sound/sound_api.h"
#include "sound/sound_wrappers.h"

namespace tanukiban {

LibrarySound::LibrarySound(Platform& platform) {
    setWarningBox([&platform](std::string_view text, std::string_view title) {
        platform.showMessage(text, title, MessageIcon::Exclamation);
    });
}

LibrarySound::~LibrarySound() {
    setWarningBox(nullptr);
}

void LibrarySound::初期化_サウンド(std::int32_t windowHandle) {
    tanukiban::初期化_サウンド(windowHandle);
}

void LibrarySound::終了_サウンド() {
    tanukiban::終了_サウンド();
}

std::int32_t LibrarySound::読込_WAVファイル(std::string_view fileName, std::int32_t flags) {
    return tanukiban::読込_WAVファイル(fileName, flags);
}

void LibrarySound::dsFree(std::int32_t id) {
    soundApi().dsFree(id);
}
void LibrarySound::dsPlay(std::int32_t id) {
    soundApi().dsPlay(id);
}
void LibrarySound::dsPlayLooping(std::int32_t id) {
    soundApi().dsPlayLooping(id);
}
void LibrarySound::dsStop(std::int32_t id) {
    soundApi().dsStop(id);
}

}  // namespace tanukiban
