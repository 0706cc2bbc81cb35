#include "strategy/EquitySampler.hpp"

#include <algorithm>
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
    std::copy(hole.begin(), hole.end(), hole_.begin());
    std::copy(board.begin(), board.end(), hand_.begin() + 2);
    boardCount_ = static_cast<int>(board.size());
    numOpponents_ = static_cast<int>(opponents);
    cardsPerSample_ = 2 * numOpponents_ + (5 - boardCount_);
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
    std::copy(pool_.begin() + opponentCards, pool_.begin() + cardsPerSample_,
              hand_.begin() + 2 + boardCount_);
    const std::span<const Card> cards{hand_};
    hand_[0] = hole_[0];
    hand_[1] = hole_[1];
    const std::int64_t hero = HandEvaluator::score(cards);
    int ties = 0;
    for (int k = 0; k < opponentCards; k += 2) {
        hand_[0] = pool_[static_cast<std::size_t>(k)];
        hand_[1] = pool_[static_cast<std::size_t>(k + 1)];
        const std::int64_t villain = HandEvaluator::score(cards);
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
