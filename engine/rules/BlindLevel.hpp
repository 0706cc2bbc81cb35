#pragma once
#include <cstdint>

#include "rules/JsonFwd.hpp"

namespace pellox {

struct BlindLevel {
    // Counting from 1.
    std::int64_t level{1};
    std::int64_t smallBlind{0};
    std::int64_t bigBlind{0};
    // 0 for none.
    std::int64_t ante{0};

    friend bool operator==(const BlindLevel&, const BlindLevel&) = default;
};

void to_json(Json& j, const BlindLevel& b);
void from_json(const Json& j, BlindLevel& b);

}  // namespace pellox
