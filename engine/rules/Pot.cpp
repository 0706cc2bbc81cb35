#include "rules/Pot.hpp"

#include "rules/Json.hpp"

namespace pellox {

void to_json(Json& j, const Pot& p) {
    j = Json{{"amount", p.amount}, {"eligiblePlayerIds", p.eligiblePlayerIds}};
}

void from_json(const Json& j, Pot& p) {
    p = Pot{json::read<std::int64_t>(j, "amount"),
            json::read<std::vector<std::string>>(j, "eligiblePlayerIds")};
}

}  // namespace pellox
