#pragma once
// Games for the record, stepping and handicap scenarios: played move by move
// as the game plays them, with the position after every ply kept.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/state.h"
#include "tests/flow/support/game_harness.h"

namespace tanukiban::testing {

struct PlayedGame {
    GameState final;
    std::vector<GameState> after;  // after[k]: the state once ply k was played; after[0] the start
    int captures[2] = {0, 0};      // by the lower side, by the upper side
    int drops[2] = {0, 0};
};

// A pseudo-random game (no king is taken) from the initial position; the
// lower side moves first when manFirst. The game mode is against the computer.
// With keepKingSafe no ply leaves the mover's own king attacked, as other
// programs require of every move.
PlayedGame playGame(unsigned seed, bool manFirst, int plies, bool keepKingSafe = false);

// Every field of the state, the move list included.
::testing::AssertionResult sameGame(const GameState& a, const GameState& b);

// What stepping restores: board, hands, totals, clocks, 手数, 手順数 and 手番.
::testing::AssertionResult samePosition(const GameState& a, const GameState& b);

// The harness started, with `state` as the game in progress.
void startWith(GameHarness& h, const GameState& state);

// The last message box, as "title|text".
std::string lastMessage(const FakePlatform& p);

}  // namespace tanukiban::testing
