#pragma once
#include <cstdint>

#include "store/StreetKey.hpp"

namespace pellox {

// One street with its accuracy, for display.
struct StreetAccuracy {
    StreetKey street = StreetKey::preflop;
    double accuracy = 0;  // agreed divided by graded
    std::int64_t graded = 0;

    friend bool operator==(const StreetAccuracy&, const StreetAccuracy&) = default;
};

}  // namespace pellox
