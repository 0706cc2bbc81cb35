#pragma once
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

#include "rules/Card.hpp"

namespace pellox {

// A set of cards, bit i standing for the card of standard deck index i: the sampling loops test and mark
// dead cards with one instruction each.
using CardMask = std::uint64_t;

constexpr CardMask cardBit(const Card& c) noexcept {
    return CardMask{1} << c.index();
}

constexpr CardMask cardMask(std::span<const Card> cards) noexcept {
    CardMask mask = 0;
    for (const Card& c : cards)
        mask |= cardBit(c);
    return mask;
}

// Standard deck indices, with room for a whole 16-byte write starting at any of the first 40.
using CardIndices = std::array<std::uint8_t, 64>;

namespace detail {

// For every 13-bit mask of one suit's ranks, the ranks present (0 for the two up to 12 for the ace) in
// ascending order, one a byte, and how many there are. Built at start-up.
struct SuitRankLists {
    std::array<std::array<std::uint8_t, 16>, 8192> ranks{};
    std::array<std::uint8_t, 8192> counts{};
    SuitRankLists() noexcept;
};
extern const SuitRankLists suitRankLists;

}  // namespace detail

// Writes the indices of the cards outside the mask to the front of out, ascending (standard deck order);
// returns how many. A suit at a time: its ranks from a table, moved to the suit's indices by one bytewise
// addition and written whole, the next suit's write starting where this suit's cards end.
inline int indicesOutside(CardMask mask, CardIndices& out) noexcept {
    constexpr std::uint64_t perByte = 0x0101010101010101u;
    const CardMask live = ~mask & ((CardMask{1} << 52) - 1);
    int count = 0;
    for (unsigned suit = 0; suit < 4; ++suit) {
        const auto ranks = static_cast<std::size_t>(live >> (13 * suit) & 0x1FFF);
        std::array<std::uint64_t, 2> indices{};
        std::memcpy(indices.data(), detail::suitRankLists.ranks[ranks].data(), sizeof indices);
        indices[0] += 13 * suit * perByte;
        indices[1] += 13 * suit * perByte;
        std::memcpy(out.data() + count, indices.data(), sizeof indices);
        count += detail::suitRankLists.counts[ranks];
    }
    return count;
}

}  // namespace pellox
