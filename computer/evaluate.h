#pragma once
// The score of one candidate of the upper side, read off the position after
// it (set up on the board, the survey rerun) and the copies taken before it.
#include "computer/random_sequence.h"
#include "computer/score.h"
#include "computer/work.h"
#include "rules/influence.h"

namespace tanukiban {

// 取得駒 is what stood on the destination (空桝 for a drop), 移動駒 the
// piece with the face it showed before the move, the origin a board square
// or a stand column (−1, −3) with the pair number. The board is left as it
// was. `random` may be null: the fraction of pawn moves is then 0. The
// level (1..3) chooses which terms are added up.
Score 盤評価(GamePosition& s, int level, const InfluenceMaps& m, ComputerWork& w,
             RandomSequence* random, int 取得駒, int 移動駒, int 移動元X, int 移動元Y, int 移動先X,
             int 移動先Y);

}  // namespace tanukiban
