#include "rules/CashGameConfig.hpp"

#include "rules/Json.hpp"

namespace pellox {

std::vector<Player> CashGameConfig::rebuyBustedBots(std::vector<Player> players, std::int64_t buyIn) {
    for (Player& p : players) {
        if (!p.isBot || p.stack >= 1) continue;
        p.stack = buyIn;
        p.isSittingOut = false;
        p.isEliminated = false;
    }
    return players;
}

void to_json(Json& j, const CashGameConfig& c) {
    j = Json{{"smallBlind", c.smallBlind}, {"bigBlind", c.bigBlind}, {"defaultBuyIn", c.defaultBuyIn}};
}

void from_json(const Json& j, CashGameConfig& c) {
    c = CashGameConfig{json::read<std::int64_t>(j, "smallBlind"), json::read<std::int64_t>(j, "bigBlind"),
                       json::read<std::int64_t>(j, "defaultBuyIn")};
}

}  // namespace pellox
