#include "tools/probe/probe_line.h"

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "computer/choice.h"
#include "rules/influence.h"
#include "rules/mate.h"

namespace tanukiban {

namespace {

using Json = nlohmann::ordered_json;

struct ProbeInput {
    Grid board{};
    Hand handMan{};
    Hand handCom{};
    int level = 3;
    bool random = false;
};

std::string errorLine(const char* reason) {
    Json out;
    out["error"] = reason;
    return out.dump();
}

// The integer held by j when it lies within [lo, hi].
std::optional<int> boundedInt(const Json& j, int lo, int hi) {
    if (j.is_number_unsigned()) {
        const auto v = j.get<std::uint64_t>();
        if (hi < 0 || v > static_cast<std::uint64_t>(hi) || static_cast<std::int64_t>(v) < lo)
            return std::nullopt;
        return static_cast<int>(v);
    }
    if (j.is_number_integer()) {
        const auto v = j.get<std::int64_t>();
        if (v < lo || v > hi) return std::nullopt;
        return static_cast<int>(v);
    }
    return std::nullopt;
}

bool readHand(const Json& j, Hand& hand) {
    if (!j.is_array() || j.size() != 4) return false;
    for (int i = 0; i < 4; ++i) {
        const auto count = boundedInt(j[static_cast<std::size_t>(i)], 0, 20);
        if (!count) return false;
        hand[static_cast<std::size_t>(i) + 1] = *count;
    }
    return true;
}

bool readBoard(const Json& j, Grid& board) {
    if (!j.is_array() || j.size() != 5) return false;
    for (int y = 1; y <= 5; ++y) {
        const Json& row = j[static_cast<std::size_t>(y - 1)];
        if (!row.is_array() || row.size() != 5) return false;
        for (int x = 1; x <= 5; ++x) {
            const auto code = boundedInt(row[static_cast<std::size_t>(x - 1)], -950, 950);
            if (!code || (*code != 空桝 && !isPieceCode(*code))) return false;
            board[x][y] = *code;
        }
    }
    return true;
}

// Null when the input is valid, else the reason it is not.
const char* readInput(const std::string& line, ProbeInput& in) {
    const Json j = Json::parse(line, nullptr, /*allow_exceptions=*/false);
    if (j.is_discarded()) return "invalid JSON";
    if (!j.is_object()) return "input must be a JSON object";

    const auto board = j.find("board");
    if (board == j.end() || !readBoard(*board, in.board)) {
        return "board must be five rows of five piece codes";
    }
    const auto man = j.find("hand_man");
    if (man == j.end() || !readHand(*man, in.handMan)) return "hand_man must be four counts 0..20";
    const auto com = j.find("hand_com");
    if (com == j.end() || !readHand(*com, in.handCom)) return "hand_com must be four counts 0..20";
    const auto level = j.find("level");
    const auto levelValue = level == j.end() ? std::nullopt : boundedInt(*level, 1, 3);
    if (!levelValue) return "level must be 1, 2 or 3";
    in.level = *levelValue;
    const auto random = j.find("random");
    if (random != j.end()) {
        if (!random->is_boolean()) return "random must be true or false";
        in.random = random->get<bool>();
    }
    return nullptr;
}

// A fresh position of the input's board and hands.
GamePosition freshState(const ProbeInput& in) {
    GamePosition s;
    s.盤 = in.board;
    s.持駒MAN = in.handMan;
    s.持駒COM = in.handCom;
    for (int i = 1; i <= 4; ++i) {
        s.持駒数MAN += in.handMan[static_cast<std::size_t>(i)];
        s.持駒数COM += in.handCom[static_cast<std::size_t>(i)];
    }
    return s;
}

Json mapJson(const Grid& g) {
    Json rows = Json::array();
    for (int y = 1; y <= 5; ++y) {
        Json row = Json::array();
        for (int x = 1; x <= 5; ++x) row.push_back(g[x][y]);
        rows.push_back(std::move(row));
    }
    return rows;
}

Json squareJson(int x, int y) {
    return Json::array({x, y});
}

// The format names a drop's source by the upper stand's column of the face
// (−1 for 歩 香 桂 銀, −3 for the others) and the pair.
Json sourceJson(const GameMove& m) {
    if (!m.isDrop()) return squareJson(m.fromX, m.fromY);
    const bool second = pairFace(m.pair, true, true) == m.before;
    return squareJson(second ? 敵持盤X2 : 敵持盤X1, m.pair);
}

// Whole numbers of tenths print with at most one decimal; a random
// fraction is printed in full.
Json scoreJson(const Score& score) {
    if (score.fraction != 0.0f) return score.value();
    if (score.tenths % 10 == 0) return score.tenths / 10;
    return score.tenths / 10.0;
}

Json surveyJson(const ProbeInput& in) {
    GamePosition s = freshState(in);
    InfluenceMaps m;
    勢力調査(s.盤, m);
    Json out;
    out["勢力MAN"] = mapJson(m.勢力MAN);
    out["勢力COM"] = mapJson(m.勢力COM);
    out["守駒COM"] = mapJson(m.守駒COM);
    out["攻駒MAN"] = mapJson(m.攻駒MAN);
    out["攻駒MAN_X"] = mapJson(m.攻駒MAN_X);
    out["攻駒MAN_Y"] = mapJson(m.攻駒MAN_Y);
    out["攻駒COM"] = mapJson(m.攻駒COM);
    out["王手MAN"] = mapJson(m.王手MAN);
    out["王手COM"] = mapJson(m.王手COM);
    out["王X_MAN"] = m.kings.王X_MAN;
    out["王Y_MAN"] = m.kings.王Y_MAN;
    out["王X_COM"] = m.kings.王X_COM;
    out["王Y_COM"] = m.kings.王Y_COM;
    return out;
}

bool mated(const ProbeInput& in, bool com) {
    GamePosition s = freshState(in);
    InfluenceMaps m;
    勢力調査(s.盤, m);
    return (com ? 詰めかCOM(s, m) : 詰めかMAN(s, m)) == OK;
}

void addChoice(const ProbeInput& in, Json& out) {
    GamePosition s = freshState(in);
    InfluenceMaps m;
    ComputerWork w;
    RandomSequence sequence;
    std::vector<ScoredMove> candidates;
    ChoiceHooks hooks;
    hooks.candidates = &candidates;
    勢力調査(s.盤, m);  // as the game runs it before the computer's turn
    const auto best = chooseComputerMove(s, in.level, m, w, in.random ? &sequence : nullptr, hooks);

    Json list = Json::array();
    for (const ScoredMove& c : candidates) {
        Json item;
        item["from"] = sourceJson(c.move);
        item["to"] = squareJson(c.move.toX, c.move.toY);
        item["piece"] = c.move.before;
        item["score"] = scoreJson(c.score);
        list.push_back(std::move(item));
    }
    out["candidates"] = std::move(list);
    if (!best) {
        out["best"] = nullptr;
        return;
    }
    Json chosen;
    const GameMove& mv = best->move;
    chosen["from"] = sourceJson(mv);
    chosen["to"] = squareJson(mv.toX, mv.toY);
    chosen["before"] = mv.before;
    chosen["after"] = mv.after;
    chosen["score"] = scoreJson(best->score);
    out["best"] = std::move(chosen);
}

}  // namespace

std::string probeLine(const std::string& line) {
    ProbeInput in;
    if (const char* reason = readInput(line, in)) return errorLine(reason);
    Json out;
    out["survey"] = surveyJson(in);
    out["詰めかMAN"] = mated(in, false);
    out["詰めかCOM"] = mated(in, true);
    addChoice(in, out);
    return out.dump();
}

}  // namespace tanukiban
