// Speed of the computer's whole choice of move at each level.
#include <benchmark/benchmark.h>

#include <vector>

#include "computer/choice.h"
#include "rules/state.h"
#include "tests/support/positions.h"

namespace tanukiban {
namespace {

using Rows = BoardRows;

GameState position(const Rows& rows, Hand man, Hand com) {
    return positionFromRows(rows, man, com);
}

GameState initialPosition() {
    GameState s;
    初期設定(s);
    return s;
}

using testing::middleGame;

// The human's king stands in check from a bishop in the last column, so
// nearly every board move is scored before the capture ends the scan.
GameState humanInCheck() {
    const Rows rows = {
        {香COM, 金COM, 王COM, 銀COM, 0}, {歩COM, 0, 0, 0, 0},
        {0, 0, 0, 歩MAN, 角COM},         {金MAN, 0, 0, 0, 0},
        {とMAN, 銀MAN, 王MAN, 0, 0},
    };
    return position(rows, {0, 0, 0, 0, 0}, {0, 1, 0, 0, 0});
}

// Rook and gold in hand beside an exposed king: many candidates give check
// and each one runs the mate test.
GameState manyChecks() {
    const Rows rows = {
        {0, 金COM, 王COM, 0, 0}, {歩COM, 0, 0, 銀COM, 0}, {0, 0, 0, 0, 0},
        {0, 0, 銀MAN, 0, とMAN}, {香MAN, 0, 王MAN, 0, 0},
    };
    return position(rows, {0, 0, 0, 0, 0}, {0, 1, 0, 1, 0});
}

void runChoice(benchmark::State& state, GameState s) {
    const int level = static_cast<int>(state.range(0));
    InfluenceMaps m;
    ComputerWork w;
    RandomSequence random;
    std::vector<ScoredMove> list;
    ChoiceHooks hooks;
    hooks.candidates = &list;
    chooseComputerMove(s, level, m, w, &random, hooks);
    state.counters["candidates"] = static_cast<double>(list.size());
    for (auto _ : state) {
        auto chosen = chooseComputerMove(s, level, m, w, &random);
        benchmark::DoNotOptimize(chosen);
    }
}

void BM_COM選択_初期局面(benchmark::State& state) {
    runChoice(state, initialPosition());
}
void BM_COM選択_中盤持駒(benchmark::State& state) {
    runChoice(state, middleGame());
}
void BM_COM選択_王手局面(benchmark::State& state) {
    runChoice(state, humanInCheck());
}
void BM_COM選択_王手多数(benchmark::State& state) {
    runChoice(state, manyChecks());
}

BENCHMARK(BM_COM選択_初期局面)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_COM選択_中盤持駒)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_COM選択_王手局面)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_COM選択_王手多数)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tanukiban
