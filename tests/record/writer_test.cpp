// Writing records: the example byte for byte, round trips of played games,
// and every refusal leaving the folder and the game as they were.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>
#include <string>

#include "record/navigation.h"
#include "record/record_format.h"
#include "record/record_reader.h"
#include "record/record_writer.h"
#include "tests/record/record_support.h"

namespace tanukiban {
namespace {

namespace fs = std::filesystem;
using test::kExampleBytes;
using test::ScratchFolder;

WriteRequest request(const fs::path& folder, std::string name) {
    // Text3 is the first player: here the lower side moves first.
    return {folder, std::move(name), "練習", "あなた", "ｺﾝﾋﾟｭｰﾀ"};
}

WriteRequest request(const ScratchFolder& folder, std::string name) {
    return request(folder.path(), std::move(name));
}

TEST(RecordWriter, WritesTheExampleByteForByte) {
    ScratchFolder folder;
    const GameState s = test::exampleGame();
    const WriteStatus status = writeRecordFile(s, request(folder, "練習"));
    ASSERT_EQ(status, WriteStatus::Written);
    EXPECT_EQ(writeNotice(status).text, "棋譜を書き込みました");
    EXPECT_EQ(test::readBytes(folder / "練習.棋譜"), kExampleBytes);
    // Only the record is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(RecordWriter, NamesGoByBoardSideWhicheverSideMovedFirst) {
    ScratchFolder folder;
    GameState s = test::playedGame(3, false, 4);
    ASSERT_EQ(s.手番MAN, 後手);
    // The upper side moved first: Text3 names the upper player.
    ASSERT_EQ(writeRecordFile(s, {folder.path(), "g", "題", "上手", "下手"}), WriteStatus::Written);
    const ReadResult r = readRecordFile(folder / "g.棋譜");
    EXPECT_EQ(r.record.header.upper, "上手");
    EXPECT_EQ(r.record.header.lower, "下手");
    // Read back into the panel's terms, the boxes are as they were typed.
    GameState loaded;
    applyRecord(loaded, r.record);
    const PanelTexts boxes = panelTexts(r.record.header, loaded.手番MAN);
    EXPECT_EQ(boxes.title, "題");
    EXPECT_EQ(boxes.firstPlayer, "上手");
    EXPECT_EQ(boxes.secondPlayer, "下手");
    EXPECT_EQ(panelTexts(parseRecord(kExampleBytes).record.header, 先手).firstPlayer, "あなた");
}

TEST(RecordWriter, TypedHeaderLinesLoseControlCharacters) {
    ScratchFolder folder;
    const GameState s = test::exampleGame();
    ASSERT_EQ(writeRecordFile(s, {folder.path(), "c", "練\r\n習\t", "あ\x1bな\x07た", "ｺﾝ\nﾋﾟｭｰﾀ"}),
              WriteStatus::Written);
    EXPECT_EQ(test::readBytes(folder / "c.棋譜"), kExampleBytes);
}

// Played games of both move orders, with captures of every pair by both
// sides and drops from all four stand columns, survive a write and a read.
TEST(RecordWriter, PlayedGamesRoundTrip) {
    ScratchFolder folder;
    std::set<int> capturedByMan, capturedByCom, dropColumns;
    for (unsigned seed = 1; seed <= 24; ++seed) {
        const bool manFirst = seed % 2 == 0;
        const GameState game = test::playedGame(seed, manFirst, 120);
        ASSERT_GT(game.手順数, 0);
        const std::string name = "game" + std::to_string(seed);
        ASSERT_EQ(writeRecordFile(game, {folder.path(), name, "t", "a", "b"}),
                  WriteStatus::Written);
        GameState loaded;
        初期設定(loaded);
        const ReadResult r = loadRecord(loaded, folder / (name + ".棋譜"));
        ASSERT_EQ(r.status, ReadStatus::Loaded) << seed;
        ASSERT_EQ(r.record.plies, game.手順数);
        EXPECT_EQ(loaded.手番MAN, game.手番MAN);
        for (int i = 1; i <= game.手順数; ++i) {
            EXPECT_EQ(moveLineFields(r.record.手順, i), moveLineFields(game.手順, i)) << i;
            const int captured = game.手順.手順取得駒[i];
            if (isCom(captured)) capturedByMan.insert(facePair(captured));
            if (isMan(captured)) capturedByCom.insert(facePair(captured));
            if (isStand(game.手順.手順元X[i])) dropColumns.insert(game.手順.手順元X[i]);
        }
        // Stepping through the record ends on the game's own position.
        for (int i = 0; i < r.record.plies; ++i)
            ASSERT_EQ(stepForward(loaded), StepStatus::Stepped);
        EXPECT_EQ(loaded.盤, game.盤);
        EXPECT_EQ(loaded.持駒MAN, game.持駒MAN);
        EXPECT_EQ(loaded.持駒COM, game.持駒COM);
        EXPECT_EQ(loaded.持駒数MAN, game.持駒数MAN);
        EXPECT_EQ(loaded.手番, game.手番);
        EXPECT_EQ(loaded.所有秒MAN, static_cast<int>(game.所有秒MAN));
        EXPECT_EQ(stepForward(loaded), StepStatus::EndOfRecord);
    }
    EXPECT_EQ(capturedByMan, (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(capturedByCom, (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(dropColumns, (std::set<int>{-3, -1, 7, 9}));
}

TEST(RecordWriter, AfterSteppingBackOnlyThePliesUpToThePositionAreWritten) {
    ScratchFolder folder;
    GameState s = test::playedGame(11, true, 10);
    ASSERT_EQ(s.手順数, 10);
    for (int i = 0; i < 7; ++i) stepBack(s);
    ASSERT_EQ(writeRecordFile(s, request(folder, "three")), WriteStatus::Written);
    const ReadResult r = readRecordFile(folder / "three.棋譜");
    EXPECT_EQ(r.record.plies, 3);
}

struct Refusal {
    std::string name;
    WriteStatus expected;
};

class WriterRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(WriterRefusal, TouchesNoFileAndChangesNothing) {
    ScratchFolder folder;
    test::writeBytes(folder / "old.棋譜", "old");
    GameState s = test::exampleGame();
    const GameState before = s;
    const WriteStatus status = writeRecordFile(s, request(folder, GetParam().name));
    EXPECT_EQ(status, GetParam().expected);
    EXPECT_TRUE(test::samePosition(s, before));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
    EXPECT_EQ(test::readBytes(folder / "old.棋譜"), "old");
}

INSTANTIATE_TEST_SUITE_P(Names, WriterRefusal,
                         ::testing::Values(Refusal{"", WriteStatus::NoFileName},
                                           Refusal{".", WriteStatus::BadFileName},
                                           Refusal{"..", WriteStatus::BadFileName},
                                           Refusal{"../old", WriteStatus::BadFileName},
                                           Refusal{"a/b", WriteStatus::BadFileName},
                                           Refusal{"a\\b", WriteStatus::BadFileName},
                                           Refusal{"a\nb", WriteStatus::BadFileName},
                                           Refusal{"tab\t", WriteStatus::BadFileName},
                                           Refusal{"\x7f", WriteStatus::BadFileName},
                                           Refusal{"\xff\xfe", WriteStatus::BadFileName},
                                           Refusal{std::string(300, 'x'), WriteStatus::Failed}));

TEST(RecordWriter, RefusalNoticesAndTheirOrder) {
    ScratchFolder folder;
    GameState empty;
    初期設定(empty);
    EXPECT_EQ(writeRecordFile(empty, request(folder, "")), WriteStatus::NoFileName);
    EXPECT_EQ(writeRecordFile(empty, request(folder, "a/b")), WriteStatus::BadFileName);
    EXPECT_EQ(writeRecordFile(empty, request(folder, "x")), WriteStatus::NothingToSave);
    EXPECT_FALSE(fs::exists(folder / "x.棋譜"));
    EXPECT_EQ(writeNotice(WriteStatus::NoFileName).text, "ﾌｧｲﾙ名が入力されていません");
    EXPECT_EQ(writeNotice(WriteStatus::NoFileName).title, "  ");
    EXPECT_EQ(writeNotice(WriteStatus::BadFileName).text, "ﾌｧｲﾙ名が正しくありません");
    EXPECT_EQ(writeNotice(WriteStatus::BadFileName).title, "  ");
    EXPECT_EQ(writeNotice(WriteStatus::NothingToSave).text, "保存するデータがありません");
    EXPECT_EQ(writeNotice(WriteStatus::NothingToSave).title, "棋譜保存");
    EXPECT_EQ(writeNotice(WriteStatus::Failed).text, "棋譜を書き込めませんでした");
    EXPECT_EQ(writeNotice(WriteStatus::Failed).title, "棋譜保存");
}

TEST(RecordWriter, AFailedWriteKeepsTheOldRecord) {
    ScratchFolder folder;
    const GameState s = test::exampleGame();
    // A folder in the way of the target.
    fs::create_directory(folder / "dir.棋譜");
    EXPECT_EQ(writeRecordFile(s, request(folder, "dir")), WriteStatus::Failed);
    EXPECT_TRUE(fs::is_directory(folder / "dir.棋譜"));
    // A folder that cannot be written to (unless we are all-powerful).
    if (::geteuid() != 0) {
        test::writeBytes(folder / "old.棋譜", "old");
        fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(writeRecordFile(s, request(folder, "old")), WriteStatus::Failed);
        fs::permissions(folder.path(), fs::perms::owner_all);
        EXPECT_EQ(test::readBytes(folder / "old.棋譜"), "old");
    }
    EXPECT_EQ(writeRecordFile(s, request(folder / "no-such-folder", "x")), WriteStatus::Failed);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()),
              ::geteuid() != 0 ? 2 : 1);
}

TEST(RecordWriter, OverwritesAnOldRecordKeepingItsPermissions) {
    ScratchFolder folder;
    test::writeBytes(folder / "練習.棋譜", "an older game");
    fs::permissions(folder / "練習.棋譜", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(writeRecordFile(test::exampleGame(), request(folder, "練習")), WriteStatus::Written);
    EXPECT_EQ(test::readBytes(folder / "練習.棋譜"), kExampleBytes);
    EXPECT_EQ(fs::status(folder / "練習.棋譜").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(RecordWriter, WritePanelIsRefusedAfterAFlipOrAHandicap) {
    GameState s;
    初期設定(s);
    EXPECT_EQ(writePanelStatus(s), WritePanelStatus::Allowed);
    EXPECT_FALSE(writePanelNotice(WritePanelStatus::Allowed));
    s.ハンデ設定済 = OK;
    EXPECT_EQ(writePanelStatus(s), WritePanelStatus::Handicapped);
    EXPECT_EQ(writePanelNotice(writePanelStatus(s))->text, "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません");
    s.反転済 = OK;
    EXPECT_EQ(writePanelStatus(s), WritePanelStatus::Flipped);
    EXPECT_EQ(writePanelNotice(writePanelStatus(s))->text, "反転後は書き込みできません");
    EXPECT_EQ(writePanelNotice(writePanelStatus(s))->title, "棋譜書込");
}

}  // namespace
}  // namespace tanukiban
