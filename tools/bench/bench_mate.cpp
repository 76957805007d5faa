// Speed of the mate solver over the mate bench positions: nodes a second,
// and the time and nodes each position takes from an empty table.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

#include "engine/bench.h"
#include "engine/mate_solver.h"

namespace tanukiban::engine {
namespace {

void BM_MateSolve(benchmark::State& state) {
    const std::vector<Position> positions = mateBenchPositions();
    MateSolver solver({}, 16);
    solver.solve(positions[0], {});  // the table's memory is taken here, not in the timing
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < positions.size(); ++i) {
            state.PauseTiming();
            solver.clear();
            state.ResumeTiming();
            const auto start = std::chrono::steady_clock::now();
            const MateResult r = solver.solve(positions[i], {});
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            nodes += r.nodes;
            std::printf("mate bench %zu: %s in %zu plies, %llu nodes, %.2f ms\n", i + 1,
                        r.status == MateStatus::Proven ? "mate" : "NOT SOLVED", r.line.size(),
                        static_cast<unsigned long long>(r.nodes), took.count());
        }
    }
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MateSolve)->Unit(benchmark::kMillisecond)->Iterations(1);

// A position with checks at every turn and no mate: most of the solver's
// work in play is proving that.
void BM_MateNoMate(benchmark::State& state) {
    const Position pos =
        *positionFromText("Ts.k./...../.K.../..B.n/.....", {0, 1, 0, 0}, {2, 0, 1, 0}, Upper);
    MateSolver solver({}, 16);
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        solver.clear();
        state.ResumeTiming();
        nodes += solver.solve(pos, {}).nodes;
    }
    state.counters["nodes"] = static_cast<double>(nodes) / static_cast<double>(state.iterations());
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MateNoMate)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace tanukiban::engine
