#include "tools/probe/review_mode.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "players/review.h"
#include "record/record_reader.h"
#include "usi/notation.h"

namespace {

using nlohmann::ordered_json;
using namespace tanukiban;

const char* markName(players::Mark mark) {
    switch (mark) {
        case players::Mark::Mistake:
            return "mistake";
        case players::Mark::Blunder:
            return "blunder";
        case players::Mark::None:
            break;
    }
    return "";
}

ordered_json describe(const players::ReviewedPly& p) {
    engine::Position pos;
    pos.set(p.position);
    const auto text = [&](engine::Move m) {
        return m ? ordered_json(usi::formatMove(pos, m)) : ordered_json(nullptr);
    };
    return {{"ply", p.ply},
            {"move", text(p.played)},
            {"best", text(p.best)},
            {"before", p.before},
            {"after", p.after},
            {"loss", p.loss},
            {"mark", markName(p.mark)}};
}

}  // namespace

int runReviewMode(const char* path, long milliseconds) {
    const ReadResult read = readRecordFile(path);
    if (read.status == ReadStatus::Invalid || read.status == ReadStatus::CannotOpen) {
        std::fprintf(stderr, "tanukiban-probe: %s: %s\n", path,
                     std::string(readNotices(read.status).front().text).c_str());
        return 1;
    }
    GameState start;
    applyRecord(start, read.record);
    players::GameReviewer reviewer;
    players::ReviewBudget budget;
    budget.perPosition = engine::Milliseconds(milliseconds);
    const players::Review review =
        reviewer.review({start, read.record.手順, read.record.plies}, budget);
    for (const players::ReviewedPly& p : review.plies) std::puts(describe(p).dump().c_str());
    if (review.status != players::ReviewStatus::Complete) {
        std::fprintf(stderr, "tanukiban-probe: %s: the engine cannot review ply %zu\n", path,
                     review.plies.size() + 1);
        return 1;
    }
    return 0;
}
