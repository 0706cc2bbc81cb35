#include "rules/BlindLevel.hpp"

#include "rules/Json.hpp"

namespace pellox {

void to_json(Json& j, const BlindLevel& b) {
    j = Json{{"level", b.level}, {"smallBlind", b.smallBlind}, {"bigBlind", b.bigBlind}, {"ante", b.ante}};
}

void from_json(const Json& j, BlindLevel& b) {
    b = BlindLevel{json::read<std::int64_t>(j, "level"), json::read<std::int64_t>(j, "smallBlind"),
                   json::read<std::int64_t>(j, "bigBlind"), json::read<std::int64_t>(j, "ante")};
}

}  // namespace pellox
