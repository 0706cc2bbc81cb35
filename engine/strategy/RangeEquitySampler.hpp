#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "rules/Card.hpp"
#include "rules/CardSum.hpp"
#include "strategy/CardMask.hpp"
#include "strategy/EquityResult.hpp"
#include "strategy/OpponentRange.hpp"
#include "rules/RandomSource.hpp"

namespace pellox {

// Monte Carlo share of the pot that two known hole cards win against opponents whose hands are drawn from
// their own combo lists, the missing board cards dealt at random. One sampler serves one estimate.
class RangeEquitySampler {
  public:
    static constexpr int maxDrawAttempts = 8;

    // Throws std::invalid_argument unless there are two hole cards, at most five board cards and a
    // non-empty combo list for every opponent.
    RangeEquitySampler(std::span<const Card> hole, std::span<const Card> board,
                       std::vector<std::vector<Combo>> ranges, RandomSource rng);

    // Draws the samples with indices from..<to; consecutive ranges draw exactly what one call over their
    // union would.
    void sample(std::int64_t from, std::int64_t to);

    // A combo of the list that holds no dead card, or after eight failed picks two random live cards; the
    // cards taken join the dead ones.
    Combo drawHand(std::span<const Combo> combos, CardMask& dead);

    // With no ranges, the equity against one opponent holding a random hand.
    static EquityResult estimate(std::span<const Card> hole, std::span<const Card> board,
                                 const std::vector<OpponentRange>& ranges, RandomSource rng,
                                 std::int64_t samples);

    double winShare() const noexcept { return winShare_; }

  private:
    void drawOne();

    int boardCount_{0};
    std::vector<std::vector<Combo>> ranges_;
    RandomSource rng_;
    // The hole and board cards: every card outside them is unseen.
    CardMask knownCards_{0};
    double winShare_{0};
    // Per-sample scratch, sized once so a sample allocates nothing.
    std::vector<Combo> hands_;
    // The hole cards and the board dealt so far, summed once for every sample's scores.
    CardSum holeSum_;
    CardSum boardSum_;
};

}  // namespace pellox
