#pragma once
// The full redraw: everything the window shows, from the state alone.
#include "display/surface.h"
#include "rules/state.h"

namespace tanukiban {

void 画面_再描画(Surface& s, const GameState& g, int 背景種類, bool 経過時間表示);

}  // namespace tanukiban
