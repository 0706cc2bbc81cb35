#include "strategy/RangeEquitySampler.hpp"

#include <stdexcept>
#include <utility>

#include "rules/HandEvaluator.hpp"
#include "strategy/EquitySampler.hpp"

namespace pellox {

RangeEquitySampler::RangeEquitySampler(std::span<const Card> hole, std::span<const Card> board,
                                       std::vector<std::vector<Combo>> ranges, RandomSource rng)
    : ranges_(std::move(ranges)), rng_(rng) {
    if (hole.size() != 2) throw std::invalid_argument("range sampling needs two hole cards");
    if (board.size() > 5) throw std::invalid_argument("range sampling takes at most five board cards");
    // Every hand and the full board must fit in one deck, also when the fallback deals random cards.
    if (2 * ranges_.size() + 7 > 52) throw std::invalid_argument("range sampling has too many opponents");
    for (const auto& combos : ranges_)
        if (combos.empty()) throw std::invalid_argument("range sampling needs a combo for every opponent");
    holeSum_ = CardSum::of(hole[0]) + CardSum::of(hole[1]);
    for (const Card& card : board)
        boardSum_ += CardSum::of(card);
    boardCount_ = static_cast<int>(board.size());
    knownCards_ = cardMask(hole) | cardMask(board);
    hands_.resize(ranges_.size());
}

void RangeEquitySampler::sample(std::int64_t from, std::int64_t to) {
    for (std::int64_t i = from; i < to; ++i)
        drawOne();
}

Combo RangeEquitySampler::drawHand(std::span<const Combo> combos, CardMask& dead) {
    for (int attempt = 0; attempt < maxDrawAttempts; ++attempt) {
        const Combo& combo =
            combos[static_cast<std::size_t>(drawIndex(rng_(), 0, static_cast<int>(combos.size())))];
        const CardMask cards = cardBit(combo[0]) | cardBit(combo[1]);
        if ((cards & dead) == 0) {
            dead |= cards;
            return combo;
        }
    }
    std::array<Card, 52> live{};
    const int count = cardsOutside(dead | knownCards_, live);
    Combo hand{};
    for (int i = 0; i < 2; ++i) {
        std::swap(live[i], live[drawIndex(rng_(), i, count)]);
        hand[i] = live[i];
        dead |= cardBit(live[i]);
    }
    return hand;
}

void RangeEquitySampler::drawOne() {
    CardMask dead = knownCards_;
    for (std::size_t k = 0; k < ranges_.size(); ++k)
        hands_[k] = drawHand(ranges_[k], dead);

    std::array<Card, 52> remaining{};
    const int count = cardsOutside(dead, remaining);
    CardSum board = boardSum_;
    for (int i = 0; i < 5 - boardCount_; ++i) {
        std::swap(remaining[i], remaining[drawIndex(rng_(), i, count)]);
        board += CardSum::of(remaining[i]);
    }

    const auto heroScore = HandEvaluator::scoreSum(board + holeSum_);
    int ties = 0;
    for (const Combo& hand : hands_) {
        const auto score = HandEvaluator::scoreSum(board + CardSum::of(hand[0]) + CardSum::of(hand[1]));
        if (score > heroScore) return;
        if (score == heroScore) ++ties;
    }
    winShare_ += 1.0 / static_cast<double>(ties + 1);
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
