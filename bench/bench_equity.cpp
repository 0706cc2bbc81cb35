#include <benchmark/benchmark.h>

#include <vector>

#include "AllocationCounter.hpp"

#include "rules/Card.hpp"
#include "rules/SeededRNG.hpp"
#include "strategy/EquitySampler.hpp"

namespace pellox {
namespace {

const std::vector<Card> kHole{{Rank::ace, Suit::hearts}, {Rank::queen, Suit::spades}};

std::vector<Card> board(int count) {
    const std::vector<Card> all{{Rank::queen, Suit::hearts},
                                {Rank::seven, Suit::clubs},
                                {Rank::two, Suit::hearts},
                                {Rank::jack, Suit::diamonds},
                                {Rank::nine, Suit::spades}};
    return {all.begin(), all.begin() + count};
}

// Arguments: opponents, board cards. Reports microseconds per 2,000-sample estimate and samples per second.
void BM_EquityEstimate2000(benchmark::State& state) {
    const auto opponents = state.range(0);
    const auto cards = board(static_cast<int>(state.range(1)));
    SeededRNG rng(42);
    double sink = 0;
    const long long before = bench::allocations.load();
    for (auto _ : state) {
        sink += EquitySampler::estimate(kHole, cards, opponents, rng, EquitySampler::defaultSamples).equity;
        benchmark::DoNotOptimize(sink);
    }
    state.counters["allocs/estimate"] =
        static_cast<double>(bench::allocations.load() - before) / static_cast<double>(state.iterations());
    state.counters["samples/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * EquitySampler::defaultSamples, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EquityEstimate2000)
    ->ArgNames({"opponents", "board"})
    ->ArgsProduct({{1, 5}, {0, 3, 4}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pellox
