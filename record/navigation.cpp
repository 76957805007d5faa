#include "record/navigation.h"

#include <cstdlib>
#include <utility>

#include "record/ply_replay.h"

namespace tanukiban {

StepStatus stepForward(GameState& s) {
    if (s.手番 == 手番なし) return StepStatus::NoGame;
    s.局面変更 = OK;
    if (s.手順数 >= s.手順最大数 || s.手順数 >= 手順上限) {
        return s.棋譜モード == OK ? StepStatus::EndOfRecord : StepStatus::EndOfGame;
    }
    s.手順数 += 1;
    s.手数 += 1;
    const int i = s.手順数;
    applyPlyForward(s, s.手順, i);
    s.所有秒COM = s.手順.手順後秒COM[i];
    s.所有秒MAN = s.手順.手順後秒MAN[i];
    s.手番 = -s.手番;
    return StepStatus::Stepped;
}

StepStatus stepBack(GameState& s) {
    s.局面変更 = OK;
    if (s.手順数 < 1) return StepStatus::AtStart;
    const int i = s.手順数;
    applyPlyBackward(s, s.手順, i);
    s.所有秒COM = s.手順.手順前秒COM[i];
    s.所有秒MAN = s.手順.手順前秒MAN[i];
    s.手順数 -= 1;
    s.手数 -= 1;
    s.手番 = -s.手番;
    return StepStatus::Stepped;
}

std::optional<Notice> stepNotice(StepStatus status) {
    switch (status) {
        case StepStatus::Stepped:
            return std::nullopt;
        case StepStatus::NoGame:
            return notices::kStartFirst;
        case StepStatus::EndOfRecord:
            return notices::kEndOfRecord;
        case StepStatus::EndOfGame:
            return notices::kCannotAdvance;
        case StepStatus::AtStart:
            return notices::kCannotGoBack;
    }
    return std::nullopt;
}

FlipStatus flipBoard(GameState& s) {
    if (s.棋譜モード == OK) return FlipStatus::RecordMode;
    s.反転済 = OK;
    const Grid before = s.盤;
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) {
            const int c = before[x][y];
            s.盤[6 - x][6 - y] = isMan(c) ? std::abs(c) : (c < 10 ? c : -c);
        }
    }
    std::swap(s.持駒MAN, s.持駒COM);
    std::swap(s.持駒数MAN, s.持駒数COM);
    if (s.ハンデ設定済 == OK) s.ハンデレベル = -s.ハンデレベル;
    s.手番 = -s.手番;
    if (s.手番 == 手番なし) s.upperToMoveAtRest = !s.upperToMoveAtRest;
    s.手順数 = 0;
    s.手順最大数 = 0;
    return FlipStatus::Flipped;
}

std::optional<Notice> flipNotice(FlipStatus status) {
    if (status == FlipStatus::RecordMode) return notices::kFlipInRecordMode;
    return std::nullopt;
}

}  // namespace tanukiban
