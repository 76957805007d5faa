// Plays games of the engine against itself and, in every position, asks the
// mate solver and a brute-force mate search of a few plies whether the side
// to move mates. Any disagreement that the solver cannot be right in is
// printed and counted; so is every proven mate, with its SFEN and line.
//
//   tanukiban-matecheck [--games N] [--nodes N] [--solver-nodes N] [--plies N] [--seed N]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "engine/checks.h"
#include "engine/mate_solver.h"
#include "engine/movegen.h"
#include "engine/search.h"
#include "tools/matecheck/brute_mate.h"
#include "usi/notation.h"

namespace {

using namespace tanukiban;
using namespace tanukiban::engine;

struct Options {
    int games = 20;
    std::uint64_t nodes = 20000;
    std::uint64_t solverNodes = 200000;
    int plies = 5;
    unsigned seed = 1;
};

struct Tally {
    int positions = 0, proven = 0, disproven = 0, unknown = 0, bruteMates = 0, bothMate = 0;
    int badLines = 0, unconfirmed = 0, missed = 0, longer = 0;
    std::uint64_t solverNodes = 0;
    double solverSeconds = 0;
};

// Whether the line is a mate: every attacker move a check, every move
// legal, the defender left in check with no legal move.
bool isMateLine(Position pos, const std::vector<Move>& line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (!isLegal(pos, line[i])) return false;
        if (i % 2 == 0 && !givesCheck(pos, line[i])) return false;
        pos.make(line[i]);
    }
    return line.size() % 2 == 1 && pos.inCheck() && !hasLegalMove(pos);
}

std::string lineText(Position pos, const std::vector<Move>& line) {
    std::string out;
    for (const Move m : line) {
        out += ' ' + usi::formatMove(pos, m);
        pos.make(m);
    }
    return out;
}

void examine(const Position& pos, MateSolver& solver, const Options& o, Tally& t) {
    ++t.positions;
    MateLimits limits;
    limits.nodes = o.solverNodes;
    const auto start = std::chrono::steady_clock::now();
    const MateResult r = solver.solve(pos, limits);
    t.solverSeconds +=
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    t.solverNodes += r.nodes;
    Position probe = pos;
    const bool brute = mateWithin(probe, o.plies);
    t.bruteMates += brute;
    const std::string sfen = usi::formatSfen(pos);
    if (r.status == MateStatus::Proven) {
        ++t.proven;
        const int length = static_cast<int>(r.line.size());
        if (!isMateLine(pos, r.line)) {
            ++t.badLines;
            std::printf("BAD LINE %s:%s\n", sfen.c_str(), lineText(pos, r.line).c_str());
        }
        // The line is the longest defence, so the plain search must find a mate
        // within its length.
        if (length <= o.plies + 4 && !mateWithin(probe, length)) {
            ++t.unconfirmed;
            std::printf("UNCONFIRMED %s:%s\n", sfen.c_str(), lineText(pos, r.line).c_str());
        }
        // Not wrong, but a shorter mate was there to be shown.
        if (length >= 3 && length <= o.plies + 2 && mateWithin(probe, length - 2)) ++t.longer;
        std::printf("mate %d %s |%s\n", length, sfen.c_str(), lineText(pos, r.line).c_str());
    } else if (r.status == MateStatus::Disproven) {
        ++t.disproven;
    } else {
        ++t.unknown;
        std::printf("unknown %s\n", sfen.c_str());
    }
    t.bothMate += brute && r.status == MateStatus::Proven;
    if (brute && r.status == MateStatus::Disproven) {
        ++t.missed;
        std::printf("MISSED %s\n", sfen.c_str());
    }
}

void playGame(const Options& o, std::mt19937& random, MateSolver& solver, Tally& t) {
    Position pos = Position::initial();
    Searcher searcher({}, 8);
    for (int ply = 0; ply < 300; ++ply) {
        if (pos.kingCapture()) break;
        examine(pos, solver, o, t);
        MoveList moves;
        generateMoves(pos, moves);
        if (moves.size == 0) break;
        Move m;
        if (ply < 4) {
            m = moves.moves[random() % static_cast<unsigned>(moves.size)];
        } else {
            SearchLimits limits;
            limits.nodes = o.nodes;
            m = searcher.search(pos, limits).best;
        }
        if (!m || (pos.capturedBy(m) != NoPiece && kindOf(pos.capturedBy(m)) == King)) break;
        pos.make(m);
        if (pos.repeated()) break;
    }
}

bool readOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const char* name = argv[i];
        const long long value = std::atoll(argv[i + 1]);
        if (!std::strcmp(name, "--games"))
            o.games = static_cast<int>(value);
        else if (!std::strcmp(name, "--nodes"))
            o.nodes = static_cast<std::uint64_t>(value);
        else if (!std::strcmp(name, "--solver-nodes"))
            o.solverNodes = static_cast<std::uint64_t>(value);
        else if (!std::strcmp(name, "--plies"))
            o.plies = static_cast<int>(value);
        else if (!std::strcmp(name, "--seed"))
            o.seed = static_cast<unsigned>(value);
        else
            return false;
    }
    return argc % 2 == 1;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!readOptions(argc, argv, o)) {
        std::fprintf(stderr,
                     "usage: tanukiban-matecheck [--games N] [--nodes N] [--solver-nodes N] "
                     "[--plies N] [--seed N]\n");
        return 2;
    }
    std::mt19937 random(o.seed);
    MateSolver solver({}, 64);
    Tally t;
    for (int g = 0; g < o.games; ++g) playGame(o, random, solver, t);
    std::printf(
        "positions %d: proven %d, disproven %d, unknown %d; brute-force mates within %d plies "
        "%d, of which proven %d\n",
        t.positions, t.proven, t.disproven, t.unknown, o.plies, t.bruteMates, t.bothMate);
    std::printf(
        "bad lines %d, mates unconfirmed at their length %d, missed mates %d; lines longer than "
        "the shortest mate %d; "
        "solver %.0f nodes/s\n",
        t.badLines, t.unconfirmed, t.missed, t.longer,
        t.solverSeconds > 0 ? static_cast<double>(t.solverNodes) / t.solverSeconds : 0.0);
    return t.badLines || t.unconfirmed || t.missed ? 1 : 0;
}
