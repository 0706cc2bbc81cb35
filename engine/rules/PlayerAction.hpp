#pragma once
#include <cstdint>
#include <optional>

#include "rules/JsonFwd.hpp"
#include "rules/PlayerActionType.hpp"

namespace pellox {

// An action as a player submits it. For a bet or raise, amount is the street total to go to; none means
// the smallest legal amount. Other types ignore it.
struct PlayerAction {
    PlayerActionType type{PlayerActionType::fold};
    std::optional<std::int64_t> amount;

    friend bool operator==(const PlayerAction&, const PlayerAction&) = default;
};

void to_json(Json& j, const PlayerAction& a);
void from_json(const Json& j, PlayerAction& a);

}  // namespace pellox
