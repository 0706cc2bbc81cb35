#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/PlayerActionType.hpp"
#include "strategy/PreflopTier.hpp"

namespace pellox {

// The guide's recommendation for one decision. Not stored.
struct StrategyAdvice {
    PlayerActionType recommendedAction{PlayerActionType::check};
    // The total a bet or raise goes to; none for fold, check and call.
    std::optional<std::int64_t> recommendedAmount;
    std::string headline;
    std::string explanation;
    // Preflop only.
    std::optional<PreflopTier> preflopStrengthTier;
    // After the flop only.
    std::optional<double> equity;
    // The pot-odds price when facing a bet after the flop.
    std::optional<double> requiredEquity;
    // One sentence per read opponent range.
    std::vector<std::string> opponentReads;
    // Preflop only.
    std::optional<std::string> chartReason;

    friend bool operator==(const StrategyAdvice&, const StrategyAdvice&) = default;
};

}  // namespace pellox
