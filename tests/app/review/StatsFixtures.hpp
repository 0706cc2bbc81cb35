#pragma once
// Statistics grown hand by hand from seeded sample hands, with the human moving round the table.
#include <cstdint>

#include "rules/SeededRNG.hpp"
#include "store/SampleHands.hpp"
#include "store/SessionTestValues.hpp"
#include "store/StatsStore.hpp"
#include "store/TrainingStats.hpp"

namespace pellox::test {

inline HandRecord sampleHandAtSomePosition(std::int64_t hand, SeededRNG& rng) {
    HandRecord record = samples::realisticHand(hand, rng);
    const auto positions = allCases<Position>();
    record.humanPosition = positions[static_cast<std::size_t>(hand) % positions.size()];
    return record;
}

// Records hands into the store as the session does (statistics and history together).
inline void recordSampleHands(StatsStore& store, int hands, std::uint32_t seed) {
    SeededRNG rng(seed);
    for (int hand = 1; hand <= hands; ++hand) {
        HandRecord record = sampleHandAtSomePosition(hand, rng);
        const HandOutcome outcome = samples::outcomeOf(record);
        store.record(outcome, std::move(record));
    }
}

inline TrainingStats sampleStats(int hands, std::uint32_t seed) {
    SeededRNG rng(seed);
    TrainingStats stats;
    for (int hand = 1; hand <= hands; ++hand)
        stats = stats.recording(samples::outcomeOf(sampleHandAtSomePosition(hand, rng)));
    return stats;
}

}  // namespace pellox::test
