// Saving and loading the statistics document with a full 200-hand history of six-player hands.
#include <benchmark/benchmark.h>

#include <memory>

#include "../tests/store/SampleHands.hpp"
#include "store/InMemoryStore.hpp"
#include "store/StatsStore.hpp"

namespace pellox {
namespace {

std::shared_ptr<InMemoryStore> fullStore() {
    SeededRNG rng(2024);
    StatsStore::Snapshot snapshot;
    for (int hand = 1; hand <= 230; ++hand) {
        auto record = samples::realisticHand(hand, rng);
        snapshot.stats = snapshot.stats.recording(samples::outcomeOf(record));
        snapshot.handHistory =
            HandRecord::prependingToHistory(std::move(record), std::move(snapshot.handHistory));
    }
    auto store = std::make_shared<InMemoryStore>();
    StatsStore::persisted.save(snapshot, *store);
    return store;
}

void BM_StatsStoreSave(benchmark::State& state) {
    auto store = fullStore();
    StatsStore stats;
    stats.load(store);
    for (auto _ : state)
        stats.save();
    state.counters["documentBytes"] = static_cast<double>(store->storage.at("pellox-poker-stats").size());
    state.counters["hands"] = static_cast<double>(stats.handHistory().size());
}
BENCHMARK(BM_StatsStoreSave)->Unit(benchmark::kMillisecond);

void BM_StatsStoreLoad(benchmark::State& state) {
    auto store = fullStore();
    for (auto _ : state) {
        StatsStore stats;
        stats.load(store);
        benchmark::DoNotOptimize(stats.handHistory().data());
    }
}
BENCHMARK(BM_StatsStoreLoad)->Unit(benchmark::kMillisecond);

void BM_StatsStoreRecordHand(benchmark::State& state) {
    auto store = fullStore();
    StatsStore stats;
    stats.load(store);
    SeededRNG rng(7);
    const auto record = samples::realisticHand(999, rng);
    const auto outcome = samples::outcomeOf(record);
    for (auto _ : state)
        stats.record(outcome, record);
}
BENCHMARK(BM_StatsStoreRecordHand)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pellox
