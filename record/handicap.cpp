#include "record/handicap.h"

#include <array>

namespace tanukiban {
namespace {

// Levels 1..4 for the lower player; the upper player's squares are these
// turned by half a turn about the centre, with the same faces.
constexpr std::array<HandicapPiece, kTopHandicap> kManPieces{{
    {5, 4, 飛MAN},
    {1, 4, 香MAN},
    {4, 4, 桂MAN},
    {2, 4, 角MAN},
}};

constexpr std::array<std::string_view, 21> kTexts{
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級",
};

std::optional<HandicapStatus> refusal(const GameState& s) {
    if (s.棋譜モード == OK) return HandicapStatus::RecordMode;
    if (s.手順数 > 0) return HandicapStatus::MidGame;
    if (s.手番 != 手番なし || s.反転済 == OK || s.pastedPosition) return HandicapStatus::NotAtStart;
    return std::nullopt;
}

// One rung towards direction (+1 up, −1 down). Moving away from 0 places the
// new level's piece; moving towards 0 empties the square of the level left.
HandicapStep step(GameState& s, int direction) {
    if (auto refused = refusal(s)) return {*refused};
    s.ハンデ設定済 = OK;
    const int from = s.ハンデレベル;
    const int to = from + direction;
    if (to > kTopHandicap || to < -kTopHandicap) return {HandicapStatus::AtEnd};
    s.ハンデレベル = to;
    const bool awayFromZero = to * direction > 0;
    const HandicapPiece piece = *handicapPiece(awayFromZero ? to : from);
    const int code = awayFromZero ? piece.code : 空桝;
    s.盤[piece.x][piece.y] = code;
    return {HandicapStatus::Changed, piece.x, piece.y, code};
}

}  // namespace

std::optional<HandicapPiece> handicapPiece(int level) {
    if (level >= 1 && level <= kTopHandicap) return kManPieces[level - 1];
    if (level <= -1 && level >= -kTopHandicap) {
        const HandicapPiece man = kManPieces[-level - 1];
        return HandicapPiece{6 - man.x, 6 - man.y, -man.code};
    }
    return std::nullopt;
}

HandicapStep handicapUp(GameState& s) {
    return step(s, +1);
}
HandicapStep handicapDown(GameState& s) {
    return step(s, -1);
}

std::optional<Notice> handicapNotice(HandicapStatus status) {
    switch (status) {
        case HandicapStatus::RecordMode:
            return notices::kHandicapRecordMode;
        case HandicapStatus::MidGame:
            return notices::kHandicapMidGame;
        case HandicapStatus::NotAtStart:
            return notices::kHandicapResetFirst;
        case HandicapStatus::Changed:
        case HandicapStatus::AtEnd:
            break;
    }
    return std::nullopt;
}

std::string_view handicapText(int level) {
    if (level < -10 || level > 10) return {};
    const int index = level + 10;
    return kTexts[static_cast<std::size_t>(index)];
}

}  // namespace tanukiban
