#pragma once
#include <cstdint>
#include <vector>

#include "rules/GameMode.hpp"
#include "rules/Position.hpp"
#include "strategy/GradedDecision.hpp"

namespace pellox {

// What the statistics learn from one finished hand.
struct HandOutcome {
    GameMode mode = GameMode::cash;
    std::int64_t netChips = 0;  // the human's result, negative for a loss
    Position position = Position::btn;
    std::vector<GradedDecision> grades;  // in order; only street and agreed are read
};

}  // namespace pellox
