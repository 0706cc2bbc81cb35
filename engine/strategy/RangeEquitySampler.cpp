#include "strategy/RangeEquitySampler.hpp"

#include <stdexcept>
#include <utility>

#include "rules/BufferedDraws.hpp"
#include "rules/DirectDraws.hpp"
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
template <typename PairAt, typename Draw>
IndexPair drawPair(int count, PairAt pairAt, CardMask& dead, CardMask known, Draw& draw) {
    for (int attempt = 0; attempt < RangeEquitySampler::maxDrawAttempts; ++attempt) {
        const IndexPair pair = pairAt(static_cast<std::size_t>(draw.index(0, count)));
        if ((maskOf(pair) & dead) == 0) {
            dead |= maskOf(pair);
            return pair;
        }
    }
    CardIndices live{};
    const int liveCount = indicesOutside(dead | known, live);
    for (std::size_t i = 0; i < 2; ++i) {
        std::swap(live[i], live[static_cast<std::size_t>(draw.cardIndex(static_cast<int>(i), liveCount))]);
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
        BufferedDraws draws(*generator);
        sampleWith(to - from, draws);
    } else {
        DirectDraws draws(rng_);
        sampleWith(to - from, draws);
    }
}

Combo RangeEquitySampler::drawHand(std::span<const Combo> combos, CardMask& dead) {
    DirectDraws::Cursor draw(rng_);
    const IndexPair pair = drawPair(
        static_cast<int>(combos.size()), [&](std::size_t i) { return indicesOf(combos[i]); }, dead,
        knownCards_, draw);
    return {Card::fromIndex(pair[0]), Card::fromIndex(pair[1])};
}

// Each sample: every opponent's hand in list order, then the missing board cards by a partial Fisher-Yates
// over the live cards in deck order, listed afresh; every opponent is scored, without a branch on the
// outcome.
template <typename Draws>
void RangeEquitySampler::sampleWith(std::int64_t count, Draws& draws) {
    const std::size_t opponents = ranges_.size();
    const auto missing = static_cast<std::size_t>(5 - boardCount_);
    // Every pick of every opponent failing, then the fallback's two draws, then the board.
    const auto mostDraws = opponents * (maxDrawAttempts + 2) + missing;
    std::array<IndexPair, maxOpponents> hands{};
    CardIndices remaining{};
    double winShare = winShare_;
    for (std::int64_t sample = 0; sample < count; ++sample) {
        auto draw = draws.reserve(mostDraws);
        CardMask dead = knownCards_;
        for (std::size_t k = 0; k < opponents; ++k) {
            const IndexPair* pairs = ranges_[k].data();
            hands[k] = drawPair(
                static_cast<int>(ranges_[k].size()), [pairs](std::size_t i) { return pairs[i]; }, dead,
                knownCards_, draw);
        }
        const int live = indicesOutside(dead, remaining);
        std::uint64_t boardKey = boardSum_.key;
        for (std::size_t i = 0; i < missing; ++i) {
            std::swap(remaining[i],
                      remaining[static_cast<std::size_t>(draw.cardIndex(static_cast<int>(i), live))]);
            boardKey += CardSum::keyOfIndex(remaining[i]);
        }
        draws.consume(draw);
        const auto boardSuits = [&] {
            std::uint64_t suits = boardSum_.suits;
            for (std::size_t i = 0; i < missing; ++i)
                suits += CardSum::suitsOfIndex(remaining[i]);
            return suits;
        };
        const std::int64_t hero =
            handScoreTables.scoreOf(boardKey + holeSum_.key, [&] { return boardSuits() + holeSum_.suits; });
        PotShare share;
        for (std::size_t k = 0; k < opponents; ++k) {
            const IndexPair hand = hands[k];
            share.add(hero, handScoreTables.scoreOf(
                                boardKey + CardSum::keyOfIndex(hand[0]) + CardSum::keyOfIndex(hand[1]), [&] {
                                    return boardSuits() + CardSum::suitsOfIndex(hand[0]) +
                                           CardSum::suitsOfIndex(hand[1]);
                                }));
        }
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
