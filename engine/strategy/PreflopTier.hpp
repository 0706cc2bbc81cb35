#pragma once
#include <string_view>

#include "rules/Card.hpp"
#include "rules/RawEnum.hpp"

namespace pellox {

// The strength of two hole cards by the Chen formula.
enum class PreflopTier { premium, strong, playable, marginal, fold };

template <>
struct EnumCases<PreflopTier> {
    static constexpr std::array cases{std::pair{PreflopTier::premium, std::string_view{"premium"}},
                                      std::pair{PreflopTier::strong, std::string_view{"strong"}},
                                      std::pair{PreflopTier::playable, std::string_view{"playable"}},
                                      std::pair{PreflopTier::marginal, std::string_view{"marginal"}},
                                      std::pair{PreflopTier::fold, std::string_view{"fold"}}};
};

// How a tier reads at a glance: premium and strong are good, playable neutral, the rest poor.
enum class PreflopTierStrength { good, neutral, poor };

constexpr std::string_view displayName(PreflopTier tier) noexcept {
    switch (tier) {
        case PreflopTier::premium:
            return "Premium";
        case PreflopTier::strong:
            return "Strong";
        case PreflopTier::playable:
            return "Playable";
        case PreflopTier::marginal:
            return "Marginal";
        case PreflopTier::fold:
            return "Weak";
    }
    return {};
}

constexpr PreflopTierStrength strength(PreflopTier tier) noexcept {
    switch (tier) {
        case PreflopTier::premium:
        case PreflopTier::strong:
            return PreflopTierStrength::good;
        case PreflopTier::playable:
            return PreflopTierStrength::neutral;
        case PreflopTier::marginal:
        case PreflopTier::fold:
            return PreflopTierStrength::poor;
    }
    return PreflopTierStrength::poor;
}

// A score exactly on a boundary takes the higher tier; anything below 4 (or not a number) is fold.
constexpr PreflopTier preflopTier(double chenScore) noexcept {
    if (chenScore >= 12) return PreflopTier::premium;
    if (chenScore >= 9) return PreflopTier::strong;
    if (chenScore >= 6) return PreflopTier::playable;
    if (chenScore >= 4) return PreflopTier::marginal;
    return PreflopTier::fold;
}

// The tier of the Chen score of two hole cards.
PreflopTier preflopTierForHand(const Card& first, const Card& second);

}  // namespace pellox
