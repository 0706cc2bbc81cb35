#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "rules/EngineEvent.hpp"
#include "rules/SeededRNG.hpp"
#include "rules/TableState.hpp"
#include "strategy/EquitySampler.hpp"
#include "rules/RandomSource.hpp"
#include "strategy/RangeEquitySampler.hpp"
#include "strategy/StrategyAdvice.hpp"
#include "strategy/StrategyToggles.hpp"

namespace pellox {

// One advice computed in steps, for a worker thread: build it on the main thread from copies of the table and
// the events and the forked generator it then owns, call step() until it returns false (each step draws 200
// samples; the first one also reads the ranges), then finish(). The result equals StrategyAdvisor::advice
// with a generator in the fork's state. Not shared: one thread at a time.
class AdviceComputation {
  public:
    static constexpr std::int64_t chunkSamples = 200;

    AdviceComputation(std::string playerId, TableState table, StrategyToggles toggles,
                      std::vector<EngineEvent> events, std::unique_ptr<SeededRNG> rng, std::int64_t samples);

    // Advances by one chunk; false once nothing remains to do.
    bool step();
    bool isFinished() const noexcept;
    // The advice; draws in one go whatever the steps have not drawn yet.
    std::optional<StrategyAdvice> finish();

    // Borrows the random source instead of owning a generator; for the one-shot advice.
    AdviceComputation(std::string playerId, TableState table, StrategyToggles toggles,
                      std::vector<EngineEvent> events, RandomSource rng, std::int64_t samples);

  private:
    void start();
    void drawUpTo(std::int64_t end);

    std::string playerId_;
    TableState table_;
    StrategyToggles toggles_;
    std::vector<EngineEvent> events_;
    std::unique_ptr<SeededRNG> ownedRng_;
    RandomSource rng_;
    std::int64_t samples_;
    std::int64_t drawn_{0};
    bool started_{false};
    // Set when the advice needs no sampling (preflop, or none at all).
    std::optional<std::optional<StrategyAdvice>> immediate_;
    std::optional<EquitySampler> randomSampler_;
    std::optional<RangeEquitySampler> rangeSampler_;
    std::vector<std::string> reads_;
};

}  // namespace pellox
