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

// For every byte, the positions of its set bits in ascending order: small enough to stay in the first-level
// cache next to the score tables.
inline constexpr auto byteBitPositions = [] {
    std::array<std::array<std::uint8_t, 8>, 256> t{};
    for (std::size_t byte = 0; byte < t.size(); ++byte) {
        std::size_t n = 0;
        for (std::uint8_t bit = 0; bit < 8; ++bit)
            if (byte >> bit & 1u) t[byte][n++] = bit;
    }
    return t;
}();

}  // namespace detail

// The cards outside a mask in deck order, read by position without listing them: a sampler that deals from
// them needs only the few it draws. Counts a byte at a time by word-wide bit arithmetic, exact without any
// instruction beyond the baseline one.
class LiveCards {
  public:
    explicit constexpr LiveCards(CardMask dead) noexcept : live_(~dead & ((CardMask{1} << 52) - 1)) {
        std::uint64_t n = live_ - (live_ >> 1 & 0x5555555555555555u);
        n = (n & 0x3333333333333333u) + (n >> 2 & 0x3333333333333333u);
        n = (n + (n >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
        // Byte i: the live cards in bytes 0 to i. At most 52, so no byte carries into the next.
        throughByte_ = n * perByte;
    }

    // The card (deck index) at the position, 0 for the lowest live card; the position must be below the count.
    constexpr std::uint8_t at(unsigned position) const noexcept {
        // Every count is below 128 and the position below 52, so no byte borrows: the top bit of a byte stays
        // set exactly when the live cards up to that byte pass the position.
        const std::uint64_t passed = ((throughByte_ | topBits) - (position + 1) * perByte) & topBits;
        const auto byte = static_cast<unsigned>(((~passed & topBits) >> 7) * perByte >> 56);
        const auto before = static_cast<unsigned>((throughByte_ << 8) >> (8 * byte) & 0xFF);
        const auto bits = static_cast<std::size_t>(live_ >> (8 * byte) & 0xFF);
        return static_cast<std::uint8_t>(8 * byte + detail::byteBitPositions[bits][position - before]);
    }

    constexpr int count() const noexcept { return static_cast<int>(throughByte_ >> 56); }

  private:
    static constexpr std::uint64_t perByte = 0x0101010101010101u;
    static constexpr std::uint64_t topBits = 0x80 * perByte;

    CardMask live_;
    std::uint64_t throughByte_{0};
};

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
