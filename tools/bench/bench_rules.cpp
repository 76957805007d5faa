// Speed of the rules core: the survey and the legality test.
#include <benchmark/benchmark.h>

#include "rules/influence.h"
#include "rules/legality.h"
#include "tests/support/positions.h"

namespace tanukiban {
namespace {

using testing::middleGame;

void BM_勢力調査_初期局面(benchmark::State& state) {
    GameState s;
    初期設定(s);
    InfluenceMaps m;
    for (auto _ : state) {
        勢力調査(s.盤, m);
        benchmark::DoNotOptimize(m);
    }
}
BENCHMARK(BM_勢力調査_初期局面);

void BM_勢力調査_中盤(benchmark::State& state) {
    GameState s = middleGame();
    InfluenceMaps m;
    for (auto _ : state) {
        勢力調査(s.盤, m);
        benchmark::DoNotOptimize(m);
    }
}
BENCHMARK(BM_勢力調査_中盤);

void BM_移動チェック_飛車25桝(benchmark::State& state) {
    GameState s = middleGame();
    for (auto _ : state) {
        int reachable = 0;
        for (int x = 1; x <= 5; ++x)
            for (int y = 1; y <= 5; ++y) reachable += 移動チェック(s.盤, 2, 3, x, y, 飛MAN);
        benchmark::DoNotOptimize(reachable);
    }
}
BENCHMARK(BM_移動チェック_飛車25桝);

}  // namespace
}  // namespace tanukiban
