#include "rules/HandEvaluator.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "rules/EngineError.hpp"
#include "rules/HandScoreOffsets.hpp"

namespace pellox {

// ---- Five-card evaluation ----

namespace {

// A five-card result without allocation, so that evaluate compares combinations cheaply.
struct FiveCardRank {
    HandCategory category{HandCategory::highCard};
    std::array<std::int64_t, 5> tiebreakers{};  // unused entries are 0
    std::size_t tiebreakerCount = 0;
    std::array<Card, 5> cards{};  // highest rank first
};

// Stable and allocation-free (std::stable_sort may take a buffer from the heap); five items at most.
template <typename T, typename Before>
void insertionSort(std::array<T, 5>& items, std::size_t n, Before before) {
    for (std::size_t i = 1; i < n; ++i) {
        T item = items[i];
        std::size_t j = i;
        for (; j > 0 && before(item, items[j - 1]); --j)
            items[j] = items[j - 1];
        items[j] = item;
    }
}

struct RankGroup {
    std::int64_t rank = 0;
    int count = 0;
};

// Ranks highest first; 0 when the five ranks make no straight.
std::int64_t straightHighCard(const std::array<std::int64_t, 5>& r) {
    bool distinct = r[0] > r[1] && r[1] > r[2] && r[2] > r[3] && r[3] > r[4];
    if (!distinct) return 0;
    if (r[0] - r[4] == 4) return r[0];
    if (r == std::array<std::int64_t, 5>{14, 5, 4, 3, 2}) return 5;
    return 0;
}

// Groups of equal rank from ranks sorted highest first: by count descending, then rank descending.
std::array<RankGroup, 5> rankGroups(const std::array<std::int64_t, 5>& r) {
    std::array<RankGroup, 5> groups{};
    std::size_t n = 0;
    for (std::int64_t rank : r) {
        if (n > 0 && groups[n - 1].rank == rank) {
            ++groups[n - 1].count;
        } else {
            groups[n++] = {rank, 1};
        }
    }
    insertionSort(groups, n, [](const RankGroup& a, const RankGroup& b) { return a.count > b.count; });
    return groups;
}

FiveCardRank rankFive(std::array<Card, 5> cards) {
    insertionSort(cards, 5, [](const Card& a, const Card& b) { return a.rank > b.rank; });
    std::array<std::int64_t, 5> r{};
    for (std::size_t i = 0; i < 5; ++i)
        r[i] = value(cards[i].rank);
    bool flush =
        std::all_of(cards.begin(), cards.end(), [&](const Card& c) { return c.suit == cards[0].suit; });
    std::int64_t straight = straightHighCard(r);
    auto g = rankGroups(r);
    auto result = [&](HandCategory c, std::initializer_list<std::int64_t> t) {
        FiveCardRank out{c, {}, t.size(), cards};
        std::copy(t.begin(), t.end(), out.tiebreakers.begin());
        return out;
    };
    if (flush && straight) return result(HandCategory::straightFlush, {straight});
    if (g[0].count == 4) return result(HandCategory::quads, {g[0].rank, g[1].rank});
    if (g[0].count == 3 && g[1].count == 2) return result(HandCategory::fullHouse, {g[0].rank, g[1].rank});
    if (flush) return result(HandCategory::flush, {r[0], r[1], r[2], r[3], r[4]});
    if (straight) return result(HandCategory::straight, {straight});
    if (g[0].count == 3) return result(HandCategory::trips, {g[0].rank, g[1].rank, g[2].rank});
    if (g[0].count == 2 && g[1].count == 2)
        return result(HandCategory::twoPair, {g[0].rank, g[1].rank, g[2].rank});
    if (g[0].count == 2) return result(HandCategory::pair, {g[0].rank, g[1].rank, g[2].rank, g[3].rank});
    return result(HandCategory::highCard, {r[0], r[1], r[2], r[3], r[4]});
}

// As HandRankResult::compare: unused tiebreakers are 0, so all five entries can be compared.
bool stronger(const FiveCardRank& a, const FiveCardRank& b) {
    if (a.category != b.category) return a.category > b.category;
    return a.tiebreakers > b.tiebreakers;
}

HandRankResult toResult(const FiveCardRank& r) {
    return HandRankResult{
        r.category,
        {r.tiebreakers.begin(), r.tiebreakers.begin() + static_cast<std::ptrdiff_t>(r.tiebreakerCount)},
        {r.cards.begin(), r.cards.end()}};
}

}  // namespace

HandRankResult HandEvaluator::evaluate5(std::span<const Card> cards) {
    if (cards.size() < 5) throw EngineError::tooFewCards(static_cast<std::int64_t>(cards.size()));
    if (cards.size() > 5)
        throw std::invalid_argument("evaluate5 takes exactly 5 cards, got " + std::to_string(cards.size()));
    return toResult(rankFive({cards[0], cards[1], cards[2], cards[3], cards[4]}));
}

HandRankResult HandEvaluator::evaluate(std::span<const Card> cards) {
    const std::size_t n = cards.size();
    if (n < 5) throw EngineError::tooFewCards(static_cast<std::int64_t>(n));
    // Positions of the current combination, advanced in lexicographic order; a later combination replaces
    // the best only when strictly stronger.
    std::array<std::size_t, 5> pos{0, 1, 2, 3, 4};
    FiveCardRank best;
    for (bool first = true;; first = false) {
        FiveCardRank candidate =
            rankFive({cards[pos[0]], cards[pos[1]], cards[pos[2]], cards[pos[3]], cards[pos[4]]});
        if (first || stronger(candidate, best)) best = candidate;
        int i = 4;
        while (i >= 0 && pos[i] == n - 5 + static_cast<std::size_t>(i))
            --i;
        if (i < 0) return toResult(best);
        ++pos[i];
        for (int j = i + 1; j < 5; ++j)
            pos[j] = pos[j - 1] + 1;
    }
}

std::int64_t HandRankResult::compare(const HandRankResult& a, const HandRankResult& b) noexcept {
    if (a.category != b.category)
        return static_cast<std::int64_t>(a.category) - static_cast<std::int64_t>(b.category);
    const std::size_t n = std::max(a.tiebreakers.size(), b.tiebreakers.size());
    for (std::size_t i = 0; i < n; ++i) {
        std::int64_t x = i < a.tiebreakers.size() ? a.tiebreakers[i] : 0;
        std::int64_t y = i < b.tiebreakers.size() ? b.tiebreakers[i] : 0;
        if (x != y) return x - y;
    }
    return 0;
}

// ---- Packed score ----
//
// Up to seven cards are summed as CardSums and scored with one lookup: by the flush suit's rank mask when a
// suit holds five cards (nothing else can then beat the flush), otherwise by the rank-combination key in a
// table compressed by row displacement. The tables are built once at start-up from the general scoring
// below, which also serves hands of more than seven cards.

namespace {

constexpr std::uint32_t packed(HandCategory c, std::uint32_t fields) noexcept {
    return static_cast<std::uint32_t>(c) << 20 | fields;
}

// Rank masks hold rank r at bit r - 2.
constexpr std::uint32_t highestRank(std::uint32_t mask) noexcept {
    return mask ? static_cast<std::uint32_t>(std::bit_width(mask)) + 1 : 0;
}

// The k highest ranks of the mask as k 4-bit fields, most significant first; 0 where the mask has fewer.
constexpr std::uint32_t topRanks(std::uint32_t mask, int k) noexcept {
    std::uint32_t fields = 0;
    for (int i = 0; i < k; ++i) {
        const std::uint32_t rank = highestRank(mask);
        fields = fields << 4 | rank;
        if (rank) mask &= ~(1u << (rank - 2));
    }
    return fields;
}

// The high card of the highest straight in the mask (the ace also plays low), or 0.
constexpr std::uint32_t straightHigh(std::uint32_t mask) noexcept {
    const std::uint32_t ext = mask << 1 | (mask >> 12 & 1u);  // bit j is rank j + 1
    const std::uint32_t runs = ext & ext >> 1 & ext >> 2 & ext >> 3 & ext >> 4;
    return runs ? static_cast<std::uint32_t>(std::bit_width(runs)) + 4 : 0;
}

using SuitMasks = std::array<std::uint32_t, 4>;

std::uint32_t flushScore(std::uint32_t suit) noexcept {
    const std::uint32_t high = straightHigh(suit);
    return high ? packed(HandCategory::straightFlush, high << 16)
                : packed(HandCategory::flush, topRanks(suit, 5));
}

// held[k]: the ranks held exactly k times (k from 1 to 4).
using HeldRanks = std::array<std::uint32_t, 5>;

std::uint32_t bestWithoutFlush(const HeldRanks& held) noexcept {
    const std::uint32_t singles = held[1], pairs = held[2], trips = held[3], quads = held[4];
    const std::uint32_t any = singles | pairs | trips | quads;
    auto without = [](std::uint32_t mask, std::uint32_t rank) { return mask & ~(1u << (rank - 2)); };
    if (quads) {
        const std::uint32_t q = highestRank(quads);
        return packed(HandCategory::quads, q << 16 | highestRank(without(any, q)) << 12);
    }
    const std::uint32_t t = highestRank(trips);
    if (trips && (pairs || without(trips, t))) {
        const std::uint32_t second = std::max(highestRank(pairs), highestRank(without(trips, t)));
        return packed(HandCategory::fullHouse, t << 16 | second << 12);
    }
    if (std::uint32_t high = straightHigh(any)) return packed(HandCategory::straight, high << 16);
    if (trips) return packed(HandCategory::trips, t << 16 | topRanks(singles, 2) << 8);
    if (std::popcount(pairs) >= 2) {
        const std::uint32_t top = topRanks(pairs, 3);
        const std::uint32_t kicker = std::max(highestRank(singles), top & 0xFu);
        return packed(HandCategory::twoPair, (top >> 4) << 12 | kicker << 8);
    }
    if (pairs) return packed(HandCategory::pair, highestRank(pairs) << 16 | topRanks(singles, 3) << 4);
    return packed(HandCategory::highCard, topRanks(singles, 5));
}

HeldRanks heldRanks(const SuitMasks& m) noexcept {
    HeldRanks held{};
    for (std::uint32_t bit = 0; bit < 13; ++bit) {
        int count = 0;
        for (std::uint32_t suit : m)
            count += static_cast<int>(suit >> bit & 1u);
        held[static_cast<std::size_t>(count)] |= 1u << bit;
    }
    return held;
}

// Any number of cards, as suit masks; with more than seven two suits may each hold a flush, and quads or a
// full house may beat one.
std::uint32_t scoreOfMasks(const SuitMasks& m) noexcept {
    std::uint32_t best = bestWithoutFlush(heldRanks(m));
    for (std::uint32_t suit : m)
        if (std::popcount(suit) >= 5) best = std::max(best, flushScore(suit));
    return best;
}

}  // namespace

HandScoreTables::HandScoreTables() {
    const auto& keys = detail::cardSumHalves<&CardSum::key>;
    std::copy(keys.begin(), keys.end(), cardKeys.begin());
    rowOffsets = handScoreRowOffsets;
    for (std::uint32_t mask = 0; mask < flush.size(); ++mask)
        flush[mask] = scoreOfMasks({mask, 0, 0, 0});
    // Every multiset of at most seven ranks, each at most four times; no suit then needs five cards.
    std::vector<bool> filled(rankScores.size());
    HeldRanks held{};
    auto visit = [&](auto& self, std::uint32_t bit, int cards, std::uint32_t key) -> void {
        if (bit == 13) {
            const std::size_t slot = rankSlot(key);
            // Either would mean that rules/HandScoreOffsets.cpp no longer matches the card sums.
            if (slot >= filled.size() || filled[slot]) throw std::logic_error("hand score keys collide");
            filled[slot] = true;
            rankScores[slot] = bestWithoutFlush(held);
            return;
        }
        const CardSum card = CardSum::of(static_cast<Rank>(bit + 2), Suit::clubs);
        for (std::size_t c = 0; c <= 4 && cards + static_cast<int>(c) <= 7; ++c) {
            held[c] |= 1u << bit;
            self(self, bit + 1, cards + static_cast<int>(c),
                 key + static_cast<std::uint32_t>(c) * CardSum::rankKey(card.key));
            held[c] &= ~(1u << bit);
        }
    };
    visit(visit, 0, 0, 0);
}

[[gnu::init_priority(200)]] const HandScoreTables handScoreTables;

std::int64_t HandEvaluator::scoreFlush(const Card* cards, std::uint64_t key) noexcept {
    std::uint64_t suits = 0;
    for (int i = 0; i < 7; ++i)
        suits += CardSum::suitsOf(cards[i]);
    return handScoreTables.flushScore(key, suits);
}

std::int64_t HandEvaluator::scoreMany(std::span<const Card> cards) noexcept {
    std::uint64_t suits = 0;
    for (const Card& card : cards)
        suits |= CardSum::of(card).suits;
    return scoreOfMasks(
        {static_cast<std::uint32_t>(suits & 0x1FFF), static_cast<std::uint32_t>(suits >> 16 & 0x1FFF),
         static_cast<std::uint32_t>(suits >> 32 & 0x1FFF), static_cast<std::uint32_t>(suits >> 48 & 0x1FFF)});
}

}  // namespace pellox
