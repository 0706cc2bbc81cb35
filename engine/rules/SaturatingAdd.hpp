#pragma once
#include <cstdint>
#include <limits>

namespace pellox {

// Lifetime counts come from stored documents; a hostile one may hold counts near the limit, so adding to
// them saturates instead of overflowing.
constexpr std::int64_t saturatingAdd(std::int64_t a, std::int64_t b) noexcept {
    std::int64_t sum = 0;
    if (!__builtin_add_overflow(a, b, &sum)) return sum;
    return b > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
}

}  // namespace pellox
