// Side by side with OMPEval (ISC licence, built from /work/shared/bench-peers/ompeval only when present), in
// one process and one thread: the packed score against its 7-card evaluator on the same random hands, and
// both samplers against its Monte Carlo equity on the same spots. Rounds alternate between the two sides and
// each side keeps its best round, so a busy moment of the machine hurts neither more than the other.
// Counters: ours/s and omp/s (hands or samples per second), ratio = ours/s / omp/s.
#include <benchmark/benchmark.h>
#include <sched.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "omp/EquityCalculator.h"
#include "omp/HandEvaluator.h"
#include "rules/Card.hpp"
#include "rules/HandEvaluator.hpp"
#include "rules/SeededRNG.hpp"
#include "strategy/EquitySampler.hpp"
#include "strategy/HandClass.hpp"
#include "strategy/OpponentRange.hpp"
#include "strategy/RangeEquitySampler.hpp"

namespace pellox {
namespace {

constexpr int kRounds = 40;
constexpr int kSampleRounds = 20;

// Seconds taken by one call of f.
template <typename F>
double timed(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Both sides on the CPU this thread runs on (OMPEval's worker thread inherits it), so that they share
// whatever else the machine is doing.
void pinToThisCpu() {
    const int cpu = sched_getcpu();
    if (cpu < 0) return;
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(cpu, &set);
    sched_setaffinity(0, sizeof set, &set);
}

// Best round of each side; the side that goes first alternates.
struct SideBySide {
    double bestOurs = std::numeric_limits<double>::infinity();
    double bestPeer = std::numeric_limits<double>::infinity();

    template <typename Ours, typename Peer>
    void round(int index, Ours&& ours, Peer&& peer) {
        if (index % 2 == 0) {
            bestOurs = std::min(bestOurs, ours());
            bestPeer = std::min(bestPeer, peer());
        } else {
            bestPeer = std::min(bestPeer, peer());
            bestOurs = std::min(bestOurs, ours());
        }
    }

    // Rates from items per best round.
    void report(benchmark::State& state, double oursItems, double peerItems) const {
        const double ours = oursItems / bestOurs;
        const double peer = peerItems / bestPeer;
        state.counters["ours/s"] = ours;
        state.counters["omp/s"] = peer;
        state.counters["ratio"] = ours / peer;
    }
};

// ---- Score ----

constexpr std::size_t kScoreHands = std::size_t{1} << 16;
constexpr int kScorePasses = 8;

// OMPEval numbers a card 4 x rank + suit, ranks from 0 (the two); any fixed suit numbering serves here.
std::uint8_t ompCard(const Card& c) {
    return static_cast<std::uint8_t>(4 * (value(c.rank) - 2) + static_cast<int>(c.suit));
}

struct ScoreHands {
    std::vector<std::array<Card, 7>> ours;
    std::vector<std::array<std::uint8_t, 7>> peer;
};

// Random hands of seven distinct cards from a fixed seed, in each side's own form.
const ScoreHands& scoreHands() {
    static const ScoreHands hands = [] {
        ScoreHands h;
        SeededRNG rng(12345);
        std::array<Card, 52> deck{};
        for (int i = 0; i < 52; ++i)
            deck[static_cast<std::size_t>(i)] = Card::fromIndex(i);
        for (std::size_t n = 0; n < kScoreHands; ++n) {
            std::array<Card, 7> hand{};
            std::array<std::uint8_t, 7> peer{};
            for (std::size_t i = 0; i < 7; ++i) {
                std::swap(deck[i], deck[drawIndex(rng.next(), i, std::size_t{52})]);
                hand[i] = deck[i];
                peer[i] = ompCard(deck[i]);
            }
            h.ours.push_back(hand);
            h.peer.push_back(peer);
        }
        return h;
    }();
    return hands;
}

void BM_Score7VsOmp(benchmark::State& state) {
    const ScoreHands& hands = scoreHands();
    static const omp::HandEvaluator peerEvaluator;
    pinToThisCpu();
    SideBySide sides;
    int index = 0;
    for (auto _ : state) {
        sides.round(
            index++,
            [&] {
                return timed([&] {
                    std::int64_t sum = 0;
                    for (int pass = 0; pass < kScorePasses; ++pass)
                        for (const auto& h : hands.ours)
                            sum += HandEvaluator::score(h);
                    benchmark::DoNotOptimize(sum);
                });
            },
            [&] {
                return timed([&] {
                    std::int64_t sum = 0;
                    for (int pass = 0; pass < kScorePasses; ++pass)
                        for (const auto& h : hands.peer)
                            sum += peerEvaluator.evaluate(
                                omp::Hand::empty() + omp::Hand(h[0]) + omp::Hand(h[1]) + omp::Hand(h[2]) +
                                omp::Hand(h[3]) + omp::Hand(h[4]) + omp::Hand(h[5]) + omp::Hand(h[6]));
                    benchmark::DoNotOptimize(sum);
                });
            });
    }
    const double items = static_cast<double>(kScoreHands) * kScorePasses;
    sides.report(state, items, items);
}
BENCHMARK(BM_Score7VsOmp)->Iterations(kRounds)->Unit(benchmark::kMillisecond);

// ---- Equity sampling: the ace of hearts and the ace of spades against random hands ----

constexpr std::int64_t kSamples = 1 << 18;
const char* const kHole = "AhAs";
const char* const kBoards[] = {"", "Qh7c2h", "Qh7c2hJd"};

std::vector<Card> parse(const std::string& text) {
    std::vector<Card> out;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        const auto rank = std::string("23456789TJQKA").find(text[i]) + 2;
        const auto suit = std::string("cdhs").find(text[i + 1]);
        out.push_back({static_cast<Rank>(rank), static_cast<Suit>(suit)});
    }
    return out;
}

// OMPEval's Monte Carlo in one worker thread until it passes the limit (it checks every few thousand
// samples): the seconds it reports for the samples it reports, scaled to exactly the limit. Its own clock
// leaves out the start-up of its thread and ranges, which ours has none of.
double peerSeconds(std::int64_t opponents, const char* board, std::int64_t limit) {
    std::vector<omp::CardRange> ranges{omp::CardRange(kHole)};
    for (std::int64_t k = 0; k < opponents; ++k)
        ranges.emplace_back("random");
    omp::EquityCalculator calculator;
    calculator.setHandLimit(static_cast<std::uint64_t>(limit));
    calculator.start(ranges, omp::CardRange::getCardMask(board), 0, false, 0.0, nullptr, 1.0, 1);
    calculator.wait();
    const auto results = calculator.getResults();
    return results.time * static_cast<double>(limit) / static_cast<double>(results.hands);
}

// Every combo of any two cards, none of them known.
std::vector<Combo> anyTwo(const std::vector<Card>& dead) {
    std::vector<Combo> combos;
    for (const std::string& handClass : allHandClasses())
        for (const Combo& c : OpponentRange::combosOf(handClass, dead))
            combos.push_back(c);
    return combos;
}

// ours(opponents, board) draws kSamples samples of our side.
template <typename Ours>
void sampleSideBySide(benchmark::State& state, Ours&& ours) {
    const std::int64_t opponents = state.range(0);
    const char* board = kBoards[state.range(1)];
    pinToThisCpu();
    SideBySide sides;
    int index = 0;
    for (auto _ : state) {
        sides.round(
            index++, [&] { return timed([&] { ours(opponents, board); }); },
            [&] { return peerSeconds(opponents, board, kSamples); });
    }
    sides.report(state, static_cast<double>(kSamples), static_cast<double>(kSamples));
}

// Both samplers run the same spots, so that their rows line up. Arguments: opponents; board 0 (preflop),
// 1 (flop), 2 (turn).
void samplerSpots(benchmark::internal::Benchmark* b) {
    b->ArgNames({"opponents", "street"})
        ->ArgsProduct({{1, 5}, {0, 1, 2}})
        ->Iterations(kSampleRounds)
        ->Unit(benchmark::kMillisecond);
}

void BM_EquitySamplerVsOmp(benchmark::State& state) {
    SeededRNG rng(42);
    sampleSideBySide(state, [&](std::int64_t opponents, const char* board) {
        EquitySampler sampler(parse(kHole), parse(board), opponents, rng);
        sampler.sample(0, kSamples);
        benchmark::DoNotOptimize(sampler.winShare());
    });
}
BENCHMARK(BM_EquitySamplerVsOmp)->Apply(samplerSpots);

// Every opponent holds any two cards, from the whole combo list, as OMPEval's random range.
void BM_RangeEquitySamplerVsOmp(benchmark::State& state) {
    SeededRNG rng(42);
    std::vector<Card> dead = parse(kHole);
    for (const Card& c : parse(kBoards[state.range(1)]))
        dead.push_back(c);
    const std::vector<std::vector<Combo>> ranges(static_cast<std::size_t>(state.range(0)), anyTwo(dead));
    sampleSideBySide(state, [&](std::int64_t, const char* board) {
        RangeEquitySampler sampler(parse(kHole), parse(board), ranges, rng);
        sampler.sample(0, kSamples);
        benchmark::DoNotOptimize(sampler.winShare());
    });
}
BENCHMARK(BM_RangeEquitySamplerVsOmp)->Apply(samplerSpots);

}  // namespace
}  // namespace pellox
