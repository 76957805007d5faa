#include "record/record_reader.h"

#include <fstream>
#include <optional>
#include <system_error>
#include <utility>

#include "record/ply_replay.h"
#include "record/record_format.h"
#include "record/text_codec.h"

namespace tanukiban {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

ReadResult refused() {
    return ReadResult{ReadStatus::Invalid, {}};
}

}  // namespace

std::optional<std::string> decodeRecordText(std::string_view bytes) {
    if (auto text = decodeCp932(bytes)) return text;
    if (!isValidUtf8(bytes)) return std::nullopt;
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) bytes.remove_prefix(kUtf8Mark.size());
    return std::string(bytes);
}

ReadResult parseRecord(std::string_view bytes) {
    if (bytes.size() > kLargestRecordFile) return refused();
    auto text = decodeRecordText(bytes);
    if (!text) return refused();

    RecordLines lines(std::move(*text));
    ReadResult result;
    RecordHeader& header = result.record.header;
    for (std::string* field : {&header.title, &header.upper, &header.lower}) {
        std::string line;
        if (読込_棋譜ファイル(lines, line) == OK) *field = withoutControlCharacters(line);
    }

    // Every ply must follow from the position the plies before it leave.
    GamePosition replay;
    resetPosition(replay);
    MoveList& list = result.record.手順;
    int k = 0;
    bool blankSeen = false;  // blank lines may only close the file
    std::string line;
    while (読込_棋譜ファイル(lines, line) == OK) {
        if (isBlank(line)) {
            blankSeen = true;
            continue;
        }
        if (blankSeen || k >= 手順上限) return refused();
        const auto fields = parseMoveLine(line);
        if (!fields) return refused();
        ++k;
        storeMoveLine(list, k, *fields);
        if (!plyReplayable(replay, list, k)) return refused();
        applyPlyForward(replay, list, k);
    }
    result.record.plies = k;
    result.status = k == 0 ? ReadStatus::NoMoves : ReadStatus::Loaded;
    return result;
}

ReadResult readRecordFile(const std::filesystem::path& file) {
    std::error_code ec;
    // A folder, a device or a pipe is not a record; opening a pipe could block.
    if (!std::filesystem::is_regular_file(file, ec)) return ReadResult{ReadStatus::CannotOpen, {}};
    std::ifstream in(file, std::ios::binary);
    if (!in) return ReadResult{ReadStatus::CannotOpen, {}};
    std::string bytes(kLargestRecordFile + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return ReadResult{ReadStatus::CannotOpen, {}};
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return parseRecord(bytes);
}

std::vector<Notice> readNotices(ReadStatus status) {
    switch (status) {
        case ReadStatus::Loaded:
            return {notices::kLoaded, notices::kStepWithAdvance};
        case ReadStatus::NoMoves:
            return {notices::kNoMoves};
        case ReadStatus::Invalid:
            return {notices::kBadRecord};
        case ReadStatus::CannotOpen:
            return {notices::kCannotOpen};
    }
    return {};
}

void applyRecord(GameState& s, const LoadedRecord& record) {
    初期設定(s);
    s.棋譜モード = OK;
    s.手順 = record.手順;
    s.手順数 = 0;
    s.手数 = 0;
    s.手順最大数 = record.plies;
    if (record.plies < 1) return;
    if (s.手順.手順元駒[1] >= 歩COM) {
        s.対局モード = 対局_COM;
        s.手番COM = 先手;
        s.手番MAN = 後手;
    } else {
        s.対局モード = 対局_MAN;
        s.手番MAN = 先手;
        s.手番COM = 後手;
    }
    s.手番 = 先手;
}

PanelTexts panelTexts(const RecordHeader& header, int 手番MAN) {
    const bool lowerFirst = 手番MAN == 先手;
    return {header.title, lowerFirst ? header.lower : header.upper,
            lowerFirst ? header.upper : header.lower};
}

ReadResult loadRecord(GameState& s, const std::filesystem::path& file) {
    ReadResult result = readRecordFile(file);
    if (result.status == ReadStatus::Loaded || result.status == ReadStatus::NoMoves) {
        applyRecord(s, result.record);
    }
    return result;
}

}  // namespace tanukiban
