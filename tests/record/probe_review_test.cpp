// `tanukiban-probe --review FILE` on record files, run as the developer runs it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "engine/convert.h"
#include "record/record_writer.h"
#include "tests/record/record_support.h"
#include "tests/support/played_game.h"

namespace tanukiban {
namespace {

struct ProbeRun {
    int status = -1;
    std::string out;  // standard output and error together
};

ProbeRun review(const std::filesystem::path& file) {
    const std::string command =
        std::string(PROBE_PATH) + " --review '" + file.string() + "' --ms 5 2>&1";
    ProbeRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, n);
    run.status = ::pclose(pipe);
    return run;
}

// The first ply of a random game that leaves the mover's own king attacked.
int firstPlyLeavingTheKing(const testing::PlayedGame& g) {
    for (std::size_t k = 1; k < g.after.size(); ++k) {
        const GameState& s = g.after[k];
        const bool lowerMoved = isMan(s.手順.手順元駒[k]);
        const auto pos = engine::positionFromGame(s, lowerMoved ? engine::Upper : engine::Lower);
        if (pos && pos->kingCapture()) return static_cast<int>(k);
    }
    return 0;
}

TEST(ProbeReview, MarksThePlyThatLeavesTheKingABlunder) {
    testing::PlayedGame game;
    int k = 0;
    for (unsigned seed = 1; seed < 100 && k == 0; ++seed) {
        game = testing::playGame(seed, seed % 2 == 0, 40);
        k = firstPlyLeavingTheKing(game);
    }
    ASSERT_GT(k, 0);
    test::ScratchFolder folder;
    const GameState& upToIt = game.after[static_cast<std::size_t>(k)];
    ASSERT_EQ(writeRecordFile(upToIt, {folder.path(), "g", "", "", ""}), WriteStatus::Written);

    const ProbeRun run = review(folder / "g.棋譜");
    ASSERT_EQ(run.status, 0) << run.out;
    std::istringstream lines(run.out);
    std::string line;
    int ply = 0;
    nlohmann::json last;
    while (std::getline(lines, line)) {
        last = nlohmann::json::parse(line);
        EXPECT_EQ(last["ply"], ++ply);
        EXPECT_GE(last["loss"].get<int>(), 0);
    }
    EXPECT_EQ(ply, k);
    EXPECT_EQ(last["mark"], "blunder") << last;
    EXPECT_EQ(std::abs(last["after"].get<int>()), 30000 - 1) << "the king is taken next ply";
}

TEST(ProbeReview, RefusedFilesFailWithTheGamesMessage) {
    test::ScratchFolder folder;
    test::writeBytes(folder / "bad.棋譜",
                     "a\r\nb\r\nc\r\n 2424-800-100   0    0    3    0    0\r\n");
    for (const char* name : {"bad.棋譜", "missing.棋譜"}) {
        const ProbeRun run = review(folder / name);
        EXPECT_NE(run.status, 0) << name;
        EXPECT_NE(run.out.find("棋譜ﾌｧｲﾙ"), std::string::npos) << run.out;
        EXPECT_EQ(run.out.find('{'), std::string::npos) << run.out;
    }
}

}  // namespace
}  // namespace tanukiban
