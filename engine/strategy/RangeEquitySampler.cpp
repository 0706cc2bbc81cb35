#include "strategy/RangeEquitySampler.hpp"

#include <stdexcept>
#include <utility>

#include "rules/HandEvaluator.hpp"
#include "strategy/EquitySampler.hpp"
#include "strategy/PotShare.hpp"

namespace pellox {

namespace {

using IndexPair = RangeEquitySampler::IndexPair;

CardMask maskOf(const IndexPair& pair) noexcept {
    return CardMask{1} << pair[0] | CardMask{1} << pair[1];
}

IndexPair indicesOf(const Combo& combo) noexcept {
    return {static_cast<std::uint8_t>(combo[0].index()), static_cast<std::uint8_t>(combo[1].index())};
}

// A pick of the count combos (pairAt(i) the i-th as an index pair) holding no dead card, or after
// maxDrawAttempts failed picks two random live cards (outside dead and known) by a partial Fisher-Yates in
// deck order; the cards taken join the dead ones.
template <typename PairAt, typename DrawIndex>
IndexPair drawPair(int count, PairAt pairAt, CardMask& dead, CardMask known, DrawIndex drawIndex) {
    for (int attempt = 0; attempt < RangeEquitySampler::maxDrawAttempts; ++attempt) {
        const IndexPair pair = pairAt(static_cast<std::size_t>(drawIndex(0, count)));
        if ((maskOf(pair) & dead) == 0) {
            dead |= maskOf(pair);
            return pair;
        }
    }
    CardIndices live{};
    const int liveCount = indicesOutside(dead | known, live);
    for (std::size_t i = 0; i < 2; ++i) {
        std::swap(live[i], live[static_cast<std::size_t>(drawIndex(static_cast<int>(i), liveCount))]);
        dead |= CardMask{1} << live[i];
    }
    return {live[0], live[1]};
}

}  // namespace

RangeEquitySampler::RangeEquitySampler(std::span<const Card> hole, std::span<const Card> board,
                                       std::vector<std::vector<Combo>> ranges, RandomSource rng)
    : rng_(rng) {
    if (hole.size() != 2) throw std::invalid_argument("range sampling needs two hole cards");
    if (board.size() > 5) throw std::invalid_argument("range sampling takes at most five board cards");
    // Every hand and the full board must fit in one deck, also when the fallback deals random cards.
    if (ranges.size() > maxOpponents) throw std::invalid_argument("range sampling has too many opponents");
    for (const auto& combos : ranges) {
        if (combos.empty()) throw std::invalid_argument("range sampling needs a combo for every opponent");
        auto& pairs = ranges_.emplace_back();
        pairs.reserve(combos.size());
        for (const Combo& combo : combos)
            pairs.push_back(indicesOf(combo));
    }
    holeSum_ = CardSum::of(hole[0]) + CardSum::of(hole[1]);
    for (const Card& card : board)
        boardSum_ += CardSum::of(card);
    boardCount_ = static_cast<int>(board.size());
    knownCards_ = cardMask(hole) | cardMask(board);
}

void RangeEquitySampler::sample(std::int64_t from, std::int64_t to) {
    if (to <= from) return;
    if (SeededRNG* generator = rng_.seededGenerator()) {
        // The state in a local copy stays in a register through the loop; the generator resumes from it.
        SeededRNG local(generator->s);
        sampleWith(to - from, [&local](int i, int n) { return local.nextIndex(i, n); });
        generator->s = local.s;
    } else {
        sampleWith(to - from, [this](int i, int n) { return rng_.index(i, n); });
    }
}

Combo RangeEquitySampler::drawHand(std::span<const Combo> combos, CardMask& dead) {
    const IndexPair pair = drawPair(
        static_cast<int>(combos.size()), [&](std::size_t i) { return indicesOf(combos[i]); }, dead,
        knownCards_, [this](int i, int n) { return rng_.index(i, n); });
    return {Card::fromIndex(pair[0]), Card::fromIndex(pair[1])};
}

// Each sample: every opponent's hand in list order, then the missing board cards by a partial Fisher-Yates
// over the live cards in deck order, listed afresh; every opponent is scored, without a branch on the
// outcome.
template <typename DrawIndex>
void RangeEquitySampler::sampleWith(std::int64_t count, DrawIndex drawIndex) {
    const std::size_t opponents = ranges_.size();
    std::array<IndexPair, maxOpponents> hands{};
    double winShare = winShare_;
    for (std::int64_t sample = 0; sample < count; ++sample) {
        CardMask dead = knownCards_;
        for (std::size_t k = 0; k < opponents; ++k) {
            const IndexPair* pairs = ranges_[k].data();
            hands[k] = drawPair(
                static_cast<int>(ranges_[k].size()), [pairs](std::size_t i) { return pairs[i]; }, dead,
                knownCards_, drawIndex);
        }
        CardIndices remaining{};
        const int live = indicesOutside(dead, remaining);
        CardSum board = boardSum_;
        for (int i = 0; i < 5 - boardCount_; ++i) {
            std::swap(remaining[static_cast<std::size_t>(i)],
                      remaining[static_cast<std::size_t>(drawIndex(i, live))]);
            board += CardSum::ofIndex(remaining[static_cast<std::size_t>(i)]);
        }
        const std::int64_t hero = HandEvaluator::scoreSum(board + holeSum_);
        PotShare share;
        for (std::size_t k = 0; k < opponents; ++k)
            share.add(hero, HandEvaluator::scoreSum(board + CardSum::ofIndex(hands[k][0]) +
                                                    CardSum::ofIndex(hands[k][1])));
        winShare += share.value();
    }
    winShare_ = winShare;
}

EquityResult RangeEquitySampler::estimate(std::span<const Card> hole, std::span<const Card> board,
                                          const std::vector<OpponentRange>& ranges, RandomSource rng,
                                          std::int64_t samples) {
    if (ranges.empty()) return EquitySampler::estimate(hole, board, 1, rng, samples);
    std::vector<std::vector<Combo>> combos;
    combos.reserve(ranges.size());
    for (const OpponentRange& range : ranges)
        combos.push_back(range.combos);
    RangeEquitySampler sampler(hole, board, std::move(combos), rng);
    sampler.sample(0, samples);
    return EquityResult::averaged(sampler.winShare(), samples);
}

}  // namespace pellox
