#pragma once
// What the game shows for the outcome of a record, stepping or handicap
// command: a message box text and title, and whether the refusal sound plays
// first. The layer below the game object only chooses; it never shows.
#include <string_view>

namespace tanukiban {

struct Notice {
    std::string_view text;
    std::string_view title;
    bool refusalSound = false;
};

namespace notices {

// Reading a record.
inline constexpr Notice kLoaded{" 読み込みました", "棋譜"};
inline constexpr Notice kStepWithAdvance{"棋譜を '進 'で進めて下さい", "棋譜"};
inline constexpr Notice kNoMoves{"棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", "棋譜"};
inline constexpr Notice kBadRecord{"棋譜ﾌｧｲﾙが正しくありません", "棋譜"};
inline constexpr Notice kCannotOpen{"棋譜ﾌｧｲﾙを開けません", "棋譜"};

// Opening the write panel.
inline constexpr Notice kFlippedNoWrite{"反転後は書き込みできません", "棋譜書込"};
inline constexpr Notice kHandicapNoWrite{"ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません", "棋譜書込"};
// Records always start from the initial position.
inline constexpr Notice kPastedNoWrite{
    "貼付けた局面からは書き込みできません(初期局面から始めた対局のみ)", "棋譜書込"};

// Writing a record.
inline constexpr Notice kNoFileName{"ﾌｧｲﾙ名が入力されていません", "  "};
inline constexpr Notice kBadFileName{"ﾌｧｲﾙ名が正しくありません", "  "};
inline constexpr Notice kNothingToSave{"保存するデータがありません", "棋譜保存"};
inline constexpr Notice kWriteFailed{"棋譜を書き込めませんでした", "棋譜保存"};
inline constexpr Notice kWritten{"棋譜を書き込みました", "  "};

// Stepping and flipping.
inline constexpr Notice kStartFirst{"「対局」で始めて下さい", "開始", true};
inline constexpr Notice kEndOfRecord{"終わり", "進む", false};
inline constexpr Notice kCannotAdvance{"できません", "進む", true};
inline constexpr Notice kCannotGoBack{"できません", "戻る", true};
inline constexpr Notice kFlipInRecordMode{"棋譜ﾓｰﾄﾞではできません", "反転", true};

// The handicap ladder.
inline constexpr Notice kHandicapRecordMode{"棋譜ﾓｰﾄﾞではできません(局面→最初)", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定",
                                            true};
inline constexpr Notice kHandicapMidGame{"対局途中ではできません", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定", true};
inline constexpr Notice kHandicapResetFirst{"'局面 '→ '最初 'にして下さい", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定", true};

}  // namespace notices
}  // namespace tanukiban
