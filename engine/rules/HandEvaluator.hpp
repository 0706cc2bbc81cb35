#pragma once
#include <compare>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "rules/Card.hpp"
#include "rules/CardSum.hpp"
#include "rules/HandScoreTables.hpp"
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
    static std::int64_t scoreSum(const CardSum& sum) noexcept { return handScoreTables.scoreOf(sum); }

  private:
    // Seven cards whose key shows a flush.
    [[gnu::noinline]] static std::int64_t scoreFlush(const Card* cards, std::uint64_t key) noexcept;
    // More than seven cards: two suits may each hold a flush, and quads or a full house may beat one.
    static std::int64_t scoreMany(std::span<const Card> cards) noexcept;
};

// Inline: the sampling loops and the benchmarks score millions of hands.
inline std::int64_t HandEvaluator::score(std::span<const Card> cards) noexcept {
    const Card* c = cards.data();
    if (cards.size() == 7) {
        // The suits are summed only for a flush, out of line, so the common path loads one half per card.
        const std::uint64_t key = handScoreTables.keyOfSeven(c);
        if (key & CardSum::flushFlags) [[unlikely]]
            return scoreFlush(c, key);
        return handScoreTables.rankScore(key);
    }
    if (cards.size() > 7) return scoreMany(cards);
    CardSum sum;
    for (const Card& card : cards)
        sum += CardSum::of(card);
    return scoreSum(sum);
}

}  // namespace pellox
