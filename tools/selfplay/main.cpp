// tanukiban-selfplay: plays the computer against itself and prints wins,
// losses and draws per pairing; exits 1 on the first broken invariant.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tools/selfplay/selfplay.h"

namespace {

const char kHelp[] =
    "usage: tanukiban-selfplay [options]\n"
    "  --games N          number of games (default 10); with --all-pairings the\n"
    "                     total, spread evenly over the nine pairings\n"
    "  --level-upper L    level 1..3 of the upper side (default 3)\n"
    "  --level-lower L    level 1..3 of the lower side (default 3)\n"
    "  --all-pairings     play every level against every level\n"
    "  --first SIDE       who moves first: upper, lower or alternate (default)\n"
    "  --seed-offset K    start the random sequence K further on (default 0)\n"
    "  --random-opening N draw the first N plies of each game at random among the\n"
    "                     legal moves (default 0), seeded by the game's number\n"
    "  --show-moves       print every ply of every game\n"
    "  --help             this text\n"
    "A game ends when a king is captured, when a side has no move (it loses),\n"
    "or as a draw after 500 plies.\n";

struct Options {
    long games = 10;
    int upper = 3, lower = 3;
    bool allPairings = false;
    bool showMoves = false;
    enum class First { Upper, Lower, Alternate } first = First::Alternate;
    unsigned long seedOffset = 0;
    long randomOpening = 0;
};

bool parseLong(const char* text, long lo, long hi, long& out) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || v < lo || v > hi) return false;
    out = v;
    return true;
}

int usageError(const char* what) {
    std::fprintf(stderr, "tanukiban-selfplay: %s\n%s", what, kHelp);
    return 2;
}

struct Tally {
    int upper, lower;
    long games = 0, upperWins = 0, lowerWins = 0, draws = 0, plies = 0, choices = 0;
    double seconds = 0;
};

void printRow(const char* upper, const char* lower, const Tally& t) {
    const double avgPlies =
        t.games > 0 ? static_cast<double>(t.plies) / static_cast<double>(t.games) : 0;
    const double usPerMove = t.choices > 0 ? t.seconds * 1e6 / static_cast<double>(t.choices) : 0;
    std::printf("%5s %5s %6ld %10ld %10ld %6ld %9.1f %8.1f\n", upper, lower, t.games, t.upperWins,
                t.lowerWins, t.draws, avgPlies, usPerMove);
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        long v = 0;
        if (a == "--help" || a == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        } else if (a == "--show-moves") {
            o.showMoves = true;
        } else if (a == "--all-pairings") {
            o.allPairings = true;
        } else if (a == "--games" && hasValue && parseLong(argv[i + 1], 1, 100000000, v)) {
            o.games = v;
            ++i;
        } else if (a == "--level-upper" && hasValue && parseLong(argv[i + 1], 1, 3, v)) {
            o.upper = static_cast<int>(v);
            ++i;
        } else if (a == "--level-lower" && hasValue && parseLong(argv[i + 1], 1, 3, v)) {
            o.lower = static_cast<int>(v);
            ++i;
        } else if (a == "--seed-offset" && hasValue && parseLong(argv[i + 1], 0, 4294967295L, v)) {
            o.seedOffset = static_cast<unsigned long>(v);
            ++i;
        } else if (a == "--random-opening" && hasValue && parseLong(argv[i + 1], 0, 500, v)) {
            o.randomOpening = v;
            ++i;
        } else if (a == "--first" && hasValue) {
            const std::string side = argv[++i];
            if (side == "upper") {
                o.first = Options::First::Upper;
            } else if (side == "lower") {
                o.first = Options::First::Lower;
            } else if (side == "alternate") {
                o.first = Options::First::Alternate;
            } else {
                return usageError("--first takes upper, lower or alternate");
            }
        } else {
            return usageError(("bad option or value: " + a).c_str());
        }
    }

    std::vector<Tally> pairings;
    if (o.allPairings) {
        for (int u = 1; u <= 3; ++u) {
            for (int l = 1; l <= 3; ++l) pairings.push_back(Tally{u, l});
        }
    } else {
        pairings.push_back(Tally{o.upper, o.lower});
    }

    // One random sequence for the whole run, as in the game.
    tanukiban::RandomSequence random(static_cast<std::uint32_t>(o.seedOffset));
    const long n = static_cast<long>(pairings.size());
    for (long k = 0; k < n; ++k) {
        Tally& t = pairings[static_cast<std::size_t>(k)];
        const long games = o.games / n + (k < o.games % n ? 1 : 0);
        for (long g = 0; g < games; ++g) {
            tanukiban::SelfPlayConfig config;
            config.upperLevel = t.upper;
            config.lowerLevel = t.lower;
            config.upperFirst = o.first == Options::First::Upper ||
                                (o.first == Options::First::Alternate && g % 2 == 0);
            config.keepMoves = o.showMoves;
            config.randomOpeningPlies = static_cast<int>(o.randomOpening);
            config.openingSeed = static_cast<unsigned>(o.seedOffset * 1000003UL +
                                                       static_cast<unsigned long>(k * 100000 + g));
            const tanukiban::SelfPlayResult r = tanukiban::playSelfGame(config, random);
            if (o.showMoves) {
                std::printf("game %ld, upper level %d, lower level %d, %s first\n", g + 1, t.upper,
                            t.lower, config.upperFirst ? "upper" : "lower");
                for (const std::string& line : r.moves) std::printf("  %s\n", line.c_str());
            }
            if (!r.violation.empty()) {
                std::fprintf(stderr,
                             "tanukiban-selfplay: invariant broken in game %ld of upper level %d "
                             "against lower "
                             "level %d (%s first): %s\n",
                             g + 1, t.upper, t.lower, config.upperFirst ? "upper" : "lower",
                             r.violation.c_str());
                return 1;
            }
            t.games += 1;
            t.plies += r.plies;
            t.choices += r.choices;
            t.seconds += r.choiceSeconds;
            if (r.winner > 0) {
                t.upperWins += 1;
            } else if (r.winner < 0) {
                t.lowerWins += 1;
            } else {
                t.draws += 1;
            }
        }
    }

    std::printf("%5s %5s %6s %10s %10s %6s %9s %8s\n", "upper", "lower", "games", "upper-wins",
                "lower-wins", "draws", "avg-plies", "us/move");
    Tally total{0, 0};
    for (const Tally& t : pairings) {
        printRow(std::to_string(t.upper).c_str(), std::to_string(t.lower).c_str(), t);
        total.games += t.games;
        total.upperWins += t.upperWins;
        total.lowerWins += t.lowerWins;
        total.draws += t.draws;
        total.plies += t.plies;
        total.choices += t.choices;
        total.seconds += t.seconds;
    }
    if (pairings.size() > 1) printRow("all", "", total);
    return 0;
}
