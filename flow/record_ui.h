#pragma once
// What the record, stepping and handicap handlers share on the window side.
#include "flow/game.h"
#include "record/notice.h"

namespace tanukiban {

// Puts the record file panel away: lists hidden, boxes emptied and hidden.
void closeRecordPanel(Game& game);

// The refusal sound when the notice asks for it, then its message box.
void showNotice(Game& game, const Notice& notice);

}  // namespace tanukiban
