#include "usi/mate_command.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "engine/movegen.h"
#include "usi/notation.h"
#include "usi/position_text.h"
#include "usi/session.h"
#include "usi/words.h"

namespace tanukiban::usi {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Positions of our own self-play where the side to move mates in 3 to 13 plies.
constexpr const char* kMates[] = {
    "4P/2Bk1/1Sl2/3K1/5 b PT2G 1",  "3b1/lpk2/N4/5/K1t1P w gs 1",  "k2K1/nr3/2B2/l1B2/5 b TGp 1",
    "4k/1Tr2/N2S1/3K1/5 b PTgs 1",  "1k3/r1r2/5/1TNK1/5 b TGSs 1", "T2k1/2b2/2K2/1pB1n/5 w ptg 1",
    "p2st/5/1kt2/2N1R/1S1K1 w g 1", "1P1kt/K4/2Gb1/3S1/T3G b P 1", "1Sk1P/3t1/1S3/5/2K2 b PT2G 1",
    "1l3/2k2/3N1/4R/rBK2 w Gts 1",
};

// The answers of a session, kept for the test to wait on.
class Answers {
  public:
    Answers()
        : session_([this](std::string_view line) { keep(line); }, [] { return Clock::now(); }) {}

    void send(std::string_view line) { session_.handle(line); }

    std::optional<std::string> await(std::string_view prefix) {
        std::unique_lock lock(mutex_);
        const auto deadline = Clock::now() + 10s;
        for (;;) {
            for (; read_ < lines_.size(); ++read_)
                if (lines_[read_].starts_with(prefix)) return lines_[read_++];
            if (arrived_.wait_until(lock, deadline) == std::cv_status::timeout) return std::nullopt;
        }
    }

  private:
    void keep(std::string_view line) {
        {
            const std::lock_guard lock(mutex_);
            lines_.emplace_back(line);
        }
        arrived_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<std::string> lines_;
    std::size_t read_ = 0;
    Session session_;  // last, so that it stops before the lines go
};

// Every attacker move a check, every move legal, the defender mated at the end.
void expectMateLine(const std::string& sfen, const std::string& answer) {
    std::optional<engine::Position> pos = parseSfen(sfen);
    ASSERT_TRUE(pos);
    const std::vector<std::string_view> words = splitWords(answer);
    ASSERT_EQ(words[0], "checkmate");
    const std::size_t plies = words.size() - 1;
    EXPECT_TRUE(plies % 2 == 1 && plies <= 13) << answer;
    for (std::size_t i = 1; i < words.size(); ++i) {
        std::string error;
        const engine::Move m = parseMove(*pos, words[i], &error);
        ASSERT_TRUE(m) << answer << ": " << error;
        pos->make(m);
        EXPECT_TRUE(i % 2 == 0 || pos->inCheck())
            << answer << ": " << words[i] << " gives no check";
    }
    EXPECT_TRUE(pos->inCheck() && !engine::hasLegalMove(*pos)) << answer << ": not mate";
}

TEST(UsiMate, 詰みのある局面には手順を答える) {
    Answers a;
    for (const char* sfen : kMates) {
        a.send(std::string("position sfen ") + sfen);
        a.send("go mate 2000");
        const std::optional<std::string> answer = a.await("checkmate");
        ASSERT_TRUE(answer) << sfen;
        expectMateLine(sfen, *answer);
    }
}

TEST(UsiMate, 詰まない局面と打ち切りと不正な時間) {
    Answers a;
    a.send("position sfen 2k2/2b2/T1S2/2K2/4P b P 1");  // checks, but no mate
    a.send("go mate 2000");
    EXPECT_EQ(a.await("checkmate"), "checkmate nomate");

    // `stop` ends an endless search; the verdict may have come first.
    a.send("position sfen Ts1k1/5/1K3/2B1n/5 w T2pg 1");
    a.send("go mate infinite");
    a.send("stop");
    const std::optional<std::string> stopped = a.await("checkmate");
    ASSERT_TRUE(stopped);
    EXPECT_TRUE(*stopped == "checkmate timeout" || *stopped == "checkmate nomate") << *stopped;

    a.send("go mate soon");
    EXPECT_EQ(a.await("info string"),
              "info string go mate needs a time in milliseconds or infinite");
    // The king left en prise is taken at once.
    a.send("position sfen 2k2/2R2/5/5/2K2 b - 1");
    a.send("go mate 100");
    EXPECT_EQ(a.await("checkmate"), "checkmate 3b3a+");
}

}  // namespace
}  // namespace tanukiban::usi
