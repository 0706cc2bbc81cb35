#pragma once
#include <array>
#include <bit>
#include <cstdint>

#include "rules/Card.hpp"

namespace pellox {

// The cards of a hand summed for the packed score. Each card is one entry of a small table; adding entries
// accumulates, in `key`, a rank-combination key unique to the multiset of ranks in bits 0-22 with the number
// of cards in bits 23-25, and a counter per suit in bits 32-63 (7 per card, so bit 5 of a suit's byte is set
// from five cards on); in `suits`, each suit's rank mask (rank r at bit r - 2) in its own 16-bit slice. Loops
// that score hands sharing cards add the shared cards once.
struct CardSum {
    std::uint64_t key{0};
    std::uint64_t suits{0};

    // Weights of the ranks 2 to 14: sums of up to seven of them, each rank at most four times, differ for
    // different multisets of the ranks from 3 up; the number of cards then tells how many twos there are.
    static constexpr std::array<std::uint64_t, 13> rankWeights{
        0, 1, 5, 24, 112, 521, 2247, 9244, 30823, 103066, 250154, 667453, 1526359};
    static constexpr int countShift = 23;
    static constexpr int suitShift = 32;
    // Bit 5 of each suit's counter.
    static constexpr std::uint64_t flushFlags = std::uint64_t{0x20202020} << suitShift;

    // The rank-combination key with the card count: the low half, so that the lookup needs no shift.
    static constexpr std::uint32_t rankKey(std::uint64_t key) noexcept {
        return static_cast<std::uint32_t>(key);
    }

    static constexpr CardSum of(Rank rank, Suit suit) noexcept {
        const auto r = static_cast<unsigned>(value(rank) - 2);
        const auto s = static_cast<unsigned>(suit);
        return {std::uint64_t{7} << (suitShift + 8 * s) | rankWeights[r] | std::uint64_t{1} << countShift,
                std::uint64_t{1} << (16 * s + r)};
    }

    // The card's entry: one masked load from each half's table.
    static CardSum of(const Card& card) noexcept;
    // The halves of the card of standard deck index i (Card::index, 0...51): the samplers keep their unseen
    // cards as such indices, which need no mask, and sum the suits only when a key shows a flush.
    static std::uint64_t keyOfIndex(std::uint8_t i) noexcept;
    static std::uint64_t suitsOfIndex(std::uint8_t i) noexcept;
    // Either half alone: of() joins the two, and the seven-card score sums the suits alone, only when its key
    // shows a flush.
    static std::uint64_t keyOf(const Card& card) noexcept;
    static std::uint64_t suitsOf(const Card& card) noexcept;

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

// By standard deck index, each half apart so that a lookup is one scaled load.
template <std::uint64_t CardSum::*Half>
inline constexpr auto cardSumHalvesByIndex = [] {
    std::array<std::uint64_t, 52> t{};
    for (int i = 0; i < 52; ++i) {
        const Card card = Card::fromIndex(i);
        t[static_cast<std::size_t>(i)] = CardSum::of(card.rank, card.suit).*Half;
    }
    return t;
}();

static_assert(sizeof(Card) == 2);

// The card's two bytes as one number.
inline std::uint32_t rawCard(const Card& card) noexcept {
    if constexpr (std::endian::native == std::endian::little) {
        return std::bit_cast<std::uint16_t>(card);
    } else {
        return static_cast<std::uint8_t>(card.rank) | static_cast<std::uint32_t>(card.suit) << 8;
    }
}

// The card's two bytes masked into the tables' range.
inline std::uint32_t tableIndex(const Card& card) noexcept {
    return rawCard(card) & 0x30Fu;
}

}  // namespace detail

inline std::uint64_t CardSum::keyOf(const Card& card) noexcept {
    return detail::cardSumHalves<&CardSum::key>[detail::tableIndex(card)];
}

inline std::uint64_t CardSum::suitsOf(const Card& card) noexcept {
    return detail::cardSumHalves<&CardSum::suits>[detail::tableIndex(card)];
}

inline std::uint64_t CardSum::keyOfIndex(std::uint8_t i) noexcept {
    return detail::cardSumHalvesByIndex<&CardSum::key>[i];
}

inline std::uint64_t CardSum::suitsOfIndex(std::uint8_t i) noexcept {
    return detail::cardSumHalvesByIndex<&CardSum::suits>[i];
}

inline CardSum CardSum::of(const Card& card) noexcept {
    return {keyOf(card), suitsOf(card)};
}

}  // namespace pellox
