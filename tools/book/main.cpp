// tanukiban-book: builds the opening book from the initial position by the
// engine's own searches. The first mover's positions get the best move of a
// long search; the second mover's get its plausible replies, those a shorter
// search of several lines scores near its best. The file is written after
// every ply, so a build cut short still leaves a book.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/book.h"
#include "engine/movegen.h"
#include "engine/search.h"
#include "tools/arguments.h"

namespace {

using namespace tanukiban::engine;

const char kHelp[] =
    "usage: tanukiban-book --out FILE [options]\n"
    "  --plies N         plies from the initial position the book covers (default 8)\n"
    "  --all-plies N     the first N plies follow every legal move of both sides\n"
    "                    (default 0), so that the book meets games that open at random\n"
    "  --nodes N         nodes of the first mover's search (default 4000000)\n"
    "  --reply-nodes N   nodes of the second mover's search of its replies (default 500000)\n"
    "  --replies K       replies followed at most (default 3)\n"
    "  --margin CP       replies scored within CP of the best (default 60)\n"
    "  --hash MB         table size (default 64)\n"
    "  --add-to FILE     start from the book FILE, its positions not searched again\n"
    "  --deepen          with --add-to: search its positions again, replacing their moves\n";

struct Options {
    std::string out, addTo;
    bool deepen = false;
    long plies = 8, allPlies = 0, nodes = 4000000, replyNodes = 500000, replies = 3, margin = 60,
         hash = 64;
};

using tanukiban::tools::parseLong;

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        long* target = a == "--plies"         ? &o.plies
                       : a == "--all-plies"   ? &o.allPlies
                       : a == "--nodes"       ? &o.nodes
                       : a == "--reply-nodes" ? &o.replyNodes
                       : a == "--replies"     ? &o.replies
                       : a == "--margin"      ? &o.margin
                       : a == "--hash"        ? &o.hash
                                              : nullptr;
        if (a == "--out" && hasValue) {
            o.out = argv[++i];
        } else if (a == "--deepen") {
            o.deepen = true;
        } else if (a == "--add-to" && hasValue) {
            o.addTo = argv[++i];
        } else if (target && hasValue && parseLong(argv[i + 1], 0, 1000000000, *target)) {
            ++i;
        } else {
            return false;
        }
    }
    return !o.out.empty() && o.replies >= 1 && o.replies <= 16 && o.hash >= 1;
}

bool write(const Book& book, const std::string& path) {
    const std::vector<std::uint8_t> bytes = book.encode();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) return std::fputs(kHelp, stdout), 0;
    if (!parse(argc, argv, o)) return std::fputs(kHelp, stderr), 2;

    const auto started = std::chrono::steady_clock::now();
    Searcher searcher({}, static_cast<std::size_t>(o.hash));
    Book book;
    if (!o.addTo.empty()) {
        std::optional<Book> start = Book::load(o.addTo);
        if (!start) return std::fprintf(stderr, "cannot read the book %s\n", o.addTo.c_str()), 1;
        book = std::move(*start);
    }
    std::vector<Position> frontier{Position::initial()};
    for (long ply = 0; ply < o.plies && !frontier.empty(); ++ply) {
        const bool firstMover = ply % 2 == 0;
        std::vector<Position> next;
        std::set<Key> seen;
        for (const Position& pos : frontier) {
            if (!seen.insert(pos.key()).second || pos.kingCapture() || !hasLegalMove(pos)) continue;
            std::vector<Move> children;
            const Move known = o.deepen ? Move() : book.probe(pos);
            if (firstMover && known) {
                children.push_back(known);
            } else if (firstMover) {
                SearchLimits limits;
                limits.nodes = static_cast<std::uint64_t>(o.nodes);
                const SearchResult r = searcher.search(pos, limits);
                book.add(pos, r.best);
                children.push_back(r.best);
            } else if (ply >= o.allPlies) {
                SearchLimits limits;
                limits.nodes = static_cast<std::uint64_t>(o.replyNodes);
                limits.multiPv = static_cast<int>(o.replies);
                int best = -InfiniteScore;
                searcher.search(pos, limits, [&](const SearchInfo& info) {
                    // The last iteration's lines come last; keep only theirs.
                    if (info.multipv <= 1) children.clear(), best = info.score;
                    if (info.score >= best - o.margin && !info.pv.empty())
                        children.push_back(info.pv.front());
                });
            }
            if (ply < o.allPlies) {
                MoveList moves;
                generateMoves(pos, moves);
                children.assign(moves.begin(), moves.end());
            }
            for (const Move m : children) {
                next.push_back(pos);
                next.back().make(m);
            }
        }
        frontier = std::move(next);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        if (!write(book, o.out)) return std::fprintf(stderr, "cannot write %s\n", o.out.c_str()), 1;
        std::fprintf(stderr, "ply %ld done: %zu positions in the book, %zu to go on, %.0f s\n", ply,
                     book.size(), frontier.size(), seconds);
    }
    return 0;
}
