#pragma once
#include <cstdlib>

namespace pellox::test {

// PELLOX_LONG_TESTS (a whole factor) scales every long randomized run up; CI runs them at factor 1.
inline int longRunFactor() {
    const char* v = std::getenv("PELLOX_LONG_TESTS");
    const int factor = v ? std::atoi(v) : 1;
    return factor > 0 ? factor : 1;
}

}  // namespace pellox::test
