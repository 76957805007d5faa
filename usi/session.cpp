#include "usi/session.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <utility>
#include <vector>

#include "engine/movegen.h"
#include "usi/notation.h"
#include "usi/words.h"

#ifndef TANUKIBAN_VERSION
#define TANUKIBAN_VERSION "0"
#endif

namespace tanukiban::usi {

using namespace engine;
using engine::Move;

namespace {

constexpr int kMaxMultiPv = 5;

std::optional<std::int64_t> number(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool sameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
        };
        return lower(x) == lower(y);
    });
}

std::string joined(const std::vector<std::string_view>& words, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i < to && i < words.size(); ++i) {
        if (!out.empty()) out += ' ';
        out += words[i];
    }
    return out;
}

}  // namespace

Session::Session(Output output, Clock clock, SessionConfig config)
    : output_(std::move(output)),
      clock_(std::move(clock)),
      config_(config),
      player_(random_, players::OnePlyPlayer::Manner::LegalOnly, clock_, config.hashMegabytes),
      mateSolver_(clock_, std::min<std::size_t>(config.hashMegabytes, 64)),
      hashMegabytes_(config.hashMegabytes) {
    player_.setLevel(players::MaxLevel);
    position_.start = position_.current = Position::initial();
}

Session::~Session() {
    finish();
}

void Session::say(std::string_view line) {
    const std::lock_guard lock(outputMutex_);
    output_(line);
}

bool Session::handle(std::string_view line) {
    const std::vector<std::string_view> words = splitWords(line);
    if (words.empty()) return true;
    const std::string_view command = words[0];
    if (command == "usi") {
        identify();
    } else if (command == "isready") {
        prepare();
        say("readyok");
    } else if (command == "setoption") {
        if (busy()) return say("info string options wait until the search ends"), true;
        setOption(line);
    } else if (command == "usinewgame") {
        if (busy()) return say("info string usinewgame waits until the search ends"), true;
        player_.searchPlayer().newGame();
    } else if (command == "position") {
        setPosition(line);
    } else if (command == "go") {
        go(line);
    } else if (command == "stop" || command == "gameover") {
        stop();
    } else if (command == "ponderhit") {
        ponderHit();
    } else if (command == "quit") {
        finish();
        return false;
    } else {
        say("info string unknown command: " + printable(command));
    }
    return true;
}

void Session::identify() {
    say("id name Tanukiban " TANUKIBAN_VERSION);
    say("id author Tanukiban developers");
    say("option name USI_Hash type spin default " + std::to_string(config_.hashMegabytes) +
        " min 1 max " + std::to_string(config_.maxHashMegabytes));
    say("option name Level type spin default 6 min 1 max 6");
    say("option name OwnBook type check default true");
    say("option name MultiPV type spin default 1 min 1 max " + std::to_string(kMaxMultiPv));
    say("option name USI_Variant type string default <empty>");
    say("usiok");
}

void Session::prepare() {
    // The table is taken at the first search; a search of one ply takes it
    // now, so that the first move's time goes to thinking.
    if (tableReady_ || busy()) return;
    player_.searchPlayer().prepare();
    tableReady_ = true;
}

void Session::setOption(std::string_view line) {
    const std::vector<std::string_view> words = splitWords(line);
    if (words.size() < 3 || words[1] != "name") {
        say("info string setoption needs a name");
        return;
    }
    const auto valueAt =
        std::find(words.begin() + 2, words.end(), std::string_view("value")) - words.begin();
    const std::string name = joined(words, 2, static_cast<std::size_t>(valueAt));
    const std::string value = joined(words, static_cast<std::size_t>(valueAt) + 1, words.size());
    const std::optional<std::int64_t> n = number(value);
    if (sameName(name, "USI_Hash")) {
        if (!n || *n < 1) {
            say("info string USI_Hash needs a number of megabytes");
            return;
        }
        const auto megabytes =
            std::min<std::int64_t>(*n, static_cast<std::int64_t>(config_.maxHashMegabytes));
        // Front ends send the size before every game; keep the table when it fits.
        if (static_cast<std::size_t>(megabytes) != hashMegabytes_) {
            player_.searchPlayer().setHashSize(static_cast<std::size_t>(megabytes));
            tableReady_ = false;
        }
        hashMegabytes_ = static_cast<std::size_t>(megabytes);
    } else if (sameName(name, "Level")) {
        if (!n || *n < players::MinLevel || *n > players::MaxLevel) {
            say("info string Level is 1 to 6");
            return;
        }
        player_.setLevel(static_cast<int>(*n));
    } else if (sameName(name, "OwnBook")) {
        if (value != "true" && value != "false") {
            say("info string OwnBook is true or false");
            return;
        }
        ownBook_ = value == "true";
    } else if (sameName(name, "MultiPV")) {
        if (!n || *n < 1 || *n > kMaxMultiPv) {
            say("info string MultiPV is 1 to " + std::to_string(kMaxMultiPv));
            return;
        }
        multiPv_ = static_cast<int>(*n);
    } else if (!sameName(name, "USI_Variant") && !sameName(name, "USI_Ponder")) {
        say("info string unknown option: " + printable(name));
    }
}

void Session::setPosition(std::string_view line) {
    std::string error, refused;
    std::optional<PositionText> read = readPositionUpToRefusal(line, &error, &refused);
    if (!read) {
        say("info string " + error + "; the position stays as it was");
        return;
    }
    if (!refused.empty()) say("info string refused " + refused + "; the moves before it stand");
    position_ = std::move(*read);
    // Kept, so that the next `go` resigns instead of searching an earlier position.
    if (position_.current.kingCapture())
        say("info string the side not to move is in check; position refused");
}

bool Session::busy() {
    const std::lock_guard lock(mutex_);
    return busy_;
}

void Session::go(std::string_view line) {
    // A search told to stop is about to answer: this go follows its bestmove.
    if (busy() && !thinker_.stopping()) {
        say("info string already thinking; go ignored");
        return;
    }
    thinker_.wait();
    const std::vector<std::string_view> words = splitWords(line);
    if (std::ranges::find(words, std::string_view("mate")) != words.end()) return goMate(words);
    const Color us = position_.current.sideToMove();
    TimeControl tc;
    bool timed = false, ponder = false, infinite = false;
    SearchLimits limits;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string_view w = words[i];
        if (w == "infinite") {
            infinite = true;
            continue;
        }
        if (w == "ponder") {
            ponder = true;
            continue;
        }
        const std::optional<std::int64_t> n =
            i + 1 < words.size() ? number(words[i + 1]) : std::nullopt;
        if (!n) {
            say("info string go: ignored " + printable(w));
            continue;
        }
        ++i;
        const std::int64_t value = std::max<std::int64_t>(0, *n);
        if (w == "btime" || w == "wtime") {
            if ((w == "btime") == (us == Lower)) tc.remaining = value;
            timed = true;
        } else if (w == "binc" || w == "winc") {
            if ((w == "binc") == (us == Lower)) tc.increment = value;
            timed = true;
        } else if (w == "byoyomi") {
            tc.byoyomi = value;
            timed = true;
        } else if (w == "movetime") {
            tc.movetime = value;
            timed = true;
        } else if (w == "depth") {
            limits.depth = static_cast<int>(std::min<std::int64_t>(value, MaxPly));
        } else if (w == "nodes") {
            limits.nodes = static_cast<std::uint64_t>(value);
        } else {
            say("info string go: ignored " + printable(w));
        }
    }
    limits.infinite = infinite;
    limits.multiPv = multiPv_;
    const bool limited = timed || infinite || limits.depth > 0 || limits.nodes > 0;
    const int level = player_.level();
    if (!limited)
        tc.movetime = players::levelThinkTime(players::searches(level) ? level : 4).count();
    if ((timed || !limited) && clock_) {
        const TimeBudget budget = timeBudget(tc);
        const TimePoint start = clock_();
        limits.softDeadline = start + budget.soft;
        limits.deadline = start + budget.hard;
    }
    if (config_.depthCap > 0)
        limits.depth =
            limits.depth > 0 ? std::min(limits.depth, config_.depthCap) : config_.depthCap;
    if (config_.nodeCap > 0)
        limits.nodes = limits.nodes > 0 ? std::min(limits.nodes, config_.nodeCap) : config_.nodeCap;
    // The front end owns its game's end: no move number draws a line here.
    {
        const std::lock_guard lock(mutex_);
        busy_ = true;
        hold_ = infinite || ponder;
        pondering_ = ponder;
        infinite_ = infinite;
    }
    if (players::searches(level)) tableReady_ = true;
    // Several lines, pondering and an endless search ask for the search itself.
    const bool book = ownBook_ && multiPv_ == 1 && !ponder && !infinite;
    player_.setBook(book ? config_.book : nullptr);
    const Position root = position_.current;
    players::Budget budget{limits,
                           [this, root](const SearchInfo& info) { say(infoLine(info, root)); }};
    thinker_.start(player_, players::turnOfPosition(root), std::move(budget),
                   [this, root](const players::Answer& a) { release(a, root); });
}

// On the thinker's thread: the answer waits for `stop` or `ponderhit` where asked.
void Session::release(const players::Answer& a, const Position& root) {
    {
        std::unique_lock lock(mutex_);
        released_.wait(lock, [&] { return !hold_; });
        busy_ = false;
    }
    // A position with a king en prise was refused when set: no move answers it.
    answer(root.kingCapture() ? Move() : a.best, a.ponder, root);
}

void Session::answer(Move best, Move ponder, const Position& root) {
    if (!best) {
        say("bestmove resign");
        return;
    }
    std::string line = "bestmove " + formatMove(root, best);
    const Piece taken = root.capturedBy(best);
    if (ponder && !(taken != NoPiece && kindOf(taken) == King)) {
        Position next = root;
        next.make(best);
        if (isLegal(next, ponder)) line += " ponder " + formatMove(next, ponder);
    }
    say(line);
}

std::string Session::infoLine(const SearchInfo& info, const Position& root) const {
    std::string line = "info depth " + std::to_string(info.depth) + " seldepth " +
                       std::to_string(std::max(info.seldepth, info.depth));
    if (info.multipv > 0) line += " multipv " + std::to_string(info.multipv);
    if (isMateScore(info.score)) {
        line += " score mate " + std::to_string(matePlies(info.score));
    } else {
        line += " score cp " + std::to_string(info.score);
    }
    const auto ms = static_cast<std::uint64_t>(std::max<std::int64_t>(0, info.time.count()));
    const std::uint64_t nps = ms > 0 ? info.nodes * 1000 / ms : 0;
    line += " nodes " + std::to_string(info.nodes) + " nps " + std::to_string(nps) + " time " +
            std::to_string(ms) + " hashfull " + std::to_string(info.hashfull);
    if (!info.pv.empty()) {
        line += " pv";
        Position pos = root;
        for (const Move m : info.pv) {
            const Piece taken = pos.capturedBy(m);
            if (!isLegal(pos, m)) break;
            line += ' ' + formatMove(pos, m);
            if (taken != NoPiece && kindOf(taken) == King) break;
            pos.make(m);
        }
    }
    return line;
}

void Session::stop() {
    {
        const std::lock_guard lock(mutex_);
        if (!busy_) return;
        hold_ = false;
        pondering_ = false;
    }
    thinker_.stop();
    released_.notify_all();
}

void Session::ponderHit() {
    {
        const std::lock_guard lock(mutex_);
        if (!busy_ || !pondering_) return;
        pondering_ = false;
        hold_ = infinite_;
    }
    released_.notify_all();
}

void Session::finish() {
    stop();
    thinker_.wait();
}

}  // namespace tanukiban::usi
