#include "flow/library_sound.h"

#include <string>

#include "sound/tanukiban_sound.h"
#include "sound/wave_file.h"

namespace tanukiban {

LibrarySound::~LibrarySound() {
    終了_サウンド();
}

void LibrarySound::表示_警告(std::string_view text) {
    platform_.showMessage(text, "Tanukiban.dll", MessageIcon::Exclamation);
}

void LibrarySound::初期化_サウンド(std::int32_t windowHandle) {
    handle_ = ::dsInitialize(windowHandle);
    if (handle_ == 0) 表示_警告("Direct Soundインターフェースが作成できません。");
}

void LibrarySound::終了_サウンド() {
    if (handle_ != 0) ::dsTerminate(handle_);
    handle_ = 0;
}

std::int32_t LibrarySound::読込_WAVファイル(std::string_view fileName, std::int32_t flags) {
    if (handle_ == 0) return 0;
    const WaveImage wave = findWave(fileName);
    if (!wave.problem.empty()) {
        表示_警告(wave.problem);
        return 0;
    }
    if (wave.bytes().empty()) return 0;
    const std::int32_t id = ::dsCreateDSB(handle_, wave.bytes().data(), flags);
    if (id == 0) 表示_警告(quotedWaveName(fileName) + "の音声を読み込めません。");
    return id;
}

void LibrarySound::dsFree(std::int32_t id) {
    ::dsFree(id);
}
void LibrarySound::dsPlay(std::int32_t id) {
    ::dsPlay(id);
}
void LibrarySound::dsPlayLooping(std::int32_t id) {
    ::dsPlayLooping(id);
}
void LibrarySound::dsStop(std::int32_t id) {
    ::dsStop(id);
}

}  // namespace tanukiban
