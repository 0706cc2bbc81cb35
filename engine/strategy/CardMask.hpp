#pragma once
#include <array>
#include <bit>
#include <cstdint>
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

}  // namespace pellox
