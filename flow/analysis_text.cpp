#include "flow/analysis_text.h"

#include <cstdio>
#include <cstdlib>

#include "display/text.h"
#include "engine/convert.h"
#include "engine/movegen.h"
#include "players/review_score.h"
#include "text/language.h"

namespace tanukiban {

std::string evaluationText(int evaluation) {
    if (players::isReviewMate(evaluation)) {
        const std::string plies = std::to_string(players::ReviewMate - std::abs(evaluation));
        return text::tr(evaluation > 0 ? "詰み " + plies + "手" : "被詰み " + plies + "手");
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%c%d.%02d", evaluation < 0 ? '-' : '+',
                  std::abs(evaluation) / 100, std::abs(evaluation) % 100);
    return buffer;
}

std::string moveText(const engine::Position& pos, engine::Move move) {
    const GameMove m = engine::toGameMove(pos, move);
    if (text::language() == text::Language::English) {
        const MoveKind kind = move.isDrop()                               ? MoveKind::Drop
                              : pos.pieceOn(move.to()) != engine::NoPiece ? MoveKind::Capture
                                                                          : MoveKind::Move;
        return englishLastMove(m.toX, m.toY, m.after, kind);
    }
    return 文字列変換(6 - m.toX) + 文字列変換(1000 + m.toY) + 文字列変換(m.after);
}

std::string lineText(const engine::Position& pos, const std::vector<engine::Move>& line,
                     int plies) {
    engine::Position at = pos;
    std::string text;
    for (const engine::Move m : line) {
        if (plies-- <= 0 || !engine::isLegal(at, m)) break;
        if (!text.empty()) text += ' ';
        text += moveText(at, m);
        at.make(m);
    }
    return text;
}

}  // namespace tanukiban
