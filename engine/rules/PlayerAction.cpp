#include "rules/PlayerAction.hpp"

#include "rules/Json.hpp"

namespace pellox {

void to_json(Json& j, const PlayerAction& a) {
    j = Json::object();
    j["type"] = a.type;
    json::writeOptional(j, "amount", a.amount);
}

void from_json(const Json& j, PlayerAction& a) {
    a = PlayerAction{json::read<PlayerActionType>(j, "type"), json::readOptional<std::int64_t>(j, "amount")};
}

}  // namespace pellox
