#include "rules/Player.hpp"

#include "rules/Json.hpp"

namespace pellox {

void to_json(Json& j, const Player& p) {
    j = Json{{"id", p.id},
             {"name", p.name},
             {"isBot", p.isBot},
             {"stack", p.stack},
             {"holeCards", p.holeCards},
             {"position", p.position},
             {"seatIndex", p.seatIndex},
             {"hasFolded", p.hasFolded},
             {"isAllIn", p.isAllIn},
             {"isSittingOut", p.isSittingOut},
             {"isEliminated", p.isEliminated},
             {"streetContribution", p.streetContribution},
             {"totalContribution", p.totalContribution}};
    json::writeOptional(j, "lastAction", p.lastAction);
}

void from_json(const Json& j, Player& p) {
    Player out;
    out.id = json::read<std::string>(j, "id");
    out.name = json::read<std::string>(j, "name");
    out.isBot = json::read<bool>(j, "isBot");
    out.stack = json::read<std::int64_t>(j, "stack");
    out.holeCards = json::read<std::vector<Card>>(j, "holeCards");
    out.position = json::read<Position>(j, "position");
    out.seatIndex = json::read<std::int64_t>(j, "seatIndex");
    out.hasFolded = json::read<bool>(j, "hasFolded");
    out.isAllIn = json::read<bool>(j, "isAllIn");
    out.isSittingOut = json::read<bool>(j, "isSittingOut");
    out.isEliminated = json::read<bool>(j, "isEliminated");
    out.streetContribution = json::read<std::int64_t>(j, "streetContribution");
    out.totalContribution = json::read<std::int64_t>(j, "totalContribution");
    out.lastAction = json::readOptional<LastAction>(j, "lastAction");
    p = std::move(out);
}

}  // namespace pellox
