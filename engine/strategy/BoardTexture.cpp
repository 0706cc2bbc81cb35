#include "strategy/BoardTexture.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace pellox {

BoardTexture classifyBoardTexture(std::span<const Card> board) noexcept {
    if (board.size() < 3) return BoardTexture::dry;
    std::array<int, 4> suitCounts{};
    std::uint32_t rankMask = 0;
    for (const Card& c : board) {
        ++suitCounts[static_cast<std::size_t>(c.suit)];
        rankMask |= 1u << value(c.rank);
    }
    bool threeOfASuit = *std::max_element(suitCounts.begin(), suitCounts.end()) >= 3;
    int distinct = std::popcount(rankMask);
    int highest = std::bit_width(rankMask) - 1;
    int lowest = std::countr_zero(rankMask);
    if (distinct >= 2 && highest - lowest < 5)
        return threeOfASuit || distinct != 2 ? BoardTexture::wet : BoardTexture::dry;
    return threeOfASuit ? BoardTexture::wet : BoardTexture::dry;
}

}  // namespace pellox
