#pragma once
#include <cstdint>
#include <string>

#include "rules/JsonFwd.hpp"

namespace pellox {

// One player as seated when a hand started.
struct HandSeat {
    std::string id;
    std::string name;  // the human's is "You"
    std::int64_t seatIndex = 0;
    std::int64_t startingStack = 0;  // before blinds and antes

    friend bool operator==(const HandSeat&, const HandSeat&) = default;
};

void to_json(Json& j, const HandSeat& s);
void from_json(const Json& j, HandSeat& s);

}  // namespace pellox
