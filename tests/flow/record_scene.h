#pragma once
// Games for the record, stepping and handicap scenarios: played move by move
// as the game plays them, with the position after every ply kept.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/state.h"
#include "tests/flow/support/game_harness.h"
#include "tests/support/played_game.h"

namespace tanukiban::testing {

// Every field of the state, the move list included.
::testing::AssertionResult sameGame(const GameState& a, const GameState& b);

// What stepping restores: board, hands, totals, clocks, 手数, 手順数 and 手番.
::testing::AssertionResult samePosition(const GameState& a, const GameState& b);

// The harness started, with `state` as the game in progress.
void startWith(GameHarness& h, const GameState& state);

// The last message box, as "title|text".
std::string lastMessage(const FakePlatform& p);

}  // namespace tanukiban::testing
