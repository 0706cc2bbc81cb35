#include "strategy/EquitySampler.hpp"

#include <stdexcept>
#include <utility>

#include "rules/HandEvaluator.hpp"
#include "rules/WithDraws.hpp"
#include "strategy/CardMask.hpp"
#include "strategy/PotShare.hpp"

namespace pellox {

EquitySampler::EquitySampler(std::span<const Card> hole, std::span<const Card> board, std::int64_t opponents,
                             RandomSource rng)
    : rng_(rng) {
    if (hole.size() != 2) throw std::invalid_argument("equity sampling needs exactly two hole cards");
    if (board.size() > 5) throw std::invalid_argument("equity sampling takes at most five board cards");
    if (opponents < 0 || opponents > maxPotShareOpponents)
        throw std::invalid_argument("opponent count out of range");
    poolCount_ = indicesOutside(cardMask(hole) | cardMask(board), pool_);
    holeSum_ = CardSum::of(hole[0]) + CardSum::of(hole[1]);
    for (const Card& card : board)
        boardSum_ += CardSum::of(card);
    const auto boardCount = static_cast<int>(board.size());
    numOpponents_ = static_cast<int>(opponents);
    cardsPerSample_ = 2 * numOpponents_ + (5 - boardCount);
    if (cardsPerSample_ > poolCount_) throw std::invalid_argument("too few unseen cards for one sample");
}

std::vector<Card> EquitySampler::pool() const {
    std::vector<Card> cards;
    for (int i = 0; i < poolCount_; ++i)
        cards.push_back(Card::fromIndex(pool_[static_cast<std::size_t>(i)]));
    return cards;
}

void EquitySampler::sample(std::int64_t from, std::int64_t to) {
    if (to <= from) return;
    withDraws(rng_, [&](auto& draws) { sampleWith(to - from, draws); });
}

// Each sample: a partial Fisher-Yates over the persistent pool for the cards it needs (one draw per card,
// the permutation carried over), opponent k holding pool[2k] and pool[2k + 1], the board's missing cards
// after them; every opponent is scored, without a branch on the outcome, the suits summed only for a flush.
template <typename Draws>
void EquitySampler::sampleWith(std::int64_t count, Draws& draws) {
    std::uint8_t* pool = pool_.data();
    const auto unseen = static_cast<std::size_t>(poolCount_);
    const auto cards = static_cast<std::size_t>(cardsPerSample_);
    const auto opponentCards = static_cast<std::size_t>(2 * numOpponents_);
    std::array<std::uint64_t, maxPotShareOpponents> handKeys{};
    double winShare = winShare_;
    for (std::int64_t sample = 0; sample < count; ++sample) {
        auto draw = draws.reserve(cards);
        // Position i takes the card drawn for it; the keys come from the drawn cards as they are swapped.
        const auto dealTo = [&](std::size_t i) {
            const std::size_t j = draw.cardIndex(i, unseen);
            const std::uint8_t card = pool[j];
            pool[j] = pool[i];
            pool[i] = card;
            return CardSum::keyOfIndex(card);
        };
        for (std::size_t i = 0; i < opponentCards; i += 2) {
            const std::uint64_t first = dealTo(i);
            handKeys[i / 2] = first + dealTo(i + 1);
        }
        std::uint64_t boardKey = boardSum_.key;
        for (std::size_t i = opponentCards; i < cards; ++i)
            boardKey += dealTo(i);
        draws.consume(draw);
        const auto boardSuits = [&] {
            std::uint64_t suits = boardSum_.suits;
            for (std::size_t i = opponentCards; i < cards; ++i)
                suits += CardSum::suitsOfIndex(pool[i]);
            return suits;
        };
        const std::int64_t hero =
            handScoreTables.scoreOf(boardKey + holeSum_.key, [&] { return boardSuits() + holeSum_.suits; });
        PotShare share;
        for (std::size_t k = 0; k < opponentCards; k += 2) {
            share.add(hero, handScoreTables.scoreOf(boardKey + handKeys[k / 2], [&] {
                return boardSuits() + CardSum::suitsOfIndex(pool[k]) + CardSum::suitsOfIndex(pool[k + 1]);
            }));
        }
        winShare += share.value();
    }
    winShare_ = winShare;
}

EquityResult EquitySampler::estimate(std::span<const Card> hole, std::span<const Card> board,
                                     std::int64_t opponents, RandomSource rng, std::int64_t samples) {
    EquitySampler sampler(hole, board, opponents, rng);
    sampler.sample(0, samples);
    return EquityResult::averaged(sampler.winShare(), samples);
}

}  // namespace pellox
