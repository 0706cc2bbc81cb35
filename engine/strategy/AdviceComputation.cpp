#include "strategy/AdviceComputation.hpp"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "strategy/StrategyAdvisor.hpp"

namespace pellox {
namespace {

SeededRNG& required(const std::unique_ptr<SeededRNG>& rng) {
    if (!rng) throw std::invalid_argument("an advice computation needs its own generator");
    return *rng;
}

}  // namespace

AdviceComputation::AdviceComputation(std::string playerId, TableState table, StrategyToggles toggles,
                                     std::vector<EngineEvent> events, std::unique_ptr<SeededRNG> rng,
                                     std::int64_t samples)
    : AdviceComputation(std::move(playerId), std::move(table), toggles, std::move(events),
                        RandomSource(required(rng)), samples) {
    ownedRng_ = std::move(rng);
}

AdviceComputation::AdviceComputation(std::string playerId, TableState table, StrategyToggles toggles,
                                     std::vector<EngineEvent> events, RandomSource rng, std::int64_t samples)
    : playerId_(std::move(playerId)),
      table_(std::move(table)),
      toggles_(toggles),
      events_(std::move(events)),
      rng_(rng),
      // At least one sample keeps the equity a number.
      samples_(std::max<std::int64_t>(samples, 1)) {}

void AdviceComputation::start() {
    started_ = true;
    const Player* player = table_.player(playerId_);
    if (!toggles_.isEnabled(table_.street) || player == nullptr || player->holeCards.size() != 2) {
        immediate_.emplace(std::nullopt);
        return;
    }
    if (table_.street == Street::preflop) {
        immediate_.emplace(StrategyAdvisor::preflopAdvice(playerId_, table_));
        return;
    }
    auto ranges = StrategyAdvisor::opponentRanges(playerId_, table_, events_);
    if (ranges.empty()) {
        const std::int64_t opponents = std::max<std::int64_t>(1, table_.opponentCount(playerId_));
        randomSampler_.emplace(player->holeCards, table_.board, opponents, rng_);
        return;
    }
    std::vector<std::vector<Combo>> combos;
    combos.reserve(ranges.size());
    for (OpponentRange& range : ranges) {
        combos.push_back(std::move(range.combos));
        reads_.push_back(std::move(range.descriptor));
    }
    rangeSampler_.emplace(player->holeCards, table_.board, combos, rng_);
}

void AdviceComputation::drawUpTo(std::int64_t end) {
    if (end <= drawn_) return;
    if (rangeSampler_) rangeSampler_->sample(drawn_, end);
    if (randomSampler_) randomSampler_->sample(drawn_, end);
    drawn_ = end;
}

bool AdviceComputation::isFinished() const noexcept {
    return started_ && (immediate_ || drawn_ >= samples_);
}

bool AdviceComputation::step() {
    if (!started_) start();
    if (!immediate_) drawUpTo(std::min(drawn_ + chunkSamples, samples_));
    return !isFinished();
}

std::optional<StrategyAdvice> AdviceComputation::finish() {
    if (!started_) start();
    if (immediate_) return *immediate_;
    drawUpTo(samples_);
    const double winShare = rangeSampler_ ? rangeSampler_->winShare() : randomSampler_->winShare();
    return StrategyAdvisor::postflopAdvice(playerId_, table_, reads_,
                                           winShare / static_cast<double>(samples_));
}

}  // namespace pellox
