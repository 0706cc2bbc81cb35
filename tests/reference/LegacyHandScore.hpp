#pragma once
// The packed hand score as the engine computed it before the table-driven evaluator: kept only as the
// reference that the exhaustive comparison and the side-by-side benchmark measure against.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <type_traits>

#include "rules/Card.hpp"
#include "rules/HandEvaluator.hpp"

namespace pellox::legacy {

// Rank masks hold rank r at bit r - 2 (13 bits). One table, indexed by such a mask, answers every question
// the score asks of a mask: bits 0-19 the five highest ranks as 4-bit fields (most significant first, 0
// where the mask has fewer), bits 20-23 the number of ranks, bits 24-31 0x40 plus the high card of the
// highest straight in the mask (the ace also plays low), or 0 without one.

constexpr std::uint32_t maskEntry(std::uint32_t m) {
    std::uint32_t fields = 0;
    int taken = 0;
    for (int bit = 12; bit >= 0; --bit) {
        if (!(m >> bit & 1u)) continue;
        if (taken < 5) fields |= static_cast<std::uint32_t>(bit + 2) << (4 * (4 - taken));
        ++taken;
    }
    // Bit j of ext is rank j + 1, so the ace appears both as 14 and as 1.
    std::uint32_t ext = (m << 1) | (m >> 12 & 1u);
    std::uint32_t runs = ext & (ext >> 1) & (ext >> 2) & (ext >> 3) & (ext >> 4);
    std::uint32_t straight = 0;
    for (int b = 12; b >= 0; --b) {
        if (runs >> b & 1u) {
            straight = 0x40u | static_cast<std::uint32_t>(b + 5);
            break;
        }
    }
    return fields | static_cast<std::uint32_t>(taken) << 20 | straight << 24;
}

inline constexpr auto kMaskTable = [] {
    std::array<std::uint32_t, 8192> t{};
    for (std::uint32_t m = 0; m < t.size(); ++m)
        t[m] = maskEntry(m);
    return t;
}();

constexpr std::uint32_t kCategoryShift = 20;

inline std::uint32_t entry(std::uint32_t mask) noexcept {
    return kMaskTable[mask & 0x1FFFu];
}
inline std::uint32_t rankCount(std::uint32_t mask) noexcept {
    return entry(mask) >> 20 & 0xFu;
}
inline std::uint32_t straightHigh(std::uint32_t mask) noexcept {
    return entry(mask) >> 24 & 0xFu;
}
// The nth highest rank (n from 1), or 0.
inline std::uint32_t nthRank(std::uint32_t mask, int n) noexcept {
    return entry(mask) >> (4 * (5 - n)) & 0xFu;
}
// The k highest ranks as k fields in the low 4k bits.
inline std::uint32_t topRanks(std::uint32_t mask, int k) noexcept {
    return (entry(mask) & 0xFFFFFu) >> (4 * (5 - k));
}
inline std::uint32_t rankBit(std::uint32_t rank) noexcept {
    return rank >= 2 ? 1u << (rank - 2) : 0u;
}

constexpr std::uint32_t packed(HandCategory c, std::uint32_t fields) noexcept {
    return static_cast<std::uint32_t>(c) << kCategoryShift | fields;
}

struct SuitMasks {
    std::uint32_t c, d, h, s;
};

// The flush (or straight flush) in one suit's mask of five or more ranks.
inline std::uint32_t flushScore(std::uint32_t suit) noexcept {
    const std::uint32_t high = straightHigh(suit);
    return high ? packed(HandCategory::straightFlush, high << 16)
                : packed(HandCategory::flush, topRanks(suit, 5));
}

inline std::uint32_t bestFlush(const SuitMasks& m) noexcept {
    std::uint32_t best = 0;
    for (std::uint32_t suit : {m.c, m.d, m.h, m.s})
        if (rankCount(suit) >= 5) best = std::max(best, flushScore(suit));
    return best;
}

// Everything but flushes, from how many suits hold each rank.
inline std::uint32_t bestWithoutFlush(const SuitMasks& m) noexcept {
    const std::uint32_t any = m.c | m.d | m.h | m.s;
    const std::uint32_t cd = m.c & m.d, hs = m.h & m.s, cdAny = m.c | m.d, hsAny = m.h | m.s;
    const std::uint32_t atLeast2 = cd | hs | (cdAny & hsAny);
    const std::uint32_t atLeast3 = (cd & hsAny) | (hs & cdAny);
    const std::uint32_t quads = cd & hs;
    const std::uint32_t trips = atLeast3 & ~quads;
    const std::uint32_t pairs = atLeast2 & ~atLeast3;
    const std::uint32_t singles = any & ~atLeast2;

    if (quads) {
        std::uint32_t q = nthRank(quads, 1);
        return packed(HandCategory::quads, q << 16 | nthRank(any & ~rankBit(q), 1) << 12);
    }
    const std::uint32_t t = nthRank(trips, 1);
    if (trips && (pairs || rankCount(trips) >= 2)) {
        std::uint32_t second = std::max(nthRank(pairs, 1), nthRank(trips, 2));
        return packed(HandCategory::fullHouse, t << 16 | second << 12);
    }
    if (std::uint32_t high = straightHigh(any)) return packed(HandCategory::straight, high << 16);
    if (trips) return packed(HandCategory::trips, t << 16 | topRanks(singles, 2) << 8);
    if (rankCount(pairs) >= 2) {
        std::uint32_t kicker = std::max(nthRank(singles, 1), nthRank(pairs, 3));
        return packed(HandCategory::twoPair, topRanks(pairs, 2) << 12 | kicker << 8);
    }
    if (pairs) return packed(HandCategory::pair, nthRank(pairs, 1) << 16 | topRanks(singles, 3) << 4);
    return packed(HandCategory::highCard, topRanks(singles, 5));
}

// Each card as its rank bit in its suit's 16-bit slice of a word, plus one at bit 13 of that slice. Summing
// up to seven distinct cards gives every suit's rank mask in bits 0-12 of its slice and its number of cards
// in bits 13-15.
constexpr std::uint64_t kRankBits = 0x1FFF;

inline constexpr auto kCardBits = [] {
    std::array<std::uint64_t, 0x310> t{};
    for (unsigned suit = 0; suit < 4; ++suit)
        for (unsigned rank = 2; rank <= 14; ++rank)
            t[suit << 8 | rank] = (std::uint64_t{1} << (rank - 2) | std::uint64_t{1} << 13) << (16 * suit);
    return t;
}();

static_assert(sizeof(Card) == 2 && std::is_trivially_copyable_v<Card>);

// Only the bits that valid ranks and suits use are read, so a malformed card reads as another card or as
// none, never out of bounds.
inline std::uint64_t cardBits(const Card& card) noexcept {
    std::uint32_t key = 0;
    if constexpr (std::endian::native == std::endian::little) {
        key = std::bit_cast<std::uint16_t>(card);
    } else {
        key = static_cast<std::uint8_t>(card.rank) | static_cast<std::uint32_t>(card.suit) << 8;
    }
    return kCardBits[key & 0x30Fu];
}

inline SuitMasks suitMasks(std::uint64_t word) noexcept {
    return {static_cast<std::uint32_t>(word & kRankBits), static_cast<std::uint32_t>(word >> 16 & kRankBits),
            static_cast<std::uint32_t>(word >> 32 & kRankBits),
            static_cast<std::uint32_t>(word >> 48 & kRankBits)};
}

// Each suit's slice of the word is masked here, so the card counts may still be in it.
inline std::uint32_t bestOfAll(std::uint64_t word) noexcept {
    const SuitMasks m = suitMasks(word);
    return std::max(bestFlush(m), bestWithoutFlush(m));
}

[[gnu::noinline]] inline std::uint32_t bestWithoutFlush(std::uint64_t word) noexcept {
    return bestWithoutFlush(suitMasks(word));
}

// Any number of cards: masks only.
[[gnu::noinline]] inline std::uint32_t scoreMany(std::span<const Card> cards) noexcept {
    std::uint64_t word = 0;
    for (const Card& card : cards)
        word |= cardBits(card);
    return bestOfAll(word);
}

// The kicker fields left after shifting the singles' entry right by four bits per pair, for 0 to 2 pairs.
constexpr std::array<std::uint32_t, 3> kKickerFields{0xFFFFF, 0x0FFF0, 0x00F00};

// Fewer than eight cards. The common hands (no flush, no set, at most two pairs) take no branch: with k
// pairs (0 to 2) the category is k, the pair ranks come first and the highest singles fill the rest. Rare
// shapes go to the general code, which gives the same results for every shape.
[[gnu::always_inline]] inline std::uint32_t scoreFew(std::uint64_t sum) noexcept {
    // A suit count of five to seven has bit 15 of its slice and bit 13 or 14 set; with seven cards or fewer
    // only one suit can, and nothing else then beats its flush.
    if (std::uint64_t flushes = sum & (sum << 1 | sum << 2) & 0x8000800080008000u) {
        return flushScore(static_cast<std::uint32_t>(sum >> (std::countr_zero(flushes) - 15) & kRankBits));
    }
    // All four suits at once: slice 0 of `either` is clubs OR diamonds, slice 2 hearts OR spades; `both`
    // likewise with AND. Only slice 0 of the results below is used.
    const std::uint64_t masks = sum & 0x1FFF1FFF1FFF1FFFu;
    const std::uint64_t either = masks | masks >> 16, both = masks & masks >> 16;
    const std::uint64_t eitherHigh = either >> 32, bothHigh = both >> 32;
    const auto any = static_cast<std::uint16_t>(either | eitherHigh);
    const auto atLeast2 = static_cast<std::uint16_t>(both | bothHigh | (either & eitherHigh));
    const auto atLeast3 = static_cast<std::uint16_t>((both & eitherHigh) | (bothHigh & either));
    // Without sets, the ranks held twice are the pairs; the entry's count field is then the category.
    const std::uint32_t pairs = kMaskTable[atLeast2];
    if (atLeast3 | (pairs & 0xF00u)) return bestWithoutFlush(sum);  // a set, quads or a third pair
    const std::uint32_t pairCount = pairs >> 20;
    const std::uint32_t kickers = kMaskTable[any ^ atLeast2] >> (4 * pairCount) & kKickerFields[pairCount];
    const std::uint32_t straight = kMaskTable[any] >> 8 & 0xFF0000u;  // 0x40 plus the high card, moved up
    return std::max(pairs | kickers, straight);
}

[[gnu::noinline]] inline std::int64_t legacyScore(std::span<const Card> cards) noexcept {
    const Card* c = cards.data();
    // Seven cards, the sampling loops' case, skip the dispatch.
    if (cards.size() == 7) {
        return scoreFew(cardBits(c[0]) + cardBits(c[1]) + cardBits(c[2]) + cardBits(c[3]) + cardBits(c[4]) +
                        cardBits(c[5]) + cardBits(c[6]));
    }
    std::uint64_t sum = 0;
    switch (cards.size()) {
        case 6:
            sum += cardBits(c[5]);
            [[fallthrough]];
        case 5:
            sum += cardBits(c[4]);
            [[fallthrough]];
        case 4:
            sum += cardBits(c[3]);
            [[fallthrough]];
        case 3:
            sum += cardBits(c[2]);
            [[fallthrough]];
        case 2:
            sum += cardBits(c[1]);
            [[fallthrough]];
        case 1:
            sum += cardBits(c[0]);
            [[fallthrough]];
        case 0:
            return scoreFew(sum);
        default:
            return scoreMany(cards);
    }
}

}  // namespace pellox::legacy
