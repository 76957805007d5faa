// tanukiban-tune: plays the engine against itself, keeps the quiet positions
// with each game's result, fits the evaluation weights to them, and writes
// the weights as a plain list and as engine/weights.h.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "tools/tune/fit.h"
#include "tools/tune/games.h"

namespace {

const char kHelp[] =
    "usage: tanukiban-tune [options]\n"
    "  --games N        self-play games to learn from (default 1000)\n"
    "  --nodes N        nodes a move in those games (default 3000)\n"
    "  --threads N      games played at once (default 2)\n"
    "  --seed N         seed of the random openings (default 1)\n"
    "  --weights FILE   weights to play with and start from (default: the built-in)\n"
    "  --epochs N       passes of the fit (default 400)\n"
    "  --out FILE       write the fitted weights as whole numbers, one a line\n"
    "  --header FILE    write them as a C++ header like engine/weights.h\n";

bool readWeights(const char* path, tanukiban::engine::Weights& w) {
    std::ifstream in(path);
    for (int& v : w)
        if (!(in >> v)) return false;
    return true;
}

void writeList(const char* path, const tanukiban::engine::Weights& w) {
    std::ofstream out(path);
    for (int v : w) out << v << '\n';
}

void writeHeader(const char* path, const tanukiban::engine::Weights& w) {
    std::ofstream out(path);
    out << "#pragma once\n"
           "// The evaluation's weights in centipawns, in the order of evaluate.h's terms.\n"
           "// Written by tools/tune from self-play results.\n"
           "#include \"engine/evaluate.h\"\n\n"
           "namespace tanukiban::engine {\n\n"
           "inline Weights tunedWeights() {\n"
           "    return {\n";
    for (std::size_t i = 0; i < w.size(); i += 12) {
        out << "       ";
        for (std::size_t j = i; j < std::min(w.size(), i + 12); ++j) out << ' ' << w[j] << ',';
        out << '\n';
    }
    out << "    };\n}\n\n}  // namespace tanukiban::engine\n";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tanukiban;
    tune::GameSettings games;
    tune::FitSettings fit;
    const char* outPath = nullptr;
    const char* headerPath = nullptr;
    for (int i = 1; i < argc; i += 2) {
        const std::string a = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (a == "--help") {
            std::fputs(kHelp, stdout);
            return 0;
        } else if (!value) {
            std::fprintf(stderr, "tanukiban-tune: %s needs a value\n%s", a.c_str(), kHelp);
            return 2;
        } else if (a == "--games") {
            games.games = std::atoi(value);
        } else if (a == "--nodes") {
            games.nodes = std::strtoull(value, nullptr, 10);
        } else if (a == "--threads") {
            games.threads = std::max(1, std::atoi(value));
        } else if (a == "--seed") {
            games.seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
        } else if (a == "--epochs") {
            fit.epochs = std::atoi(value);
        } else if (a == "--weights") {
            if (!readWeights(value, games.weights)) {
                std::fprintf(stderr, "tanukiban-tune: cannot read weights from %s\n", value);
                return 2;
            }
        } else if (a == "--out") {
            outPath = value;
        } else if (a == "--header") {
            headerPath = value;
        } else {
            std::fprintf(stderr, "tanukiban-tune: unknown option %s\n%s", a.c_str(), kHelp);
            return 2;
        }
    }

    tune::GameTally tally;
    std::vector<tune::Sample> samples = tune::playGames(games, tally);
    std::printf("games: lower side won %d, upper side won %d, drawn %d; %zu positions\n",
                tally.lowerWins, tally.upperWins, tally.draws, samples.size());
    if (samples.size() < 100) {
        std::fprintf(stderr, "tanukiban-tune: too few positions to fit\n");
        return 1;
    }
    // A tenth of the positions is held back to see that the fit generalises.
    std::shuffle(samples.begin(), samples.end(), std::mt19937(games.seed));
    const std::size_t held = samples.size() / 10;
    const std::vector<tune::Sample> test(samples.begin(),
                                         samples.begin() + static_cast<long>(held));
    samples.erase(samples.begin(), samples.begin() + static_cast<long>(held));

    const double k = tune::fitScale(samples, games.weights);
    std::printf("scale k = %.5f; error before: train %.5f, held back %.5f\n", k,
                tune::meanError(samples, games.weights, k),
                tune::meanError(test, games.weights, k));
    const engine::Weights fitted = tune::fitWeights(samples, games.weights, k, fit);
    std::printf("error after: train %.5f, held back %.5f\n", tune::meanError(samples, fitted, k),
                tune::meanError(test, fitted, k));
    if (outPath) writeList(outPath, fitted);
    if (headerPath) writeHeader(headerPath, fitted);
    return 0;
}
