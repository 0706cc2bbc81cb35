#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "rules/HandEvaluator.hpp"
#include "rules/SeededRNG.hpp"

#include "reference/LegacyHandScore.hpp"

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

// Consecutive hands in lexicographic order of deck indices, starting from a hand in the middle of the order:
// neighbouring hands share all but their last cards, as in an enumeration.
std::vector<std::array<Card, 7>> sequentialHands(std::size_t count) {
    std::array<std::size_t, 7> pos{3, 11, 19, 27, 30, 31, 32};
    std::vector<std::array<Card, 7>> hands(count);
    for (auto& h : hands) {
        for (std::size_t i = 0; i < 7; ++i)
            h[i] = Card::fromIndex(static_cast<int>(pos[i]));
        std::size_t i = 7;
        while (i > 0 && pos[i - 1] == 52 - 7 + i - 1)
            --i;
        if (i == 0) break;
        ++pos[i - 1];
        for (std::size_t j = i; j < 7; ++j)
            pos[j] = pos[j - 1] + 1;
    }
    return hands;
}

constexpr std::size_t kHands = std::size_t{1} << 20;

template <typename Hands, typename Score>
void scoreAll(benchmark::State& state, const Hands& hands, Score score) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(score(hands[i]));
        i = (i + 1) & (hands.size() - 1);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

std::int64_t current(std::span<const Card> cards) {
    return pellox::HandEvaluator::score(cards);
}
std::int64_t before(std::span<const Card> cards) {
    return pellox::legacy::legacyScore(cards);
}

// Arguments: 0 for today's scorer, 1 for the scorer it replaced.
template <std::size_t N>
void BM_ScoreRandom(benchmark::State& state) {
    static const auto hands = randomHands<N>(kHands);
    scoreAll(state, hands, state.range(0) == 0 ? current : before);
}
BENCHMARK(BM_ScoreRandom<7>)->ArgName("before")->Arg(0)->Arg(1);
BENCHMARK(BM_ScoreRandom<6>)->ArgName("before")->Arg(0)->Arg(1);
BENCHMARK(BM_ScoreRandom<5>)->ArgName("before")->Arg(0)->Arg(1);

void BM_ScoreSequential7(benchmark::State& state) {
    static const auto hands = sequentialHands(kHands);
    scoreAll(state, hands, state.range(0) == 0 ? current : before);
}
BENCHMARK(BM_ScoreSequential7)->ArgName("before")->Arg(0)->Arg(1);

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
