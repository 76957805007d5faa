#include "sound/wave_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "sound/embedded_waves.h"
#include "sound/riff.h"

namespace tanukiban {

namespace {

// Reads a file the player put beside the program; the message says what is
// wrong with it, empty when the bytes are fit to hand to the library.
std::string readWaveFile(const std::filesystem::path& path, std::string_view fileName,
                         std::vector<unsigned char>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return quotedWaveName(fileName) + "を開けません。";
    unsigned char chunk[64 * 1024];
    std::size_t n = 0;
    while (bytes.size() <= kMaxWaveBytes && (n = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return quotedWaveName(fileName) + "を読み込めません。";
    if (bytes.empty()) return quotedWaveName(fileName) + "は空のファイルです。";
    if (bytes.size() > kMaxWaveBytes) return quotedWaveName(fileName) + "は大きすぎます。";
    if (bytes.size() < kRiffHeaderBytes || !hasRiffWaveTags(bytes.data())) {
        return quotedWaveName(fileName) + "はWAVファイルではありません。";
    }
    // Streaming writers leave the length at 0 or 0xFFFFFFFF.
    const std::uint64_t declared = declaredRiffLength(bytes.data());
    if (declared < kRiffHeaderBytes || declared > bytes.size()) {
        setDeclaredWaveSize(bytes.data(), bytes.size());
    }
    return {};
}

}  // namespace

std::string quotedWaveName(std::string_view fileName) {
    return "「" + std::string(fileName) + "」";
}

WaveImage findWave(std::string_view fileName) {
    WaveImage wave;
    const std::filesystem::path path(fileName);
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) {
        wave.problem = readWaveFile(path, fileName, wave.file);
        if (!wave.problem.empty()) wave.file.clear();
    } else {
        wave.builtIn = embeddedWave(fileName);
    }
    return wave;
}

}  // namespace tanukiban
