#pragma once
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "rules/CardSum.hpp"
#include "rules/HandScoreOffsets.hpp"

namespace pellox {

// The lookup tables of the packed hand score, built once at start-up from the general scorer
// (rules/HandEvaluator.cpp). Up to seven cards summed in a CardSum score with one lookup: by the flush suit's
// rank mask when a suit holds five cards (nothing else can then beat the flush), otherwise by the
// rank-combination key. Inline, so that the scoring loops keep it in registers; one object, so that one base
// register reaches every table.
struct HandScoreTables {
    // The key half of a card's CardSum by the card's two bytes unmasked, one entry for every possible pair of
    // bytes: the 52 cards' entries lie in the table's first two pages and the rest stays zero, so a malformed
    // card reads zero from a page that nothing else touches. Spares the seven-card sums a mask per card.
    std::array<std::uint64_t, 0x10000> cardKeys{};
    // A copy of handScoreRowOffsets, next to the tables it displaces into.
    std::array<std::uint16_t, handScoreRows> rowOffsets{};
    // By a flush suit's 13-bit rank mask.
    std::array<std::uint32_t, 8192> flush{};
    // By the rank-combination key, displaced by row (rules/HandScoreOffsets.hpp).
    std::array<std::uint32_t, handScoreRankTableSize> rankScores{};

    HandScoreTables();

    std::uint32_t rankSlot(std::uint32_t rankKey) const noexcept {
        return (rankKey >> handScoreRowBits) + 2u * rowOffsets[rankKey & (handScoreRows - 1)];
    }

    // The key of seven cards (the suits are summed only when it shows a flush).
    std::uint64_t keyOfSeven(const Card* c) const noexcept {
        return cardKeys[raw(c[0])] + cardKeys[raw(c[1])] + cardKeys[raw(c[2])] + cardKeys[raw(c[3])] +
               cardKeys[raw(c[4])] + cardKeys[raw(c[5])] + cardKeys[raw(c[6])];
    }

    // The score of a key without a flush.
    std::uint32_t rankScore(std::uint64_t key) const noexcept {
        return rankScores[rankSlot(CardSum::rankKey(key))];
    }
    // The score of a flush, from the key that shows it and the suits' rank masks.
    std::uint32_t flushScore(std::uint64_t key, std::uint64_t suits) const noexcept {
        // The flag of suit s is bit 32 + 8s + 5, its rank mask is at bit 16s.
        constexpr int firstFlag = CardSum::suitShift + 5;
        return flush[suits >> (2 * (std::countr_zero(key & CardSum::flushFlags) - firstFlag)) & 0x1FFFu];
    }
    // The score of a key whose suits suitsOf() sums only when the key shows a flush.
    template <typename SuitsOf>
    std::uint32_t scoreOf(std::uint64_t key, SuitsOf suitsOf) const noexcept {
        if (key & CardSum::flushFlags) [[unlikely]]
            return flushScore(key, suitsOf());
        return rankScore(key);
    }
    std::uint32_t scoreOf(const CardSum& sum) const noexcept {
        if (sum.key & CardSum::flushFlags) [[unlikely]]
            return flushScore(sum.key, sum.suits);
        return rankScore(sum.key);
    }

  private:
    static std::uint32_t raw(const Card& card) noexcept { return detail::rawCard(card); }
};

extern const HandScoreTables handScoreTables;

}  // namespace pellox
