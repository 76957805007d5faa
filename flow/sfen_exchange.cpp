#include "flow/sfen_exchange.h"

#include <algorithm>
#include <array>

#include "engine/convert.h"
#include "record/handicap.h"
#include "record/navigation.h"
#include "record/ply_move.h"
#include "usi/notation.h"
#include "usi/position_text.h"

namespace tanukiban {

namespace {

using PairCounts = std::array<int, 5>;  // by face pair, 1..4 used

void countPiece(PairCounts& counts, int code) {
    if (const int pair = facePair(code); pair > 0) ++counts[static_cast<std::size_t>(pair)];
}

// What a board of this game can hold: the initial position with the pieces
// of the largest handicap added.
PairCounts mostPiecesOfEachPair() {
    PairCounts counts{};
    Grid initial{};
    setInitialPosition(initial);
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 5; ++y) countPiece(counts, initial[x][y]);
    for (int level = 1; level <= kTopHandicap; ++level)
        countPiece(counts, handicapPiece(level)->code);
    return counts;
}

bool withinMaterial(const engine::Position& pos) {
    static const PairCounts most = mostPiecesOfEachPair();
    PairCounts counts{};
    for (engine::Square sq = 0; sq < engine::SquareCount; ++sq)
        countPiece(counts, engine::codeFromPiece(pos.pieceOn(sq)));
    for (int pair = 1; pair <= 4; ++pair) {
        const auto i = static_cast<std::size_t>(pair);
        counts[i] +=
            pos.handCount(engine::Lower, pair - 1) + pos.handCount(engine::Upper, pair - 1);
        if (counts[i] > most[i]) return false;
    }
    return true;
}

bool isInitial(const engine::Position& pos) {
    const engine::Position initial = engine::Position::initial();
    for (engine::Square sq = 0; sq < engine::SquareCount; ++sq)
        if (pos.pieceOn(sq) != initial.pieceOn(sq)) return false;
    return pos.handEmpty(engine::Lower) && pos.handEmpty(engine::Upper);
}

}  // namespace

engine::Color shownSideToMove(const GamePosition& s) {
    if (s.手番 == 手番なし) return s.upperToMoveAtRest ? engine::Upper : engine::Lower;
    return s.手番 == s.手番COM ? engine::Upper : engine::Lower;
}

std::optional<std::string> shownPositionText(const GamePosition& s) {
    const auto pos = engine::positionFromGame(s, shownSideToMove(s));
    if (!pos) return std::nullopt;
    return usi::formatSfen(*pos, s.手数 + 1);
}

std::optional<GameText> gameSoFarText(const GameState& s) {
    // The move list is relative to the shown position (a handicap, a flip or
    // a paste starts it afresh), so the start is found by taking plies back.
    GameState start = s;
    while (start.手順数 > 0)
        if (stepBack(start) != StepStatus::Stepped) return std::nullopt;
    const int plies = s.手順数;
    const engine::Color first = plies > 0
                                    ? (isMan(s.手順.手順先駒[1]) ? engine::Lower : engine::Upper)
                                    : shownSideToMove(s);
    std::optional<engine::Position> pos = engine::positionFromGame(start, first);
    if (!pos) return std::nullopt;

    GameText game{"position sfen " + usi::formatSfen(*pos, std::max(1, start.手数 + 1))};
    const MoveList& list = s.手順;
    for (int i = 1; i <= plies; ++i) {
        const engine::Move m = engine::fromGameMove(*pos, moveOf(list.ply(i)));
        if (!m) break;
        game.text += (i == 1 ? " moves " : " ") + usi::formatMove(*pos, m);
        pos->make(m);
        game.plies = i;
    }
    return game;
}

std::optional<PastedPosition> readPastedPosition(std::string_view text) {
    // The largest move number the reader takes, so that a copy reads back.
    constexpr int kMostPlies = 999999 - 1;
    const std::optional<usi::PositionText> read = usi::readPosition(text);
    if (!read || !withinMaterial(read->current)) return std::nullopt;
    const int plies = read->startPly + static_cast<int>(read->moves.size());
    if (plies > kMostPlies) return std::nullopt;
    return PastedPosition{read->current, plies};
}

std::optional<Notice> pasteRefusal(const GameState& s) {
    if (s.棋譜モード == OK) return notices::kPasteRecordMode;
    if (s.手順数 > 0) return notices::kPasteMidGame;
    if (s.手番 != 手番なし) return notices::kPasteResetFirst;
    return std::nullopt;
}

void applyPastedPosition(GameState& s, const PastedPosition& pasted) {
    const engine::Position& pos = pasted.position;
    初期設定(s);
    engine::writeToGame(pos, s);
    s.手番 = 手番なし;
    s.手順最大数 = 0;
    s.手数 = pasted.plies;
    s.upperToMoveAtRest = pos.sideToMove() == engine::Upper;
    // A record file holds no position, side to move or move number: only the
    // very start of a game may be written.
    s.pastedPosition = !isInitial(pos) || s.upperToMoveAtRest || pasted.plies > 0;
}

void startPastedGame(GameState& s) {
    s.手番MAN = 先手;
    s.手番COM = 後手;
    s.手番 = s.upperToMoveAtRest ? 後手 : 先手;
}

}  // namespace tanukiban
