// tanukiban-selfplay: plays the computer against itself and prints wins,
// losses and draws per pairing; exits 1 on the first broken invariant.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tools/arguments.h"
#include "tools/selfplay/selfplay.h"

namespace {

const char kHelp[] =
    "usage: tanukiban-selfplay [options]\n"
    "  --games N          number of games (default 10); with --all-pairings the\n"
    "                     total, spread evenly over the nine pairings\n"
    "  --level-upper L    level 1..6 of the upper side (default 3)\n"
    "  --level-lower L    level 1..6 of the lower side (default 3)\n"
    "  --all-pairings     play every level 1..3 against every level 1..3\n"
    "  --first SIDE       who moves first: upper, lower or alternate (default)\n"
    "  --seed-offset K    start the random sequence K further on (default 0)\n"
    "  --random-opening N draw the first N plies of each game at random among the\n"
    "                     legal moves (default 0), seeded by the game's number\n"
    "  --swap-colours     play the games in pairs on the same opening, the two\n"
    "                     levels changing sides, and score the upper level's\n"
    "                     player against the lower level's\n"
    "  --time-scale X     levels 4..6 think X times their time (default 1)\n"
    "  --nodes N          levels 4..6 search N nodes a move instead\n"
    "  --upper-nodes N    the upper (lower) level's player alone searches N nodes\n"
    "  --lower-nodes N    a move: odds in effort that do not hang on the load\n"
    "  --depth N          levels 4..6 search to depth N instead\n"
    "  --upper-off LIST   parts of the upper player's search to switch off, by\n"
    "  --lower-off LIST   comma: null,lmr,futility,check,killers,history,aspiration,iir,\n"
    "                     lmp,razor\n"
    "  --upper-on LIST    parts to switch on, named alike\n"
    "  --lower-on LIST\n"
    "  --upper-weights F  the upper (lower) player's evaluation weights, a file of\n"
    "  --lower-weights F  whole numbers as tools/tune writes them\n"
    "  --upper-book F     the upper (lower) level 6 opens with the book file F\n"
    "  --lower-book F     (default: no book)\n"
    "  --jobs N           games played at once, 1 or 2 (default 1)\n"
    "  --show-moves       print every ply of every game\n"
    "  --help             this text\n"
    "A game ends when a king is captured, when a side has no move (it loses),\n"
    "or as a draw after 500 plies.\n";

struct Options {
    long games = 10;
    int upper = 3, lower = 3;
    bool allPairings = false;
    bool showMoves = false;
    bool swapColours = false;
    enum class First { Upper, Lower, Alternate } first = First::Alternate;
    unsigned long seedOffset = 0;
    long randomOpening = 0;
    long jobs = 1;
    tanukiban::EngineSide upperEngine, lowerEngine;
};

using tanukiban::tools::parseLong;

// Sets each named part of the search on or off.
bool parseFeatures(const std::string& list, bool on, tanukiban::engine::SearchFeatures& f) {
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = list.find(',', start);
        const std::string name =
            list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (name == "null") {
            f.nullMove = on;
        } else if (name == "lmr") {
            f.lateMoveReductions = on;
        } else if (name == "futility") {
            f.futility = on;
        } else if (name == "check") {
            f.checkExtension = on;
        } else if (name == "killers") {
            f.killers = on;
        } else if (name == "history") {
            f.history = on;
        } else if (name == "aspiration") {
            f.aspiration = on;
        } else if (name == "iir") {
            f.internalReduction = on;
        } else if (name == "lmp") {
            f.moveCountPruning = on;
        } else if (name == "razor") {
            f.razoring = on;
        } else {
            return false;
        }
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return true;
}

bool readWeights(const char* path, std::optional<tanukiban::engine::Weights>& out) {
    std::ifstream in(path);
    tanukiban::engine::Weights w{};
    for (int& v : w)
        if (!(in >> v)) return false;
    out = w;
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

// One game to play: its pairing, its number within it, and how.
struct Job {
    std::size_t pairing;
    long game;
    bool swapped;  // the upper level's player plays the lower side
    tanukiban::SelfPlayConfig config;
};

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
        } else if (a == "--swap-colours") {
            o.swapColours = true;
        } else if (a == "--games" && hasValue && parseLong(argv[i + 1], 1, 100000000, v)) {
            o.games = v;
            ++i;
        } else if (a == "--level-upper" && hasValue && parseLong(argv[i + 1], 1, 6, v)) {
            o.upper = static_cast<int>(v);
            ++i;
        } else if (a == "--level-lower" && hasValue && parseLong(argv[i + 1], 1, 6, v)) {
            o.lower = static_cast<int>(v);
            ++i;
        } else if (a == "--seed-offset" && hasValue && parseLong(argv[i + 1], 0, 4294967295L, v)) {
            o.seedOffset = static_cast<unsigned long>(v);
            ++i;
        } else if (a == "--random-opening" && hasValue && parseLong(argv[i + 1], 0, 500, v)) {
            o.randomOpening = v;
            ++i;
        } else if (a == "--jobs" && hasValue && parseLong(argv[i + 1], 1, 2, v)) {
            o.jobs = v;
            ++i;
        } else if (a == "--nodes" && hasValue && parseLong(argv[i + 1], 1, 1000000000, v)) {
            o.upperEngine.nodes = o.lowerEngine.nodes = static_cast<std::uint64_t>(v);
            ++i;
        } else if ((a == "--upper-nodes" || a == "--lower-nodes") && hasValue &&
                   parseLong(argv[i + 1], 1, 1000000000, v)) {
            (a == "--upper-nodes" ? o.upperEngine : o.lowerEngine).nodes =
                static_cast<std::uint64_t>(v);
            ++i;
        } else if (a == "--depth" && hasValue && parseLong(argv[i + 1], 1, 100, v)) {
            o.upperEngine.depth = o.lowerEngine.depth = static_cast<int>(v);
            ++i;
        } else if (a == "--time-scale" && hasValue) {
            char* end = nullptr;
            const double x = std::strtod(argv[++i], &end);
            if (end == argv[i] || *end != '\0' || !(x > 0 && x <= 100))
                return usageError("--time-scale takes a number above 0 and up to 100");
            o.upperEngine.timeScale = o.lowerEngine.timeScale = x;
        } else if ((a == "--upper-off" || a == "--lower-off" || a == "--upper-on" ||
                    a == "--lower-on") &&
                   hasValue) {
            auto& side = a.starts_with("--upper") ? o.upperEngine : o.lowerEngine;
            if (!parseFeatures(argv[++i], a.ends_with("-on"), side.features))
                return usageError(
                    "unknown search part in --upper-off, --lower-off, --upper-on or --lower-on");
        } else if ((a == "--upper-weights" || a == "--lower-weights") && hasValue) {
            auto& side = a == "--upper-weights" ? o.upperEngine : o.lowerEngine;
            if (!readWeights(argv[++i], side.weights))
                return usageError("cannot read a full set of weights");
        } else if ((a == "--upper-book" || a == "--lower-book") && hasValue) {
            auto& side = a == "--upper-book" ? o.upperEngine : o.lowerEngine;
            std::optional<tanukiban::engine::Book> book = tanukiban::engine::Book::load(argv[++i]);
            if (!book) return usageError("cannot read the book file");
            side.book = std::make_shared<const tanukiban::players::OpeningBook>(std::move(*book));
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

    std::vector<Job> jobs;
    const long n = static_cast<long>(pairings.size());
    for (long k = 0; k < n; ++k) {
        const Tally& t = pairings[static_cast<std::size_t>(k)];
        const long games = o.games / n + (k < o.games % n ? 1 : 0);
        for (long g = 0; g < games; ++g) {
            // With swapped colours a pair of games shares its opening and who
            // moves first; only the players change sides.
            const long round = o.swapColours ? g / 2 : g;
            const bool swapped = o.swapColours && g % 2 == 1;
            tanukiban::SelfPlayConfig config;
            config.upperLevel = swapped ? t.lower : t.upper;
            config.lowerLevel = swapped ? t.upper : t.lower;
            config.upperEngine = swapped ? o.lowerEngine : o.upperEngine;
            config.lowerEngine = swapped ? o.upperEngine : o.lowerEngine;
            config.upperFirst = o.first == Options::First::Upper ||
                                (o.first == Options::First::Alternate && round % 2 == 0);
            config.keepMoves = o.showMoves;
            config.randomOpeningPlies = static_cast<int>(o.randomOpening);
            config.openingSeed = static_cast<unsigned>(
                o.seedOffset * 1000003UL + static_cast<unsigned long>(k * 100000 + round));
            jobs.push_back({static_cast<std::size_t>(k), g, swapped, config});
        }
    }

    // One random sequence for the whole run, as in the game; games played at
    // once each draw from their own.
    tanukiban::RandomSequence shared(static_cast<std::uint32_t>(o.seedOffset));
    std::vector<tanukiban::SelfPlayResult> results(jobs.size());
    std::atomic<std::size_t> next{0};
    std::atomic<bool> broken{false};
    std::mutex printing;
    auto worker = [&] {
        for (std::size_t j; !broken && (j = next++) < jobs.size();) {
            const Job& job = jobs[j];
            tanukiban::RandomSequence own(static_cast<std::uint32_t>(o.seedOffset + 7919 * j));
            tanukiban::SelfPlayResult r =
                tanukiban::playSelfGame(job.config, o.jobs > 1 ? own : shared);
            const std::lock_guard<std::mutex> lock(printing);
            const Tally& t = pairings[job.pairing];
            const char* first = job.config.upperFirst ? "upper" : "lower";
            if (o.showMoves) {
                std::printf("game %ld, upper level %d, lower level %d, %s first\n", job.game + 1,
                            job.config.upperLevel, job.config.lowerLevel, first);
                for (const std::string& line : r.moves) std::printf("  %s\n", line.c_str());
            }
            if (!r.violation.empty()) {
                std::fprintf(stderr,
                             "tanukiban-selfplay: invariant broken in game %ld of upper level %d "
                             "against lower "
                             "level %d (%s first): %s\n",
                             job.game + 1, t.upper, t.lower, first, r.violation.c_str());
                broken = true;
            }
            results[j] = std::move(r);
        }
    };
    std::vector<std::thread> threads;
    for (long i = 1; i < o.jobs; ++i) threads.emplace_back(worker);
    worker();
    for (std::thread& t : threads) t.join();
    if (broken) return 1;

    for (std::size_t j = 0; j < jobs.size(); ++j) {
        const tanukiban::SelfPlayResult& r = results[j];
        Tally& t = pairings[jobs[j].pairing];
        // The upper level's player's view: a swapped game's lower side is it.
        const int winner = jobs[j].swapped ? -r.winner : r.winner;
        t.games += 1;
        t.plies += r.plies;
        t.choices += r.choices;
        t.seconds += r.choiceSeconds;
        if (winner > 0) {
            t.upperWins += 1;
        } else if (winner < 0) {
            t.lowerWins += 1;
        } else {
            t.draws += 1;
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
    if (o.swapColours) {
        // Who moves first weighs heavily in this game: a pair split one
        // each way says little, so the pairs and first-mover wins are shown.
        long both = 0, split = 0, neither = 0, firstWins = 0, decided = 0;
        for (std::size_t j = 0; j < jobs.size(); ++j) {
            const tanukiban::SelfPlayResult& r = results[j];
            if (r.winner != 0) {
                ++decided;
                if ((r.winner > 0) == jobs[j].config.upperFirst) ++firstWins;
            }
            if (jobs[j].swapped || j + 1 >= jobs.size() || !jobs[j + 1].swapped) continue;
            const int points = r.winner - results[j + 1].winner;  // the upper level's, −2..2
            if (points == 2) {
                ++both;
            } else if (points == -2) {
                ++neither;
            } else {
                ++split;
            }
        }
        std::printf(
            "pairs: %ld won both, %ld shared, %ld lost both; first mover won %ld of %ld "
            "decided games\n",
            both, split, neither, firstWins, decided);
        const Tally& t = pairings.front();
        const double points = static_cast<double>(t.upperWins) + 0.5 * static_cast<double>(t.draws);
        std::printf("level %d against level %d, colours swapped: W %ld D %ld L %ld, %.1f %%\n",
                    t.upper, t.lower, t.upperWins, t.draws, t.lowerWins,
                    t.games > 0 ? 100.0 * points / static_cast<double>(t.games) : 0.0);
    }
    return 0;
}
