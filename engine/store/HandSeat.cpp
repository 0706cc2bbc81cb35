#include "store/HandSeat.hpp"

#include "rules/Json.hpp"

namespace pellox {

void to_json(Json& j, const HandSeat& s) {
    j = Json{{"id", s.id}, {"name", s.name}, {"seatIndex", s.seatIndex}, {"startingStack", s.startingStack}};
}

void from_json(const Json& j, HandSeat& s) {
    s.id = json::read<std::string>(j, "id");
    s.name = json::read<std::string>(j, "name");
    s.seatIndex = json::read<std::int64_t>(j, "seatIndex");
    s.startingStack = json::read<std::int64_t>(j, "startingStack");
}

}  // namespace pellox
