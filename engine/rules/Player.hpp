#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/Card.hpp"
#include "rules/JsonFwd.hpp"
#include "rules/LastAction.hpp"
#include "rules/Position.hpp"

namespace pellox {

struct Player {
    std::string id;
    std::string name;
    bool isBot{false};
    std::int64_t stack{0};
    std::vector<Card> holeCards;
    Position position{Position::btn};
    std::int64_t seatIndex{0};
    bool hasFolded{false};
    bool isAllIn{false};
    bool isSittingOut{false};
    bool isEliminated{false};
    std::int64_t streetContribution{0};
    std::int64_t totalContribution{0};
    std::optional<LastAction> lastAction;

    friend bool operator==(const Player&, const Player&) = default;
};

void to_json(Json& j, const Player& p);
void from_json(const Json& j, Player& p);

}  // namespace pellox
