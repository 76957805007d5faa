// The record file panel: reading and writing game records.
#include <filesystem>
#include <string>

#include "flow/drawing.h"
#include "flow/game.h"
#include "flow/record_header.h"
#include "record/record_reader.h"
#include "record/record_writer.h"

namespace tanukiban {

namespace {

constexpr RecordBox kBoxes[] = {RecordBox::Text1, RecordBox::Text2, RecordBox::Text3,
                                RecordBox::Text4};

// The panel hands names over as UTF-8; the path keeps them byte for byte.
std::filesystem::path pathOf(const std::string& utf8) {
    return std::filesystem::path(utf8);
}

}  // namespace

void Game::closeRecordPanel() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
}

void Game::showNotice(const Notice& notice) {
    if (notice.refusalSound) play(sounds_.音_禁止);
    platform_.showMessage(notice.text, notice.title);
}

void Game::描画_可視(bool a, bool b, bool c) {
    platform_.recordPanel().setListsVisible(a, b, c);
}

void Game::描画_棋譜_IO(int フラグ) {
    RecordPanel& panel = platform_.recordPanel();
    if (フラグ == 0) {
        panel.setWritePanelVisible(true);
        return;
    }
    for (RecordBox box : kBoxes) panel.setText(box, "");
    panel.setWritePanelVisible(false);
}

void Game::KIFU_READ_Click() {
    描画_可視(true, true, true);
    描画_棋譜_IO(1);
}

void Game::KIFU_WRITE_Click() {
    const WritePanelStatus status = writePanelStatus(state_);
    if (auto refusal = writePanelNotice(status)) {
        showNotice(*refusal);
        return;
    }
    描画_可視(true, true, false);
    描画_棋譜_IO(0);
}

void Game::Command1_Click() {
    if (!acceptsInput()) return;
    RecordPanel& panel = platform_.recordPanel();
    const WriteRequest request{pathOf(panel.folder()), panel.text(RecordBox::Text1),
                               panel.text(RecordBox::Text2), panel.text(RecordBox::Text3),
                               panel.text(RecordBox::Text4)};
    const WriteStatus status = writeRecordFile(state_, request);
    if (status == WriteStatus::Written) {
        closeRecordPanel();
        panel.refreshFiles();
    }
    showNotice(writeNotice(status));
}

void Game::File1_Click(std::string_view fileName) {
    if (!acceptsInput()) return;
    const FollowAfter follow{*this};
    描画_可視(false, false, false);
    // The whole file is read and checked before the game is touched, so a
    // refused file leaves the game exactly as it was.
    const ReadResult result =
        readRecordFile(pathOf(platform_.recordPanel().folder()) / pathOf(std::string(fileName)));
    if (result.status == ReadStatus::Invalid || result.status == ReadStatus::CannotOpen) {
        for (const Notice& n : readNotices(result.status)) showNotice(n);
        return;
    }
    初期設定();
    applyRecord(state_, result.record);
    finishedGame_.reset();
    for (const HeaderLine& line : headerLayout(result.record.header)) {
        platform_.surface().drawText(
            cellXFromTwips(line.left), cellYFromTwips(line.top), line.text,
            TextStyle{kHeaderFontSize, platform_.surface().bold(), line.colour});
    }
    for (const Notice& n : readNotices(result.status)) showNotice(n);
}

void Game::Drive1_Change() {
    if (!acceptsInput()) return;
    RecordPanel& panel = platform_.recordPanel();
    if (!panel.setFolderListPath(panel.drive())) {
        platform_.showMessage("ﾃﾞﾊﾞｲｽが準備できていません", "ｴﾗｰ");
        return;
    }
    Dir1_Change();
}

void Game::Dir1_Change() {
    if (!acceptsInput()) return;
    RecordPanel& panel = platform_.recordPanel();
    panel.setFileListPath(panel.folderListPath());
}

void Game::描画_棋譜読込み部分消去() {
    描画_桝_数値(canvas());
    for (int x = 1; x <= 5; ++x) {
        描画_絵(canvas(), options_.背景種類, x, 8);
        描画_絵(canvas(), options_.背景種類, x, 9);
    }
}

}  // namespace tanukiban
