#pragma once
#include <cstdint>
#include <optional>

#include "rules/PlayerAction.hpp"
#include "rules/PlayerActionType.hpp"
#include "rules/Street.hpp"
#include "strategy/StrategyAdvice.hpp"

namespace pellox {

// One decision of the human, taken when the human acts, to be graded against the advice that stood for it.
struct GradeInput {
    std::int64_t handNumber{0};
    Street street{Street::preflop};
    // As the human chose it.
    PlayerAction playerAction;
    // What it really was at the table: an all-in that only calls is a call.
    PlayerActionType resolvedType{PlayerActionType::fold};
    // The total a bet or raise went to; none for other actions.
    std::optional<std::int64_t> playerRaiseTo;
    StrategyAdvice advice;
    std::int64_t potSize{0};
    std::int64_t toCall{0};
};

}  // namespace pellox
