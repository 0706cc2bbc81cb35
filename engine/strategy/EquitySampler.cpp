#include "strategy/EquitySampler.hpp"

#include <stdexcept>
#include <utility>

#include "rules/HandEvaluator.hpp"
#include "strategy/CardMask.hpp"

namespace pellox {

EquitySampler::EquitySampler(std::span<const Card> hole, std::span<const Card> board, std::int64_t opponents,
                             RandomSource rng)
    : rng_(rng) {
    if (hole.size() != 2) throw std::invalid_argument("equity sampling needs exactly two hole cards");
    if (board.size() > 5) throw std::invalid_argument("equity sampling takes at most five board cards");
    if (opponents < 0 || opponents > 26) throw std::invalid_argument("opponent count out of range");
    poolCount_ = cardsOutside(cardMask(hole) | cardMask(board), pool_);
    holeSum_ = CardSum::of(hole[0]) + CardSum::of(hole[1]);
    for (const Card& card : board)
        boardSum_ += CardSum::of(card);
    const auto boardCount = static_cast<int>(board.size());
    numOpponents_ = static_cast<int>(opponents);
    cardsPerSample_ = 2 * numOpponents_ + (5 - boardCount);
    if (cardsPerSample_ > poolCount_) throw std::invalid_argument("too few unseen cards for one sample");
}

void EquitySampler::sample(std::int64_t from, std::int64_t to) {
    for (std::int64_t index = from; index < to; ++index)
        drawOne();
}

void EquitySampler::partialShuffle() {
    Card* pool = pool_.data();
    for (int i = 0; i < cardsPerSample_; ++i) {
        const int j = drawIndex(rng_(), i, poolCount_);
        if (j != i) std::swap(pool[i], pool[j]);
    }
}

void EquitySampler::drawOne() {
    partialShuffle();
    const int opponentCards = 2 * numOpponents_;
    CardSum board = boardSum_;
    for (int i = opponentCards; i < cardsPerSample_; ++i)
        board += CardSum::of(pool_[static_cast<std::size_t>(i)]);
    const std::int64_t hero = HandEvaluator::scoreSum(board + holeSum_);
    int ties = 0;
    for (int k = 0; k < opponentCards; k += 2) {
        const std::int64_t villain =
            HandEvaluator::scoreSum(board + CardSum::of(pool_[static_cast<std::size_t>(k)]) +
                                    CardSum::of(pool_[static_cast<std::size_t>(k + 1)]));
        if (villain > hero) return;
        if (villain == hero) ++ties;
    }
    winShare_ += 1.0 / (ties + 1);
}

EquityResult EquitySampler::estimate(std::span<const Card> hole, std::span<const Card> board,
                                     std::int64_t opponents, RandomSource rng, std::int64_t samples) {
    EquitySampler sampler(hole, board, opponents, rng);
    sampler.sample(0, samples);
    return EquityResult::averaged(sampler.winShare(), samples);
}

}  // namespace pellox
