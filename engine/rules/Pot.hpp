#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "rules/JsonFwd.hpp"

namespace pellox {

struct Pot {
    std::int64_t amount{0};
    std::vector<std::string> eligiblePlayerIds;

    friend bool operator==(const Pot&, const Pot&) = default;
};

void to_json(Json& j, const Pot& p);
void from_json(const Json& j, Pot& p);

}  // namespace pellox
