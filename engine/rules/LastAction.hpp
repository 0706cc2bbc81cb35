#pragma once
#include <cstdint>
#include <optional>

#include "rules/JsonFwd.hpp"
#include "rules/LastActionType.hpp"

namespace pellox {

// The last thing a player did, as resolved by the engine.
struct LastAction {
    LastActionType type{LastActionType::fold};
    std::optional<std::int64_t> amount;

    friend bool operator==(const LastAction&, const LastAction&) = default;
};

void to_json(Json& j, const LastAction& a);
void from_json(const Json& j, LastAction& a);

}  // namespace pellox
