// tanukiban-probe: JSON Lines on standard input, one answer a line; or the
// perft counts of the initial position; or a record file replayed.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "engine/movegen.h"
#include "tools/arguments.h"
#include "tools/probe/probe_line.h"
#include "tools/probe/record_mode.h"
#include "tools/probe/review_mode.h"

namespace {

int usage() {
    std::fputs(
        "usage: tanukiban-probe              (JSON Lines on standard input)\n"
        "       tanukiban-probe --perft N    (perft counts of depths 1..N, N 1..8)\n"
        "       tanukiban-probe --record FILE\n"
        "       tanukiban-probe --review FILE [--ms N]   (N ms a position, default 300)\n",
        stderr);
    return 2;
}

using tanukiban::tools::parseLong;

int runPerft(const char* arg) {
    long depth = 0;
    if (!parseLong(arg, 1, 8, depth)) return usage();
    tanukiban::engine::Position pos = tanukiban::engine::Position::initial();
    for (int d = 1; d <= depth; ++d) {
        std::printf("%d %llu\n", d,
                    static_cast<unsigned long long>(tanukiban::engine::perft(pos, d)));
        std::fflush(stdout);
    }
    return 0;
}

int runLines() {
    std::ios::sync_with_stdio(false);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::cout << tanukiban::probeLine(line) << '\n' << std::flush;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 1) return runLines();
    if (argc == 3 && std::strcmp(argv[1], "--perft") == 0) return runPerft(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--record") == 0) {
#ifdef TANUKIBAN_PROBE_RECORD_MODE
        return runRecordMode(argv[2]);
#else
        std::fputs("tanukiban-probe: this build cannot read record files\n", stderr);
        return 2;
#endif
    }
    if ((argc == 3 || argc == 5) && std::strcmp(argv[1], "--review") == 0) {
#ifdef TANUKIBAN_PROBE_RECORD_MODE
        long ms = 300;
        if (argc == 5 && (std::strcmp(argv[3], "--ms") != 0 || !parseLong(argv[4], 1, 60000, ms)))
            return usage();
        return runReviewMode(argv[2], ms);
#else
        std::fputs("tanukiban-probe: this build cannot read record files\n", stderr);
        return 2;
#endif
    }
    return usage();
}
