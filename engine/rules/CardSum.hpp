#pragma once
#include <array>
#include <bit>
#include <cstdint>

#include "rules/Card.hpp"

namespace pellox {

// The cards of a hand summed for the packed score. Each card is one entry of a small table; adding entries
// accumulates, in `key`, a counter per suit (7 per card, so bit 5 of a suit's byte is set from five cards on)
// in bits 0-31, a rank-combination key unique to the multiset of ranks in bits 32-54, and the number of cards
// in bits 55-57; in `suits`, each suit's rank mask (rank r at bit r - 2) in its own 16-bit slice. Loops that
// score hands sharing cards add the shared cards once.
struct CardSum {
    std::uint64_t key{0};
    std::uint64_t suits{0};

    // Weights of the ranks 2 to 14: sums of up to seven of them, each rank at most four times, differ for
    // different multisets of the ranks from 3 up; the number of cards then tells how many twos there are.
    static constexpr std::array<std::uint64_t, 13> rankWeights{
        0, 1, 5, 24, 112, 521, 2247, 9244, 30823, 103066, 250154, 667453, 1526359};
    static constexpr int keyShift = 32;
    static constexpr int countShift = 55;

    static constexpr CardSum of(Rank rank, Suit suit) noexcept {
        const auto r = static_cast<unsigned>(value(rank) - 2);
        const auto s = static_cast<unsigned>(suit);
        return {std::uint64_t{7} << (8 * s) | rankWeights[r] << keyShift | std::uint64_t{1} << countShift,
                std::uint64_t{1} << (16 * s + r)};
    }

    // The card's entry: one masked load from each half's table.
    static CardSum of(const Card& card) noexcept;

    friend constexpr CardSum operator+(const CardSum& a, const CardSum& b) noexcept {
        return {a.key + b.key, a.suits + b.suits};
    }
    constexpr CardSum& operator+=(const CardSum& other) noexcept {
        key += other.key;
        suits += other.suits;
        return *this;
    }
};

namespace detail {

// Indexed by the card's two bytes (rank in the low byte, suit in the high one) masked with 0x30F: every
// malformed card reads a zero entry or another card's, never outside the table. The two halves of a CardSum
// are apart so that each is one scaled load.
template <std::uint64_t CardSum::*Half>
inline constexpr auto cardSumHalves = [] {
    std::array<std::uint64_t, 0x310> t{};
    for (unsigned suit = 0; suit < 4; ++suit)
        for (int rank = 2; rank <= 14; ++rank)
            t[suit << 8 | static_cast<unsigned>(rank)] =
                CardSum::of(static_cast<Rank>(rank), static_cast<Suit>(suit)).*Half;
    return t;
}();

}  // namespace detail

inline CardSum CardSum::of(const Card& card) noexcept {
    std::uint32_t raw = 0;
    if constexpr (std::endian::native == std::endian::little) {
        raw = std::bit_cast<std::uint16_t>(card);
    } else {
        raw = static_cast<std::uint8_t>(card.rank) | static_cast<std::uint32_t>(card.suit) << 8;
    }
    raw &= 0x30Fu;
    return {detail::cardSumHalves<&CardSum::key>[raw], detail::cardSumHalves<&CardSum::suits>[raw]};
}

}  // namespace pellox
