// Speed of the engine: perft from the initial position, search speed in
// middle-game positions, and the fixed-depth node count the tests pin.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "engine/bench.h"
#include "engine/movegen.h"

namespace tanukiban::engine {
namespace {

void BM_EnginePerft7(benchmark::State& state) {
    Position pos = Position::initial();
    std::uint64_t leaves = 0;
    for (auto _ : state) leaves = perft(pos, 7);
    state.counters["leaves"] = static_cast<double>(leaves);
    state.counters["leaves/s"] =
        benchmark::Counter(static_cast<double>(leaves) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EnginePerft7)->Unit(benchmark::kMillisecond)->Iterations(3);

// Nodes a second over the bench positions, searched a little deeper than
// the pinned count so that the table fills as in play.
void BM_EngineSearchSpeed(benchmark::State& state) {
    const std::vector<Position> positions = benchPositions();
    std::uint64_t nodes = 0;
    Searcher searcher({}, 16);
    for (auto _ : state) {
        for (const Position& pos : positions) {
            searcher.newGame();
            SearchLimits limits;
            limits.nodes = 300000;
            nodes += searcher.search(pos, limits).nodes;
        }
    }
    state.counters["nps"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EngineSearchSpeed)->Unit(benchmark::kMillisecond)->Iterations(1);

constexpr int kBenchDepth = 6;

void BM_EngineFixedDepth(benchmark::State& state) {
    std::uint64_t nodes = 0;
    for (auto _ : state) nodes = benchNodeCount(kBenchDepth);
    state.counters["nodes"] = static_cast<double>(nodes);
    std::printf("bench depth %d: %llu nodes\n", kBenchDepth,
                static_cast<unsigned long long>(nodes));
}
BENCHMARK(BM_EngineFixedDepth)->Unit(benchmark::kMillisecond)->Iterations(1);

// What several lines cost: the bench positions to a depth (first argument)
// with one line or more (second), each from a fresh table.
void BM_EngineMultiPv(benchmark::State& state) {
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        nodes = 0;
        for (const Position& pos : benchPositions()) {
            Searcher searcher({}, 16);
            SearchLimits limits;
            limits.depth = static_cast<int>(state.range(0));
            limits.multiPv = static_cast<int>(state.range(1));
            nodes += searcher.search(pos, limits).nodes;
        }
    }
    state.counters["nodes"] = static_cast<double>(nodes);
}
BENCHMARK(BM_EngineMultiPv)
    ->ArgsProduct({{kBenchDepth, 9}, {1, 3}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
}  // namespace tanukiban::engine
