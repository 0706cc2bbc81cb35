#pragma once
#include <cstdint>
#include <string>

#include "rules/Json.hpp"

namespace pellox {

// One player as seated when a hand started.
struct HandSeat {
    std::string id;
    std::string name;  // the human's is "You"
    std::int64_t seatIndex = 0;
    std::int64_t startingStack = 0;  // before blinds and antes

    friend bool operator==(const HandSeat&, const HandSeat&) = default;
};

inline void to_json(Json& j, const HandSeat& s) {
    j = Json{{"id", s.id}, {"name", s.name}, {"seatIndex", s.seatIndex}, {"startingStack", s.startingStack}};
}

inline void from_json(const Json& j, HandSeat& s) {
    s.id = json::read<std::string>(j, "id");
    s.name = json::read<std::string>(j, "name");
    s.seatIndex = json::read<std::int64_t>(j, "seatIndex");
    s.startingStack = json::read<std::int64_t>(j, "startingStack");
}

}  // namespace pellox
