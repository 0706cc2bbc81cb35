// The guide's advice for the human's current decision, computed once per decision key.
#include <memory>
#include <utility>

#include "session/GameSession.hpp"
#include "store/SettingsStore.hpp"
#include "strategy/AdviceComputation.hpp"
#include "strategy/EquitySampler.hpp"
#include "rules/RandomSource.hpp"
#include "strategy/StrategyAdvisor.hpp"
#include "strategy/StrategyToggles.hpp"

namespace pellox {

bool GameSession::humanFacesDecision() const {
    return isHumanTurn() && settings_.guideMode.get() != GuideMode::off;
}

// The state a fork starts at: the advice stream's own; the stream itself moves on by one step.
std::uint32_t GameSession::forkAdviceStream() {
    const std::uint32_t start = adviceRng_.s;
    (void)adviceRng_.nextUInt32();
    return start;
}

std::optional<StrategyAdvice> GameSession::computeAdviceNow() {
    SeededRNG fork(forkAdviceStream());
    return StrategyAdvisor::advice(humanId, *table(), StrategyToggles::allOn, currentHandEvents(),
                                   RandomSource(fork), EquitySampler::defaultSamples);
}

void GameSession::refreshHumanAdvice() {
    if (!humanFacesDecision()) {
        if (humanAdviceKey_) {
            humanAdvice_.assign(std::nullopt);
            humanAdviceKey_.reset();
        }
        return;
    }
    std::string key = decisionKey(*table());
    if (humanAdviceKey_ == key) return;
    humanAdvice_.assign(std::nullopt);
    humanAdviceKey_ = key;
    ++adviceRequest_;
    adviceForkState_ = adviceRng_.s;
    if (!computesAdviceSynchronously_) {
        postAdviceTask(key, std::make_unique<SeededRNG>(forkAdviceStream()));
        return;
    }
    humanAdvice_.assign(computeAdviceNow());
}

void GameSession::postAdviceTask(const std::string& key, std::unique_ptr<SeededRNG> fork) {
    // Everything the work reads is copied here, on the session's thread.
    auto computation = std::make_shared<AdviceComputation>(std::string(humanId), *table(),
                                                           StrategyToggles::allOn, currentHandEvents(),
                                                           std::move(fork), EquitySampler::defaultSamples);
    std::weak_ptr<Liveness> alive = liveness_;
    GameSession* self = this;
    const std::uint64_t request = adviceRequest_;
    scheduler_->post([computation, alive, self, key, request]() -> AdviceScheduler::Publish {
        while (computation->step()) {
        }
        auto advice = computation->finish();
        return [alive, self, key, request, advice = std::move(advice)]() {
            if (alive.expired()) return;
            if (self->adviceRequest_ != request || self->humanAdviceKey_ != key) return;
            self->humanAdvice_.assign(advice);
        };
    });
}

std::optional<StrategyAdvice> GameSession::visibleAdvice() const {
    const auto& t = table();
    if (!t || !t->isHandInProgress || !humanAdvice()) return std::nullopt;
    if (settings_.guideMode.get() != GuideMode::show) return std::nullopt;
    if (!settings_.strategyToggles.get().isEnabled(t->street)) return std::nullopt;
    return humanAdvice();
}

}  // namespace pellox
