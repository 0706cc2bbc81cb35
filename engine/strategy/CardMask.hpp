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

// Writes the cards outside the mask to the front of out, in standard deck order; returns how many.
inline int cardsOutside(CardMask mask, std::array<Card, 52>& out) noexcept {
    int count = 0;
    for (CardMask left = ~mask & ((CardMask{1} << 52) - 1); left != 0; left &= left - 1)
        out[static_cast<std::size_t>(count++)] = Card::fromIndex(std::countr_zero(left));
    return count;
}

// Standard deck indices with room for a whole 8-byte write past the last of 52 cards.
using CardIndices = std::array<std::uint8_t, 64>;

namespace detail {

// For every byte, the positions of its set bits in ascending order, one a byte from the lowest, and their
// number.
inline constexpr auto bytePositions = [] {
    std::array<std::uint64_t, 256> t{};
    for (unsigned b = 0; b < 256; ++b) {
        int n = 0;
        for (unsigned bit = 0; bit < 8; ++bit)
            if (b >> bit & 1u) t[b] |= std::uint64_t{bit} << (8 * n++);
    }
    return t;
}();
inline constexpr auto byteCounts = [] {
    std::array<std::uint8_t, 256> t{};
    for (unsigned b = 0; b < 256; ++b)
        t[b] = static_cast<std::uint8_t>(std::popcount(b));
    return t;
}();

}  // namespace detail

// Writes the indices of the cards outside the mask to the front of out, ascending (standard deck order);
// returns how many. A byte of the mask at a time: its positions from a table, moved to the byte's place by
// one addition and written whole, the next byte's write starting where this byte's cards end.
inline int indicesOutside(CardMask mask, CardIndices& out) noexcept {
    const CardMask live = ~mask & ((CardMask{1} << 52) - 1);
    int count = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (unsigned k = 0; k < 7; ++k) {
            const auto byte = static_cast<std::uint8_t>(live >> (8 * k));
            const std::uint64_t positions = detail::bytePositions[byte] + 0x0808080808080808u * k;
            std::memcpy(out.data() + count, &positions, sizeof positions);
            count += detail::byteCounts[byte];
        }
    } else {
        for (CardMask left = live; left != 0; left &= left - 1)
            out[static_cast<std::size_t>(count++)] = static_cast<std::uint8_t>(std::countr_zero(left));
    }
    return count;
}

}  // namespace pellox
