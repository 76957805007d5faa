// `tanukiban-probe --record FILE` reports what the game's own reader makes of
// a file.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "record/record_format.h"
#include "record/record_reader.h"
#include "record/record_writer.h"
#include "tests/record/record_support.h"
#include "tools/selfplay/selfplay.h"

namespace tanukiban {
namespace {

nlohmann::json probe(const std::filesystem::path& file) {
    const std::string command = std::string(PROBE_PATH) + " --record '" + file.string() + "'";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return nullptr;
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    EXPECT_EQ(::pclose(pipe), 0);
    return nlohmann::json::parse(out);
}

TEST(ProbeRecord, ReportsTheExample) {
    test::ScratchFolder folder;
    test::writeBytes(folder / "ex.棋譜", test::kExampleBytes);
    const auto j = probe(folder / "ex.棋譜");
    EXPECT_EQ(j["ok"], true);
    EXPECT_EQ(j["title"], "練習");
    EXPECT_EQ(j["upper"], "ｺﾝﾋﾟｭｰﾀ");
    EXPECT_EQ(j["lower"], "あなた");
    EXPECT_EQ(j["plies"], 2);
    EXPECT_EQ(j["moves"][0], nlohmann::json({2, 5, 2, 4, -800, -100, 0, 0, 3, 0, 0}));
    EXPECT_EQ(j["moves"][1], nlohmann::json({2, 1, 2, 2, 30, 110, 0, 3, 3, 0, 2}));
    EXPECT_EQ(j["final"]["board"][1], nlohmann::json({0, 30, 0, 0, 0}));
    EXPECT_EQ(j["final"]["board"][3], nlohmann::json({0, -800, 0, 0, 0}));
    EXPECT_EQ(j["final"]["hand_man"], nlohmann::json({0, 0, 0, 0}));
}

TEST(ProbeRecord, FinalPositionOfAPlayedGameWithCaptures) {
    test::ScratchFolder folder;
    const GameState game = test::playedGame(12, true, 40);
    ASSERT_EQ(writeRecordFile(game, {folder.path(), "g", "", "", ""}), WriteStatus::Written);
    const auto j = probe(folder / "g.棋譜");
    ASSERT_EQ(j["ok"], true);
    EXPECT_EQ(j["plies"], game.手順数);
    for (int y = 1; y <= 5; ++y) {
        for (int x = 1; x <= 5; ++x) EXPECT_EQ(j["final"]["board"][y - 1][x - 1], game.盤[x][y]);
    }
    for (int pair = 1; pair <= 4; ++pair) {
        EXPECT_EQ(j["final"]["hand_man"][pair - 1], game.持駒MAN[pair]);
        EXPECT_EQ(j["final"]["hand_com"][pair - 1], game.持駒COM[pair]);
    }
}

TEST(ProbeRecord, RefusedFilesGiveTheGamesMessage) {
    test::ScratchFolder folder;
    test::writeBytes(folder / "bad.棋譜",
                     "a\r\nb\r\nc\r\n 2424-800-100   0    0    3    0    0\r\n");
    EXPECT_EQ(probe(folder / "bad.棋譜"),
              nlohmann::json({{"ok", false}, {"error", "棋譜ﾌｧｲﾙが正しくありません"}}));
    EXPECT_EQ(probe(folder / "missing.棋譜"),
              nlohmann::json({{"ok", false}, {"error", "棋譜ﾌｧｲﾙを開けません"}}));
}

// One seed of each kind of file that play cannot produce.
TEST(ProbeRecord, RefusesWhatPlayCannotProduce) {
    int seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SEEDS_PATH)) {
        if (!entry.path().filename().string().starts_with("refused-")) continue;
        ++seen;
        EXPECT_EQ(probe(entry.path()),
                  nlohmann::json({{"ok", false}, {"error", "棋譜ﾌｧｲﾙが正しくありません"}}))
            << entry.path();
    }
    EXPECT_EQ(seen, 5);
}

// Games of the computer against itself, with random openings, either side
// first, ended by a taken king, a side without a move or the ply limit. Each
// is read back in process; every tenth also through the probe.
TEST(ProbeRecord, EveryPlayedGameReadsBack) {
    test::ScratchFolder folder;
    RandomSequence random;
    for (unsigned n = 0; n < 200; ++n) {
        SelfPlayConfig config;
        config.upperLevel = config.lowerLevel = 1;
        config.upperFirst = n % 2 == 0;
        config.randomOpeningPlies = 8;
        config.openingSeed = n;
        const SelfPlayResult game = playSelfGame(config, random);
        ASSERT_EQ(game.violation, "");
        const GameState& s = game.position;
        nlohmann::json moves = nlohmann::json::array();
        for (int i = 1; i <= s.手順数; ++i) moves.push_back(moveLineFields(s.手順, i));

        const ReadResult read = parseRecord(*encodeRecord(s, "", "", ""));
        ASSERT_EQ(read.status, ReadStatus::Loaded) << "game " << n;
        ASSERT_EQ(read.record.plies, s.手順数);
        for (int i = 1; i <= s.手順数; ++i) {
            ASSERT_EQ(moves[i - 1], nlohmann::json(moveLineFields(read.record.手順, i)));
        }
        if (n % 10 != 0) continue;
        ASSERT_EQ(writeRecordFile(s, {folder.path(), "g", "", "", ""}), WriteStatus::Written);
        const auto j = probe(folder / "g.棋譜");
        ASSERT_EQ(j["ok"], true) << "game " << n;
        EXPECT_EQ(j["moves"], moves);
        for (int y = 1; y <= 5; ++y) {
            for (int x = 1; x <= 5; ++x) EXPECT_EQ(j["final"]["board"][y - 1][x - 1], s.盤[x][y]);
        }
    }
}

}  // namespace
}  // namespace tanukiban
