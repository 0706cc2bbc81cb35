#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "rules/Card.hpp"
#include "rules/CardSum.hpp"
#include "rules/RandomSource.hpp"
#include "strategy/CardMask.hpp"
#include "strategy/EquityResult.hpp"

namespace pellox {

// Monte Carlo share of the pot that two known hole cards win at showdown against opponents holding random
// hands, the missing board cards dealt at random. One sampler serves one estimate.
class EquitySampler {
  public:
    static constexpr std::int64_t defaultSamples = 2000;

    // Throws std::invalid_argument unless there are two hole cards, at most five board cards, zero or more
    // opponents and enough unseen cards for one sample.
    EquitySampler(std::span<const Card> hole, std::span<const Card> board, std::int64_t opponents,
                  RandomSource rng);

    // Draws the samples with indices from..<to; consecutive ranges draw exactly what one call over their
    // union would.
    void sample(std::int64_t from, std::int64_t to);

    static EquityResult estimate(std::span<const Card> hole, std::span<const Card> board,
                                 std::int64_t opponents, RandomSource rng, std::int64_t samples);

    double winShare() const noexcept { return winShare_; }
    int cardsPerSample() const noexcept { return cardsPerSample_; }
    // The unseen cards in their current order.
    std::vector<Card> pool() const;

  private:
    // Draws is BufferedDraws or DirectDraws.
    template <typename Draws>
    void sampleWith(std::int64_t count, Draws& draws);

    // The unseen cards as standard deck indices, permuted in place by every sample.
    CardIndices pool_{};
    int poolCount_{0};
    // The hole cards and the board dealt so far, summed once for every sample's scores.
    CardSum holeSum_;
    CardSum boardSum_;
    int numOpponents_{0};
    int cardsPerSample_{0};
    RandomSource rng_;
    double winShare_{0};
};

}  // namespace pellox
