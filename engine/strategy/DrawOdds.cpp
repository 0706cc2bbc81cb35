#include "strategy/DrawOdds.hpp"

#include <algorithm>
#include <array>
#include <vector>

#include "strategy/StraightDrawInfo.hpp"

namespace pellox {

std::int64_t flushDrawOuts(std::span<const Card> cards) noexcept {
    std::array<int, 4> suitCounts{};
    for (const Card& c : cards)
        ++suitCounts[static_cast<std::size_t>(c.suit)];
    return *std::max_element(suitCounts.begin(), suitCounts.end()) == 4 ? 9 : 0;
}

namespace {

std::int64_t bestDrawOuts(std::span<const Card> cards) noexcept {
    return std::max(StraightDrawInfo::evaluate(cards).outs, flushDrawOuts(cards));
}

}  // namespace

std::int64_t drawOuts(std::span<const Card> hole, std::span<const Card> board, Street street) {
    if (street == Street::river || street == Street::showdown) return 0;
    std::array<Card, 7> dealt{};
    if (hole.size() + board.size() > dealt.size()) {
        // More cards than a deal holds (an edited table): slower, but never out of bounds.
        std::vector<Card> all(hole.begin(), hole.end());
        all.insert(all.end(), board.begin(), board.end());
        return bestDrawOuts(all);
    }
    const auto end =
        std::copy(board.begin(), board.end(), std::copy(hole.begin(), hole.end(), dealt.begin()));
    return bestDrawOuts({dealt.begin(), end});
}

double drawEquity(std::int64_t outs, std::int64_t cardsToCome) noexcept {
    std::int64_t perOut = cardsToCome < 2 ? 2 : 4;
    // Clamped first so that no count, however wild, overflows or reads as a negative chance.
    std::int64_t counted = std::clamp<std::int64_t>(outs, 0, 100);
    return static_cast<double>(std::min<std::int64_t>(counted * perOut, 100)) / 100;
}

}  // namespace pellox
