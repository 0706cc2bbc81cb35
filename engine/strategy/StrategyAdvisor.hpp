#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/EngineEvent.hpp"
#include "rules/TableState.hpp"
#include "strategy/OpponentRange.hpp"
#include "rules/RandomSource.hpp"
#include "strategy/StrategyAdvice.hpp"
#include "strategy/StrategyToggles.hpp"

namespace pellox {

// The guide's voice for one decision: preflop from the charts and the Chen formula, after the flop from
// sampled equity against the value threshold and the pot odds. Stateless.
namespace StrategyAdvisor {

// None when the player is not at the table or does not hold exactly two hole cards.
std::optional<StrategyAdvice> preflopAdvice(std::string_view playerId, const TableState& table);

// None only when the player is not at the table.
std::optional<StrategyAdvice> postflopAdvice(std::string_view playerId, const TableState& table,
                                             std::vector<std::string> opponentReads, double equity);

// The read ranges of the hero's live opponents in seat order; none without events.
std::vector<OpponentRange> opponentRanges(std::string_view heroId, const TableState& table,
                                          const std::vector<EngineEvent>& events);

// The equity worth a value bet against that many opponents (at least one counted).
double valueThreshold(std::int64_t opponents);

// The fraction of the pot that a bet or raise for value puts in: 0.45 at the threshold, growing to the whole
// pot at certainty.
double valueSizeFraction(double equity, double threshold);

// The share of the pot after the call that a call costs; 0 with nothing to call.
double potOdds(std::int64_t toCall, std::int64_t pot);

// The advice for a street the toggles enable, with equity sampled over samples draws of rng after the flop.
// The stepped twin is AdviceComputation; both give the same advice for the same generator state.
std::optional<StrategyAdvice> advice(std::string_view playerId, const TableState& table,
                                     const StrategyToggles& toggles, const std::vector<EngineEvent>& events,
                                     RandomSource rng, std::int64_t samples);

// A fraction as the nearest whole percent, halves away from zero: 0.456 gives "46%".
std::string percentText(double fraction);

}  // namespace StrategyAdvisor
}  // namespace pellox
