#include "strategy/RangeEquitySampler.hpp"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <type_traits>
#include <utility>

#include "rules/BufferedDraws.hpp"
#include "rules/DirectDraws.hpp"
#include "rules/HandEvaluator.hpp"
#include "rules/WithDraws.hpp"
#include "strategy/EquitySampler.hpp"
#include "strategy/PotShare.hpp"

namespace pellox {

namespace {

// Two cards as standard deck indices.
using IndexPair = std::array<std::uint8_t, 2>;

CardMask maskOf(const IndexPair& pair) noexcept {
    return CardMask{1} << pair[0] | CardMask{1} << pair[1];
}

// A hand's two cards from its mask, by deck index; one card twice gives it both times.
std::uint8_t lowerCard(CardMask hand) noexcept {
    return static_cast<std::uint8_t>(std::countr_zero(hand));
}
std::uint8_t upperCard(CardMask hand) noexcept {
    return static_cast<std::uint8_t>(63 - std::countl_zero(hand));
}

IndexPair indicesOf(const Combo& combo) noexcept {
    return {static_cast<std::uint8_t>(combo[0].index()), static_cast<std::uint8_t>(combo[1].index())};
}

// Two random live cards (outside dead and known) by a partial Fisher-Yates over them in deck order; they join
// the dead ones.
template <typename Draw>
IndexPair randomPair(CardMask& dead, CardMask known, Draw& draw) {
    CardIndices live{};
    const int liveCount = indicesOutside(dead | known, live);
    for (std::size_t i = 0; i < 2; ++i) {
        std::swap(live[i], live[static_cast<std::size_t>(draw.cardIndex(static_cast<int>(i), liveCount))]);
        dead |= CardMask{1} << live[i];
    }
    return {live[0], live[1]};
}

// The first of up to maxDrawAttempts picks among the count entries whose mask misses dead, or -1. Short when
// the count is known to scale a draw exactly, so that the draw needs no test of it.
template <bool isShort, typename Draw>
int pickCombo(int count, const CardMask* masks, CardMask dead, Draw& draw) {
    if (isShort && static_cast<std::uint64_t>(count) > maxExactIndexSpan) __builtin_unreachable();
    // A branch, not a select: picks rarely collide, and a predicted branch leaves the next draw's place known
    // ahead, where a select would make every later draw wait for this pick's entry.
    for (int attempt = 0; attempt < RangeEquitySampler::maxDrawAttempts; ++attempt) {
        const int pick = draw.index(0, count);
        if ((masks[pick] & dead) == 0) [[likely]]
            return pick;
    }
    return -1;
}

}  // namespace

RangeEquitySampler::RangeEquitySampler(std::span<const Card> hole, std::span<const Card> board,
                                       const std::vector<std::vector<Combo>>& ranges, RandomSource rng)
    : RangeEquitySampler(hole, board, std::vector<std::span<const Combo>>(ranges.begin(), ranges.end()),
                         rng) {}

RangeEquitySampler::RangeEquitySampler(std::span<const Card> hole, std::span<const Card> board,
                                       std::span<const std::span<const Combo>> ranges, RandomSource rng)
    : rng_(rng) {
    if (hole.size() != 2) throw std::invalid_argument("range sampling needs two hole cards");
    if (board.size() > 5) throw std::invalid_argument("range sampling takes at most five board cards");
    // Every hand and the full board must fit in one deck, also when the fallback deals random cards.
    if (ranges.size() > maxOpponents) throw std::invalid_argument("range sampling has too many opponents");
    for (std::size_t k = 0; k < ranges.size(); ++k) {
        const std::span<const Combo> combos = ranges[k];
        if (combos.empty()) throw std::invalid_argument("range sampling needs a combo for every opponent");
        const auto earlier = ranges.first(k);
        const auto same = std::find_if(earlier.begin(), earlier.end(),
                                       [&](auto list) { return std::ranges::equal(list, combos); });
        if (same != earlier.end()) {
            ranges_.push_back(ranges_[static_cast<std::size_t>(same - earlier.begin())]);
            continue;
        }
        ranges_.push_back({masks_.size(), static_cast<int>(combos.size())});
        if (combos.size() > maxExactIndexSpan) listsAreShort_ = false;
        for (const Combo& combo : combos) {
            const IndexPair pair = indicesOf(combo);
            masks_.push_back(maskOf(pair));
            keys_.push_back(CardSum::keyOfIndex(pair[0]) + CardSum::keyOfIndex(pair[1]));
            // A combo of one card twice takes one card: the live count then depends on the hands drawn.
            if (pair[0] == pair[1]) liveCountVaries_ = true;
        }
    }
    holeSum_ = CardSum::of(hole[0]) + CardSum::of(hole[1]);
    for (const Card& card : board)
        boardSum_ += CardSum::of(card);
    boardCount_ = static_cast<int>(board.size());
    knownCards_ = cardMask(hole) | cardMask(board);
    liveCount_ = 52 - std::popcount(knownCards_) - 2 * static_cast<int>(ranges_.size());
    const int unseen = indicesOutside(knownCards_, unseen_);
    if (board.size() == 4) {
        for (int i = 0; i < unseen; ++i) {
            const std::uint8_t river = unseen_[static_cast<std::size_t>(i)];
            heroRiverScores_[river] = handScoreTables.scoreOf(
                holeSum_ + boardSum_ + CardSum{CardSum::keyOfIndex(river), CardSum::suitsOfIndex(river)});
        }
    }
    for (int i = 0; i < unseen; ++i)
        unseenPlaces_[unseen_[static_cast<std::size_t>(i)]] = static_cast<std::uint8_t>(i);
}

void RangeEquitySampler::sample(std::int64_t from, std::int64_t to) {
    if (to <= from) return;
    withDraws(rng_, [&](auto& draws) { sampleWithBoard(to - from, draws); });
}

bool RangeEquitySampler::isTableSpot() const noexcept {
    const std::size_t opponents = ranges_.size();
    return listsAreShort_ && opponents >= 1 && opponents <= mostTableOpponents &&
           (opponents > 1 || !liveCountVaries_);
}

// A generator's draws on a street of the game take a loop compiled for its count of board cards to come, so
// that the loops over them unroll whole: measured, 2 to 25% more samples a second against one or two
// opponents, up to 10% against more, most on the river. Every other board and source takes the general loop.
template <typename Draws>
void RangeEquitySampler::sampleWithBoard(std::int64_t count, Draws& draws) {
    if constexpr (std::is_same_v<Draws, BufferedDraws>) {
        if (isTableSpot()) {
            switch (boardCount_) {
                case 0:
                    return sampleOpponents<5>(count, draws);
                case 3:
                    return sampleOpponents<2>(count, draws);
                case 4:
                    return sampleOpponents<1>(count, draws);
                case 5:
                    return sampleOpponents<0>(count, draws);
                default:
                    break;
            }
        }
    }
    sampleWith<anyCount, anyCount>(count, draws);
}

// A loop for each count of opponents a table can have: with the count a constant the scoring unrolls whole
// and the loop over the picks ends where the predictor expects, whatever the picks did before. Measured, up
// to 7% more samples a second on the flop and turn, 3 to 21% on the river. One opponent takes the loop that
// deals around its cards: 35 to 60% more.
template <std::size_t missing, typename Draws>
void RangeEquitySampler::sampleOpponents(std::int64_t count, Draws& draws) {
    static_assert(mostTableOpponents == 5);
    switch (ranges_.size()) {
        case 1:
            return sampleWith<missing, 1>(count, draws);
        case 2:
            return sampleWith<missing, 2>(count, draws);
        case 3:
            return sampleWith<missing, 3>(count, draws);
        case 4:
            return sampleWith<missing, 4>(count, draws);
        default:
            return sampleWith<missing, 5>(count, draws);
    }
}

Combo RangeEquitySampler::drawHand(std::span<const Combo> combos, CardMask& dead) {
    DirectDraws::Cursor draw(rng_);
    std::vector<CardMask> masks;
    masks.reserve(combos.size());
    for (const Combo& combo : combos)
        masks.push_back(maskOf(indicesOf(combo)));
    const int pick = pickCombo<false>(static_cast<int>(combos.size()), masks.data(), dead, draw);
    if (pick >= 0) {
        dead |= masks[static_cast<std::size_t>(pick)];
        return combos[static_cast<std::size_t>(pick)];
    }
    const IndexPair pair = randomPair(dead, knownCards_, draw);
    return {Card::fromIndex(pair[0]), Card::fromIndex(pair[1])};
}

// Each sample: every opponent's hand in list order, then the missing board cards by a partial Fisher-Yates
// over the live cards in deck order; every opponent is scored, without a branch on the outcome. The live
// count is the same every sample, so the shuffle runs over positions while the hands are still drawn, and
// only reading the cards at the dealt positions waits for the hands.
template <std::size_t fixedMissing, std::size_t fixedOpponents, typename Draws>
void RangeEquitySampler::sampleWith(std::int64_t count, Draws& draws) {
    constexpr bool alone = fixedOpponents == 1;
    const std::size_t missing =
        fixedMissing != anyCount ? fixedMissing : static_cast<std::size_t>(5 - boardCount_);
    const std::size_t opponents = fixedOpponents != anyCount ? fixedOpponents : ranges_.size();
    // Every pick of every opponent failing, then the fallback's two draws, then the board.
    const auto mostDraws = opponents * (maxDrawAttempts + 2) + missing;
    // The members the loop reads, as locals: its stores to the hands could otherwise be taken to change them.
    const CardMask* masks = masks_.data();
    const std::uint64_t* keys = keys_.data();
    const RangeSpan* ranges = ranges_.data();
    const CardMask knownCards = knownCards_;
    // Each opponent's cards, and their key for the score.
    std::array<CardMask, maxOpponents> hands{};
    std::array<std::uint64_t, maxOpponents> handKeys{};
    // The live list's positions as the shuffle moves them; put back in order after every sample.
    std::array<std::uint8_t, 64> positions{};
    for (std::size_t i = 0; i < positions.size(); ++i)
        positions[i] = static_cast<std::uint8_t>(i);
    std::array<std::uint8_t, 5> dealt{};
    std::array<std::size_t, 5> moved{};
    std::array<std::uint8_t, 5> board{};
    double winShare = winShare_;
    for (std::int64_t sample = 0; sample < count; ++sample) {
        auto draw = draws.reserve(mostDraws);
        CardMask dead = knownCards;
        for (std::size_t k = 0; k < opponents; ++k) {
            const RangeSpan range = ranges[k];
            const int pick =
                pickCombo<fixedOpponents != anyCount>(range.count, masks + range.first, dead, draw);
            if (pick >= 0) [[likely]] {
                const std::size_t i = range.first + static_cast<std::size_t>(pick);
                dead |= masks[i];
                hands[k] = masks[i];
                handKeys[k] = keys[i];
            } else {
                const IndexPair cards = randomPair(dead, knownCards, draw);
                hands[k] = maskOf(cards);
                handKeys[k] = CardSum::keyOfIndex(cards[0]) + CardSum::keyOfIndex(cards[1]);
            }
        }
        const LiveCards live(dead);
        int liveCount = liveCount_;
        if (!alone && liveCountVaries_) [[unlikely]]
            liveCount = live.count();
        // Every position holds itself until the first card is dealt, and nothing reads them after the last.
        for (std::size_t i = 0; i < missing; ++i) {
            const auto j = static_cast<std::size_t>(draw.cardIndex(static_cast<int>(i), liveCount));
            dealt[i] = i == 0 ? static_cast<std::uint8_t>(j) : positions[j];
            if (i + 1 < missing) {
                positions[j] = positions[i];
                moved[i] = j;
            }
        }
        for (std::size_t i = 0; i + 1 < missing; ++i)
            positions[moved[i]] = static_cast<std::uint8_t>(moved[i]);
        draws.consume(draw);
        std::uint64_t boardKey = boardSum_.key;
        if constexpr (alone) {
            // The live cards are the unseen ones but the opponent's two: a position moves past each of them
            // at or below it, a few compares where a count over the whole deck would be needed otherwise. The
            // unseen cards are in deck order, so the lower card has the lower place.
            const unsigned lower = unseenPlaces_[lowerCard(hands[0])];
            const unsigned upper = unseenPlaces_[upperCard(hands[0])];
            for (std::size_t i = 0; i < missing; ++i) {
                const unsigned place = dealt[i];
                board[i] = unseen_[place + (place >= lower) + (place + 1 >= upper)];
                boardKey += CardSum::keyOfIndex(board[i]);
            }
        } else {
            for (std::size_t i = 0; i < missing; ++i) {
                board[i] = live.at(dealt[i]);
                boardKey += CardSum::keyOfIndex(board[i]);
            }
        }
        const auto boardSuits = [&] {
            std::uint64_t suits = boardSum_.suits;
            for (std::size_t i = 0; i < missing; ++i)
                suits += CardSum::suitsOfIndex(board[i]);
            return suits;
        };
        const std::int64_t hero =
            missing == 1 ? heroRiverScores_[board[0]] : handScoreTables.scoreOf(boardKey + holeSum_.key, [&] {
                return boardSuits() + holeSum_.suits;
            });
        PotShare share;
        for (std::size_t k = 0; k < opponents; ++k) {
            share.add(hero, handScoreTables.scoreOf(boardKey + handKeys[k], [&] {
                return boardSuits() + CardSum::suitsOfIndex(lowerCard(hands[k])) +
                       CardSum::suitsOfIndex(upperCard(hands[k]));
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
    std::vector<std::span<const Combo>> lists;
    lists.reserve(ranges.size());
    for (const OpponentRange& range : ranges)
        lists.emplace_back(range.combos);
    RangeEquitySampler sampler(hole, board, lists, rng);
    sampler.sample(0, samples);
    return EquityResult::averaged(sampler.winShare(), samples);
}

}  // namespace pellox
