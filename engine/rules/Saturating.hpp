#pragma once
#include <cstdint>
#include <limits>

namespace pellox {

// Lifetime counts and a stored hand's amounts come from documents; a hostile one may hold numbers near the
// limit, so sums and differences saturate instead of overflowing.
constexpr std::int64_t saturatingAdd(std::int64_t a, std::int64_t b) noexcept {
    std::int64_t sum = 0;
    if (!__builtin_add_overflow(a, b, &sum)) return sum;
    return b > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
}

constexpr std::int64_t saturatingSubtract(std::int64_t a, std::int64_t b) noexcept {
    std::int64_t difference = 0;
    if (!__builtin_sub_overflow(a, b, &difference)) return difference;
    return b < 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
}

}  // namespace pellox
