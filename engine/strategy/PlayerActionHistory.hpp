#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "rules/EngineEvent.hpp"
#include "strategy/RangeAction.hpp"

namespace pellox {

enum class PostflopAggression { none, passive, aggressive };

// What one player did in the current hand, as far as reading the player's range needs.
struct PlayerActionHistory {
    // Bets and raises made before the player's first preflop action.
    std::int64_t raisesFacedPreflop{0};
    // raise or call; none when the player has neither called nor raised preflop.
    std::optional<RangeAction> preflopAction;
    PostflopAggression postflopAggression{PostflopAggression::none};

    friend bool operator==(const PlayerActionHistory&, const PlayerActionHistory&) = default;

    // Every acting player's history, keyed by player identity.
    static std::map<std::string, PlayerActionHistory> build(const std::vector<EngineEvent>& events);
};

}  // namespace pellox
