#pragma once
// Games played move by move as the game object plays them, with the position
// after every ply kept, for the suites of every layer.
#include <vector>

#include "rules/state.h"

namespace tanukiban::testing {

struct PlayedGame {
    GameState final;
    std::vector<GameState> after;  // after[k]: the state once ply k was played; after[0] the start
    int captures[2] = {0, 0};      // by the lower side, by the upper side
    int drops[2] = {0, 0};
};

// Stores and makes one ply as the game does: 手順保存 before 駒移動, the
// mover's clock advanced by 思考秒, the turn passed.
void playPly(GameState& s, int 元X, int 元Y, int 先X, int 先Y, int 元駒, int 先駒, double 思考秒);

// A pseudo-random game of up to `plies` plies (no king is ever taken) from
// the initial position, the lower side first when manFirst, against the
// computer. Lower-side drops store the stand row, upper-side drops the pair.
// With keepKingSafe no ply leaves the mover's own king attacked, as other
// programs require of every move.
PlayedGame playGame(unsigned seed, bool manFirst, int plies, bool keepKingSafe = false);

// True when both sides captured and both dropped.
bool isLively(const PlayedGame& g);
// The game of the first seed from 1 whose game is lively.
PlayedGame lively(bool manFirst, int plies);

}  // namespace tanukiban::testing
