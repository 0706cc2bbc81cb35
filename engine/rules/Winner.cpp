#include "rules/Winner.hpp"

#include "rules/Json.hpp"

namespace pellox {

void to_json(Json& j, const Winner& w) {
    j = Json{{"playerId", w.playerId}, {"amount", w.amount}};
    json::writeOptional(j, "handDescription", w.handDescription);
}

void from_json(const Json& j, Winner& w) {
    w = Winner{json::read<std::string>(j, "playerId"), json::read<std::int64_t>(j, "amount"),
               json::readOptional<std::string>(j, "handDescription")};
}

}  // namespace pellox
