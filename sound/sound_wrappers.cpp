#include "sound/sound_wrappers.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "sound/embedded_waves.h"
#include "sound/riff.h"
#include "sound/sound_api.h"

namespace tanukiban {

std::int32_t サウンドハンドル = 0;

namespace {

void toStandardError(std::string_view text, std::string_view title) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(title.size()), title.data(),
                 static_cast<int>(text.size()), text.data());
}

WarningBox& warningBox() {
    static WarningBox box = toStandardError;
    return box;
}

std::string quoted(std::string_view fileName) {
    return "「" + std::string(fileName) + "」";
}

// Reads a file the player put beside the program; the message says what is
// wrong with it, empty when the bytes are fit to hand to the library.
std::string readWaveFile(const std::filesystem::path& path, std::string_view fileName,
                         std::vector<unsigned char>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return quoted(fileName) + "を開けません。";
    unsigned char chunk[64 * 1024];
    std::size_t n = 0;
    while (bytes.size() <= kMaxWaveBytes && (n = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return quoted(fileName) + "を読み込めません。";
    if (bytes.empty()) return quoted(fileName) + "は空のファイルです。";
    if (bytes.size() > kMaxWaveBytes) return quoted(fileName) + "は大きすぎます。";
    if (bytes.size() < kRiffHeaderBytes || !hasRiffWaveTags(bytes.data())) {
        return quoted(fileName) + "はWAVファイルではありません。";
    }
    // The library trusts the header for the length: make it tell the truth
    // (streaming writers leave it at 0 or 0xFFFFFFFF).
    const std::uint64_t declared = declaredRiffLength(bytes.data());
    if (declared < kRiffHeaderBytes || declared > bytes.size()) {
        setDeclaredWaveSize(bytes.data(), bytes.size());
    }
    return {};
}

}  // namespace

void setWarningBox(WarningBox box) {
    warningBox() = box ? std::move(box) : WarningBox(toStandardError);
}

void 表示_警告(std::string_view text) {
    warningBox()(text, "Tanukiban.dll");
}

void 初期化_サウンド(std::int32_t windowHandle) {
    サウンドハンドル = soundApi().dsInitialize(windowHandle);
    if (サウンドハンドル == 0) 表示_警告("Direct Soundインターフェースが作成できません。");
}

void 終了_サウンド() {
    if (サウンドハンドル != 0) soundApi().dsTerminate(サウンドハンドル);
    サウンドハンドル = 0;
}

std::int32_t 読込_WAVファイル(std::string_view fileName, std::int32_t flags) {
    if (サウンドハンドル == 0) return 0;
    const std::filesystem::path path(fileName);
    std::error_code error;
    std::vector<unsigned char> file;
    std::span<const unsigned char> wave;
    if (std::filesystem::is_regular_file(path, error)) {
        const std::string problem = readWaveFile(path, fileName, file);
        if (!problem.empty()) {
            表示_警告(problem);
            return 0;
        }
        wave = file;
    } else {
        wave = embeddedWave(fileName);
        if (wave.empty()) return 0;
    }
    const std::int32_t id = soundApi().dsCreateDSB(サウンドハンドル, wave.data(), flags);
    if (id == 0) 表示_警告(quoted(fileName) + "の音声を読み込めません。");
    return id;
}

}  // namespace tanukiban
