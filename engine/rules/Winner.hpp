#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "rules/JsonFwd.hpp"

namespace pellox {

struct Winner {
    std::string playerId;
    // All pots of the hand together.
    std::int64_t amount{0};
    std::optional<std::string> handDescription;

    static constexpr std::string_view opponentsFoldedDescription{"Opponents folded"};

    friend bool operator==(const Winner&, const Winner&) = default;
};

void to_json(Json& j, const Winner& w);
void from_json(const Json& j, Winner& w);

}  // namespace pellox
