#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "rules/HandEvaluator.hpp"
#include "rules/SeededRNG.hpp"

namespace {

using pellox::Card;

// Random hands of n distinct cards from a fixed seed, drawn before timing starts.
template <std::size_t N>
std::vector<std::array<Card, N>> randomHands(std::size_t count) {
    pellox::SeededRNG rng(12345);
    std::array<Card, 52> deck{};
    for (int i = 0; i < 52; ++i)
        deck[i] = Card::fromIndex(i);
    std::vector<std::array<Card, N>> hands(count);
    for (auto& h : hands) {
        for (std::size_t i = 0; i < N; ++i) {
            auto j = i + static_cast<std::size_t>(rng.next() * static_cast<double>(52 - i));
            std::swap(deck[i], deck[j]);
            h[i] = deck[i];
        }
    }
    return hands;
}

template <std::size_t N>
void BM_Score(benchmark::State& state) {
    const auto hands = randomHands<N>(1 << 16);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pellox::HandEvaluator::score(hands[i]));
        i = (i + 1) & (hands.size() - 1);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_Score<7>);
BENCHMARK(BM_Score<5>);

void BM_Evaluate7(benchmark::State& state) {
    const auto hands = randomHands<7>(1 << 12);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pellox::HandEvaluator::evaluate(hands[i]));
        i = (i + 1) & (hands.size() - 1);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_Evaluate7);

}  // namespace
