#include "tools/probe/record_mode.h"

#include <cstdio>
#include <exception>
#include <nlohmann/json.hpp>
#include <string>

#include "record/navigation.h"
#include "record/record_format.h"
#include "record/record_reader.h"

namespace {

using nlohmann::ordered_json;
using namespace tanukiban;

ordered_json handJson(const Hand& hand) {
    return {hand[1], hand[2], hand[3], hand[4]};
}

ordered_json describe(const ReadResult& result) {
    ordered_json out;
    if (result.status == ReadStatus::Invalid || result.status == ReadStatus::CannotOpen) {
        out["ok"] = false;
        out["error"] = std::string(readNotices(result.status).front().text);
        return out;
    }
    const LoadedRecord& record = result.record;
    // Replay exactly as the game does after loading: one 進 per ply.
    GameState s;
    applyRecord(s, record);
    for (int i = 0; i < record.plies; ++i) stepForward(s);

    out["ok"] = true;
    out["title"] = record.header.title;
    out["upper"] = record.header.upper;
    out["lower"] = record.header.lower;
    out["plies"] = record.plies;
    ordered_json moves = ordered_json::array();
    for (int i = 1; i <= record.plies; ++i) moves.push_back(moveLineFields(record.手順, i));
    out["moves"] = std::move(moves);
    ordered_json board = ordered_json::array();
    for (int y = 1; y <= 5; ++y) {
        ordered_json row = ordered_json::array();
        for (int x = 1; x <= 5; ++x) row.push_back(s.盤[x][y]);
        board.push_back(std::move(row));
    }
    out["final"] = {{"board", std::move(board)},
                    {"hand_man", handJson(s.持駒MAN)},
                    {"hand_com", handJson(s.持駒COM)}};
    return out;
}

}  // namespace

int runRecordMode(const char* path) {
    std::string text;
    try {
        text = describe(readRecordFile(path))
                   .dump(-1, ' ', false, ordered_json::error_handler_t::replace);
    } catch (const std::exception& e) {
        text = ordered_json{{"ok", false}, {"error", e.what()}}.dump(
            -1, ' ', false, ordered_json::error_handler_t::replace);
    }
    std::puts(text.c_str());
    return 0;
}
