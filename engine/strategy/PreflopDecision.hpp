#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "rules/Card.hpp"
#include "rules/Position.hpp"
#include "strategy/PreflopContext.hpp"
#include "strategy/PreflopTier.hpp"
#include "strategy/RangeAction.hpp"

namespace pellox {

// The chart's verdict on two hole cards: the action, the Chen tier, the class and a one-sentence reason.
struct PreflopDecision {
    RangeAction action{RangeAction::fold};
    PreflopTier tier{PreflopTier::fold};
    std::string handLabel;
    std::string reason;

    PreflopDecision() = default;
    // Looks the hand up in the chart of the position's bucket for the situation that raisesBefore gives.
    PreflopDecision(const std::array<Card, 2>& hole, Position position, std::int64_t raisesBefore);

    // The reason sentence: the class followed by what the chart says, naming the position where it matters.
    static std::string explanation(std::string_view handLabel, RangeAction action, PreflopContext context,
                                   Position position);

    friend bool operator==(const PreflopDecision&, const PreflopDecision&) = default;
};

}  // namespace pellox
