// Writes 駒打音.wav, 禁止.wav, その他.wav and BGM.wav into the given folder.

#include <cstdio>
#include <filesystem>

#include "tools/wavegen/effects.h"
#include "tools/wavegen/music.h"
#include "tools/wavegen/wavefile.h"

int main(int argc, char** argv) {
    using namespace tanukiban::wavegen;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const struct {
        const char* name;
        std::vector<double> samples;
        int rate;
    } files[] = {
        {"駒打音.wav", woodenClick(), kEffectRate},
        {"禁止.wav", lowBuzz(), kEffectRate},
        {"その他.wav", softChime(), kEffectRate},
        {"BGM.wav", backgroundMusic(), kMusicRate},
    };
    for (const auto& f : files) {
        if (!writeWave(folder / f.name, f.samples, f.rate)) {
            std::fprintf(stderr, "cannot write %s\n", (folder / f.name).c_str());
            return 1;
        }
    }
    return 0;
}
