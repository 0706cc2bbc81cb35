#include "rules/LastAction.hpp"

#include "rules/Json.hpp"

namespace pellox {

void to_json(Json& j, const LastAction& a) {
    j = Json::object();
    j["type"] = a.type;
    json::writeOptional(j, "amount", a.amount);
}

void from_json(const Json& j, LastAction& a) {
    a = LastAction{json::read<LastActionType>(j, "type"), json::readOptional<std::int64_t>(j, "amount")};
}

}  // namespace pellox
