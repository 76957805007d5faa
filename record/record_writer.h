#pragma once
// Writing the game to a record file, and the checks before the write panel
// opens.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "record/notice.h"
#include "rules/state.h"

namespace tanukiban {

enum class WritePanelStatus { Allowed, Flipped, Handicapped, Pasted };

// Whether the write panel may open: not after a flip, a handicap or the
// paste of a position other than the initial one.
WritePanelStatus writePanelStatus(const GameState& s);
std::optional<Notice> writePanelNotice(WritePanelStatus status);

// What the write panel holds when RETURN is pressed.
struct WriteRequest {
    std::filesystem::path folder;  // the folder of the file list
    std::string fileName;          // Text1: the name without the extension
    std::string title;             // Text2
    std::string firstPlayer;       // Text3: the player who moves first
    std::string secondPlayer;      // Text4
};

enum class WriteStatus { Written, NoFileName, BadFileName, NothingToSave, Failed };

// A name the writer accepts: no path separator, no control character, valid
// UTF-8, and not "." or "..". The empty name is reported separately.
bool isAcceptableFileName(std::string_view name);

// The bytes of a record of plies 1..手順数 (code page 932, CR LF). The header
// lines lose their control characters; nullopt only if the code page is
// unavailable or a ply holds a value its field cannot.
std::optional<std::string> encodeRecord(const GamePosition& s, std::string_view title,
                                        std::string_view upper, std::string_view lower);

// Writes folder/fileName.棋譜 through a temporary file in the same folder that
// is renamed over it, so a failure leaves any old file as it was. Changes
// nothing in s.
WriteStatus writeRecordFile(const GamePosition& s, const WriteRequest& request);

Notice writeNotice(WriteStatus status);

}  // namespace tanukiban
