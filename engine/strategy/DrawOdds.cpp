#include "strategy/DrawOdds.hpp"

#include <algorithm>
#include <array>

namespace pellox {

std::int64_t flushDrawOuts(std::span<const Card> cards) noexcept {
    std::array<int, 4> suitCounts{};
    for (const Card& c : cards)
        ++suitCounts[static_cast<std::size_t>(c.suit)];
    return *std::max_element(suitCounts.begin(), suitCounts.end()) == 4 ? 9 : 0;
}

double drawEquity(std::int64_t outs, std::int64_t cardsToCome) noexcept {
    std::int64_t perOut = cardsToCome < 2 ? 2 : 4;
    // Clamped first so that no count, however wild, overflows or reads as a negative chance.
    std::int64_t counted = std::clamp<std::int64_t>(outs, 0, 100);
    return static_cast<double>(std::min<std::int64_t>(counted * perOut, 100)) / 100;
}

}  // namespace pellox
