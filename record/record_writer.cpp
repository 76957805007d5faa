#include "record/record_writer.h"

#include <algorithm>
#include <string>

#include "files/replace_file.h"
#include "record/record_format.h"
#include "record/text_codec.h"

namespace tanukiban {
namespace {}  // namespace

WritePanelStatus writePanelStatus(const GameState& s) {
    if (s.反転済 == OK) return WritePanelStatus::Flipped;
    if (s.ハンデ設定済 == OK) return WritePanelStatus::Handicapped;
    if (s.pastedPosition) return WritePanelStatus::Pasted;
    return WritePanelStatus::Allowed;
}

std::optional<Notice> writePanelNotice(WritePanelStatus status) {
    switch (status) {
        case WritePanelStatus::Flipped:
            return notices::kFlippedNoWrite;
        case WritePanelStatus::Handicapped:
            return notices::kHandicapNoWrite;
        case WritePanelStatus::Pasted:
            return notices::kPastedNoWrite;
        case WritePanelStatus::Allowed:
            break;
    }
    return std::nullopt;
}

bool isAcceptableFileName(std::string_view name) {
    if (name == "." || name == "..") return false;
    if (name.find_first_of("/\\") != std::string_view::npos) return false;
    return isValidUtf8(name) && !hasControlCharacter(name);
}

std::optional<std::string> encodeRecord(const GamePosition& s, std::string_view title,
                                        std::string_view upper, std::string_view lower) {
    std::string text;
    for (std::string_view header : {title, upper, lower}) {
        text += withoutControlCharacters(header);
        text += kLineEnd;
    }
    const int plies = std::min(s.手順数, 手順上限);
    for (int i = 1; i <= plies; ++i) {
        const auto line = formatMoveLine(moveLineFields(s.手順, i));
        if (!line) return std::nullopt;
        text += *line;
        text += kLineEnd;
    }
    return encodeCp932(text);
}

WriteStatus writeRecordFile(const GamePosition& s, const WriteRequest& request) {
    if (request.fileName.empty()) return WriteStatus::NoFileName;
    if (!isAcceptableFileName(request.fileName)) return WriteStatus::BadFileName;
    if (s.手順数 < 1) return WriteStatus::NothingToSave;

    // The name boxes follow the order of moves; the file keeps the board's
    // sides: the upper player first.
    const bool lowerMovesFirst = s.手番MAN == 先手;
    const std::string& upper = lowerMovesFirst ? request.secondPlayer : request.firstPlayer;
    const std::string& lower = lowerMovesFirst ? request.firstPlayer : request.secondPlayer;
    const auto bytes = encodeRecord(s, request.title, upper, lower);
    if (!bytes) return WriteStatus::Failed;

    const auto target =
        request.folder / std::filesystem::path(request.fileName + std::string(kRecordExtension));
    return replaceFileContents(target, *bytes) ? WriteStatus::Written : WriteStatus::Failed;
}

Notice writeNotice(WriteStatus status) {
    switch (status) {
        case WriteStatus::Written:
            return notices::kWritten;
        case WriteStatus::NoFileName:
            return notices::kNoFileName;
        case WriteStatus::BadFileName:
            return notices::kBadFileName;
        case WriteStatus::NothingToSave:
            return notices::kNothingToSave;
        case WriteStatus::Failed:
            break;
    }
    return notices::kWriteFailed;
}

}  // namespace tanukiban
