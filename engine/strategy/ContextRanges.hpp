#pragma once
#include "strategy/HandRange.hpp"

namespace pellox {

// One cell of the preflop chart: the hand classes that raise and those that call.
struct ContextRanges {
    HandClassSet raise;
    HandClassSet call;

    friend bool operator==(const ContextRanges&, const ContextRanges&) = default;
};

}  // namespace pellox
