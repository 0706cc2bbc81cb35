#pragma once
#include <optional>

#include "rules/PlayerActionType.hpp"

namespace pellox {

// What the cards alone tell a bot to do, before its personality has a say.
struct BotRead {
    PlayerActionType action{PlayerActionType::fold};
    // The action rests on hand strength rather than on a draw.
    bool isValue{true};
    // The bet size as a fraction of the pot, for value bets and raises.
    std::optional<double> potFraction;

    BotRead() = default;
    BotRead(PlayerActionType action, bool isValue = true, std::optional<double> potFraction = std::nullopt)
        : action(action), isValue(isValue), potFraction(potFraction) {}

    friend bool operator==(const BotRead&, const BotRead&) = default;
};

}  // namespace pellox
