#include "usi/session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/one_move_book.h"
#include "tests/usi/script.h"
#include "usi/notation.h"
#include "usi/position_text.h"

namespace tanukiban::usi {
namespace {

// The move of a bestmove line, checked against the position it answers.
void expectLegalAnswer(const std::optional<std::string>& line, std::string_view position) {
    ASSERT_TRUE(line);
    const auto pos = readPosition(position);
    ASSERT_TRUE(pos);
    const std::string move = line->substr(9, line->find(' ', 9) - 9);
    std::string error;
    EXPECT_TRUE(parseMove(pos->current, move, &error)) << *line << ": " << error;
}

TEST(UsiSession, 一局分のやりとり) {
    Script s;
    s.send("usi");
    const auto name = s.await("id name ");
    ASSERT_TRUE(name);
    EXPECT_TRUE(name->starts_with("id name Tanukiban "));
    EXPECT_TRUE(s.await("usiok"));
    s.send("setoption name USI_Variant value anything");
    s.send("isready");
    EXPECT_EQ(s.unread(), std::vector<std::string>{"readyok"});
    s.send("usinewgame");

    // The same two plies in either spelling.
    for (const char* moves : {"1e1d+ 5a5b+", "1e1d 5a5b-"}) {
        s.send(std::string("position startpos moves ") + moves);
        s.send("go movetime 100");
        EXPECT_TRUE(s.await("info depth "));  // progress comes before the answer
        expectLegalAnswer(s.await("bestmove "), "startpos moves 1e1d+ 5a5b+");
    }

    s.send("go infinite");
    std::this_thread::sleep_for(100ms);
    EXPECT_FALSE(s.await("bestmove ", 0s)) << "an endless search answered by itself";
    s.send("stop");
    expectLegalAnswer(s.await("bestmove "), "startpos moves 1e1d+ 5a5b+");

    EXPECT_FALSE(s.send("quit"));
    EXPECT_TRUE(s.unread().empty());
}

// Stopping an endless search answers at once; a busy machine may delay one
// attempt, so the best of three counts.
TEST(UsiSessionTiming, stopに20ミリ秒以内に答える) {
    Script s;
    s.send("position startpos");
    auto fastest = Clock::duration::max();
    for (int attempt = 0; attempt < 3; ++attempt) {
        s.send("go infinite");
        std::this_thread::sleep_for(100ms);
        const auto start = Clock::now();
        s.send("stop");
        expectLegalAnswer(s.await("bestmove "), "startpos");
        fastest = std::min(fastest, Clock::now() - start);
    }
    EXPECT_LT(fastest, 20ms);
}

// Taking the king is answered at once at every level; a side with no move resigns.
TEST(UsiSession, 答えの決まる局面と一手読みのレベル) {
    Script s;
    for (const char* level : {"6", "2"}) {
        s.send(std::string("setoption name Level value ") + level);
        // The side not to move in check: no position of a game, refused.
        s.send("position sfen 4k/4R/5/5/K4 b - 1");
        EXPECT_EQ(s.await("info string "),
                  "info string the side not to move is in check; position refused");
        s.send("go");
        EXPECT_EQ(s.await("bestmove "), "bestmove resign") << level;
        s.send("position sfen r3k/5/5/g4/K4 b - 1");
        s.send("go btime 1000 wtime 1000");
        EXPECT_EQ(s.await("bestmove "), "bestmove resign") << level;
    }
    // The one-ply player answers for both sides.
    for (const char* position : {"startpos", "startpos moves 1e1d+", "sfen 2k2/5/5/5/2K2 w PT 1"}) {
        s.send(std::string("position ") + position);
        s.send("go byoyomi 1000");
        expectLegalAnswer(s.await("bestmove "), position);
    }
}

TEST(UsiSession, 指せない手の前までの局面が残る) {
    Script s;
    s.send("position startpos moves 1e1d+ 5a5b+");
    s.send("position startpos moves 3e3d 1e1c+");
    EXPECT_EQ(s.await("info string "),
              "info string refused move 2: illegal move: 1e1c+; the moves before it stand");
    s.send("go depth 3");
    expectLegalAnswer(s.await("bestmove "), "startpos moves 3e3d");
    // The refused word is quoted whole.
    s.send("position startpos moves 1e1d+ 5a5b+ 1d1c+4a4b+5b5c+");
    EXPECT_EQ(s.await("info string "),
              "info string refused move 3: not a move: 1d1c+4a4b+5b5c+; the moves before it "
              "stand");
    s.send("go depth 3");
    expectLegalAnswer(s.await("bestmove "), "startpos moves 1e1d+ 5a5b+");
}

TEST(UsiSession, 不正な入力は一行の知らせで無視する) {
    Script s;
    s.send("position sfen r3k/5/5/g4/K4 b - 1");
    for (const char* line :
         {"hello", "\x01\xff", "position sfen 2k2/2R2 b", "position startpos extra", "position",
          "setoption", "setoption name Level value 9", "setoption name Hash value x",
          "setoption name USI_Hash value -5", "setoption name MultiPV value 6"}) {
        s.send(line);
        const std::vector<std::string> answer = s.unread();
        ASSERT_EQ(answer.size(), 1u) << line;
        EXPECT_TRUE(answer[0].starts_with("info string ")) << line;
        EXPECT_EQ(answer[0].find_first_of("\r\n\x01\xff"), std::string::npos);
    }
    s.send("");
    s.send("go depth 2 nodes x movetime");
    // The position stayed the one set first: the lower side is mated.
    EXPECT_EQ(s.await("bestmove "), "bestmove resign");

    // End of input during a search: it is stopped and answers.
    s.send("position startpos");
    s.send("go infinite");
    s.send("go depth 1");
    EXPECT_TRUE(s.await("info string already thinking"));
    s.session().finish();
    expectLegalAnswer(s.await("bestmove ", 0s), "startpos");
}

// A go sent straight after stop runs once the stopped search has answered;
// and the front end owns its game's end, so a late move number draws nothing.
TEST(UsiSession, 止めた直後のgoは待って走り手数は読みを縛らない) {
    Script s;
    s.send("position sfen p2kt/3b1/1T3/g1BN1/2K1P b - 600");
    s.send("go infinite");
    s.send("stop");
    s.send("go depth 4");
    EXPECT_TRUE(s.await("bestmove ", 2s));
    EXPECT_EQ(s.await("bestmove ", 5s), "bestmove 2d3b+") << "the mate, not a draw at move 600";
    for (const std::string& line : s.unread())
        EXPECT_FALSE(line.starts_with("info string already thinking"));
}

// One line of a `multipv` report: its rank, score (a mate as ±(100000 −
// plies)) and moves.
struct ReportedLine {
    int rank = 0;
    int score = 0;
    std::vector<std::string> pv;
};

ReportedLine readLine(const std::string& info) {
    ReportedLine out;
    std::istringstream in(info);
    std::string word;
    while (in >> word) {
        if (word == "multipv") {
            in >> out.rank;
        } else if (word == "score") {
            std::string kind;
            in >> kind >> out.score;
            if (kind == "mate")
                out.score = out.score > 0 ? 100000 - out.score : -100000 - out.score;
        } else if (word == "pv") {
            while (in >> word) out.pv.push_back(word);
        }
    }
    return out;
}

// The lines of the last iteration before the answer, and the answer.
std::pair<std::vector<ReportedLine>, std::string> lastReport(Script& s) {
    std::vector<std::string> infos;
    for (;;) {
        const auto line = s.await("", 10s);
        if (!line) return {};
        if (line->starts_with("bestmove ")) {
            std::vector<ReportedLine> lines;
            const std::string depth =
                infos.empty() ? "" : infos.back().substr(0, infos.back().find(" seldepth"));
            for (const std::string& info : infos)
                if (info.substr(0, info.find(" seldepth")) == depth)
                    lines.push_back(readLine(info));
            return {lines, *line};
        }
        if (line->starts_with("info depth ")) infos.push_back(*line);
    }
}

// OwnBook answers from the book at once; switched off, or for several lines,
// the search answers.
TEST(UsiSession, OwnBookは本の手を指し切れば読む) {
    auto [start, booked, book] = testing::oneMoveBook();
    const players::OpeningBook opening(std::move(book));
    SessionConfig config;
    config.book = &opening;
    Script s(config);
    s.send("usi");
    EXPECT_TRUE(s.await("option name OwnBook type check default true"));
    EXPECT_TRUE(s.await("usiok"));
    s.send("position startpos");
    s.send("go nodes 5000");
    EXPECT_EQ(s.await(""), "bestmove " + formatMove(start, booked)) << "searched first";

    for (const char* option : {"OwnBook value false", "OwnBook value true"}) {
        s.send(std::string("setoption name ") + option);
        if (std::string_view(option).ends_with("true")) s.send("setoption name MultiPV value 2");
        s.send("go nodes 5000");
        EXPECT_TRUE(s.await("info depth ")) << option;
        expectLegalAnswer(s.await("bestmove "), "startpos");
    }
    s.send("setoption name OwnBook value maybe");
    EXPECT_EQ(s.await("info string "), "info string OwnBook is true or false");
}

// Several lines: distinct legal moves best first, the answer line 1's; no
// more lines than moves; and one line reports as it always did.
TEST(UsiSession, MultiPVは異なる手を良い順に示す) {
    Script s;
    s.send("setoption name MultiPV value 3");
    const std::string position = "startpos moves 1e1d+ 5a5b+";
    s.send("position " + position);
    s.send("go depth 5");
    const auto [lines, best] = lastReport(s);
    ASSERT_EQ(lines.size(), 3u) << best;
    std::vector<std::string> firsts;
    for (std::size_t j = 0; j < lines.size(); ++j) {
        EXPECT_EQ(lines[j].rank, static_cast<int>(j) + 1);
        if (j > 0) {
            EXPECT_GE(lines[j - 1].score, lines[j].score);
        }
        ASSERT_FALSE(lines[j].pv.empty());
        firsts.push_back(lines[j].pv.front());
        auto pos = readPosition("position " + position);
        ASSERT_TRUE(pos);
        for (const std::string& text : lines[j].pv) {
            std::string error;
            const engine::Move m = parseMove(pos->current, text, &error);
            // A line may end by taking the king, which is never made.
            if (!m && &text == &lines[j].pv.back() && pos->current.kingCapture()) break;
            ASSERT_TRUE(m) << text << ": " << error;
            pos->current.make(m);
        }
    }
    std::ranges::sort(firsts);
    EXPECT_EQ(std::adjacent_find(firsts.begin(), firsts.end()), firsts.end());
    EXPECT_EQ(best.substr(9, best.find(' ', 9) - 9), lines[0].pv.front());

    // The king has two moves: beside the rook, or taking it.
    s.send("position sfen 4k/5/5/r4/K4 b - 1");
    s.send("go depth 3");
    EXPECT_EQ(lastReport(s).first.size(), 2u);

    s.send("setoption name MultiPV value 1");
    s.send("position " + position);
    s.send("go depth 3");
    const auto [single, answer] = lastReport(s);
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0].rank, 0) << "a single line names no rank";
}

}  // namespace
}  // namespace tanukiban::usi
