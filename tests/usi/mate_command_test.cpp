#include "usi/mate_command.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "engine/bench.h"
#include "engine/movegen.h"
#include "tests/support/rules_check.h"
#include "tests/usi/script.h"
#include "usi/notation.h"
#include "usi/position_text.h"
#include "usi/words.h"

namespace tanukiban::usi {
namespace {

using testing::rulesSeeCheck;

// Every attacker move a check, every move legal, the defender mated at the
// end: by the engine's rules and by the game's.
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
        EXPECT_TRUE(i % 2 == 0 || (pos->inCheck() && rulesSeeCheck(*pos, false)))
            << answer << ": " << words[i] << " gives no check";
    }
    EXPECT_TRUE(pos->inCheck() && !engine::hasLegalMove(*pos)) << answer << ": not mate";
    EXPECT_TRUE(rulesSeeCheck(*pos, true)) << answer << ": not mate by the game's test";
}

TEST(UsiMate, 詰みのある局面には手順を答える) {
    Script a;
    const std::vector<engine::Position> mates = engine::mateBenchPositions();
    ASSERT_EQ(mates.size(), 10u);
    for (const engine::Position& mate : mates) {
        const std::string sfen = formatSfen(mate);
        a.send("position sfen " + sfen);
        a.send("go mate 2000");
        const std::optional<std::string> answer = a.await("checkmate", 10s);
        ASSERT_TRUE(answer) << sfen;
        expectMateLine(sfen, *answer);
    }
}

TEST(UsiMate, 詰まない局面と打ち切りと不正な時間) {
    Script a;
    a.send("position sfen 2k2/2b2/T1S2/2K2/4P b P 1");  // checks, but no mate
    a.send("go mate 2000");
    EXPECT_EQ(a.await("checkmate", 10s), "checkmate nomate");

    // `stop` ends an endless search; the verdict may have come first.
    a.send("position sfen Ts1k1/5/1K3/2B1n/5 w T2pg 1");
    a.send("go mate infinite");
    a.send("stop");
    const std::optional<std::string> stopped = a.await("checkmate", 10s);
    ASSERT_TRUE(stopped);
    EXPECT_TRUE(*stopped == "checkmate timeout" || *stopped == "checkmate nomate") << *stopped;

    a.send("go mate soon");
    EXPECT_EQ(a.await("info string"),
              "info string go mate needs a time in milliseconds or infinite");
    // The king left en prise is taken at once.
    a.send("position sfen 2k2/2R2/5/5/2K2 b - 1");
    a.send("go mate 100");
    EXPECT_EQ(a.await("checkmate", 10s), "checkmate 3b3a+");
}

}  // namespace
}  // namespace tanukiban::usi
