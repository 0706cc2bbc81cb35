#pragma once
#include <array>
#include <bit>
#include <compare>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "rules/Card.hpp"
#include "rules/RawEnum.hpp"

namespace pellox {

// Declaration order is the order of strength.
enum class HandCategory { highCard, pair, twoPair, trips, straight, flush, fullHouse, quads, straightFlush };

template <>
struct EnumCases<HandCategory> {
    static constexpr std::array cases{
        std::pair{HandCategory::highCard, std::string_view{"high-card"}},
        std::pair{HandCategory::pair, std::string_view{"pair"}},
        std::pair{HandCategory::twoPair, std::string_view{"two-pair"}},
        std::pair{HandCategory::trips, std::string_view{"trips"}},
        std::pair{HandCategory::straight, std::string_view{"straight"}},
        std::pair{HandCategory::flush, std::string_view{"flush"}},
        std::pair{HandCategory::fullHouse, std::string_view{"full-house"}},
        std::pair{HandCategory::quads, std::string_view{"quads"}},
        std::pair{HandCategory::straightFlush, std::string_view{"straight-flush"}}};
};

constexpr std::string_view displayName(HandCategory c) noexcept {
    switch (c) {
        case HandCategory::highCard:
            return "High Card";
        case HandCategory::pair:
            return "Pair";
        case HandCategory::twoPair:
            return "Two Pair";
        case HandCategory::trips:
            return "Three of a Kind";
        case HandCategory::straight:
            return "Straight";
        case HandCategory::flush:
            return "Flush";
        case HandCategory::fullHouse:
            return "Full House";
        case HandCategory::quads:
            return "Four of a Kind";
        case HandCategory::straightFlush:
            return "Straight Flush";
    }
    return {};
}

struct HandRankResult {
    HandCategory category{HandCategory::highCard};
    // Ranks (2 to 14) that order hands within the category, most significant first.
    std::vector<std::int64_t> tiebreakers;
    // The five cards of the hand, highest rank first.
    std::vector<Card> bestFive;

    // Negative when a is weaker, 0 when equal, positive when stronger; bestFive plays no part.
    static std::int64_t compare(const HandRankResult& a, const HandRankResult& b) noexcept;

    friend bool operator==(const HandRankResult& a, const HandRankResult& b) noexcept {
        return compare(a, b) == 0;
    }
    friend std::weak_ordering operator<=>(const HandRankResult& a, const HandRankResult& b) noexcept {
        return compare(a, b) <=> 0;
    }
};

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

struct HandEvaluator {
    // The best five of five or more cards, trying every combination; throws EngineError::tooFewCards.
    static HandRankResult evaluate(std::span<const Card> cards);
    // Exactly five cards: fewer throw EngineError::tooFewCards, more std::invalid_argument.
    static HandRankResult evaluate5(std::span<const Card> cards);
    // The hand's strength packed in 24 bits: category ordinal in bits 20-23, then up to five 4-bit rank
    // fields, most significant first. Orders hands as evaluate does. Allocates nothing. The cards are
    // expected to be distinct (as dealt from one deck); repeated or malformed cards give an unspecified
    // but defined score.
    static std::int64_t score(std::span<const Card> cards) noexcept;
    // The packed score of at most seven distinct cards summed in a CardSum, equal to their score.
    static std::int64_t scoreSum(const CardSum& sum) noexcept;
    static CardSum cardSum(const Card& card) noexcept {
        std::uint32_t raw = 0;
        if constexpr (std::endian::native == std::endian::little) {
            raw = std::bit_cast<std::uint16_t>(card);
        } else {
            raw = static_cast<std::uint8_t>(card.rank) | static_cast<std::uint32_t>(card.suit) << 8;
        }
        raw &= 0x30Fu;
        return {detail::cardSumHalves<&CardSum::key>[raw], detail::cardSumHalves<&CardSum::suits>[raw]};
    }
};

}  // namespace pellox
