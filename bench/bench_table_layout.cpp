#include <benchmark/benchmark.h>

#include "view/TableLayout.hpp"

namespace pellox {
namespace {

// Argument: canvas kind. 0 fits at once; 1 is wide and low, so the seats shrink in steps; 2 is tiny and
// runs the longest centre search.
void BM_TableLayoutCompute(benchmark::State& state) {
    const Size canvases[] = {{926, 953}, {1400, 420}, {120, 140}};
    const Size canvas = canvases[state.range(0)];
    for (auto _ : state) {
        auto result = TableLayout::compute(6, canvas);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_TableLayoutCompute)->Arg(0)->Arg(1)->Arg(2);

}  // namespace
}  // namespace pellox
