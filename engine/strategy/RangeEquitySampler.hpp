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
#include "strategy/OpponentRange.hpp"

namespace pellox {

// Monte Carlo share of the pot that two known hole cards win against opponents whose hands are drawn from
// their own combo lists, the missing board cards dealt at random. One sampler serves one estimate.
class RangeEquitySampler {
  public:
    static constexpr int maxDrawAttempts = 8;
    // Every hand and the full board fit in one deck.
    static constexpr int maxOpponents = (52 - 7) / 2;

    // Throws std::invalid_argument unless there are two hole cards, at most five board cards, at most
    // maxOpponents opponents and a non-empty combo list for every opponent.
    RangeEquitySampler(std::span<const Card> hole, std::span<const Card> board,
                       const std::vector<std::vector<Combo>>& ranges, RandomSource rng);

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
    // Views of the lists, so that estimate can pass its ranges' lists without copying them.
    RangeEquitySampler(std::span<const Card> hole, std::span<const Card> board,
                       std::span<const std::span<const Combo>> ranges, RandomSource rng);

    // Draws is BufferedDraws or DirectDraws.
    template <typename Draws>
    void sampleWithBoard(std::int64_t count, Draws& draws);
    template <std::size_t missing, typename Draws>
    void sampleOpponents(std::int64_t count, Draws& draws);
    // For fixedMissing board cards to come and fixedOpponents opponents, either of them anyCount for the
    // general loop, which reads the count from the sampler. One opponent is alone against the hero: every
    // board card is dealt around that opponent's two cards. A fixed count of opponents also means that every
    // list is short (listsAreShort_).
    static constexpr std::size_t anyCount = ~std::size_t{0};
    template <std::size_t fixedMissing, std::size_t fixedOpponents, typename Draws>
    void sampleWith(std::int64_t count, Draws& draws);
    // A table seats at most six players.
    static constexpr std::size_t mostTableOpponents = 5;
    // The spots a game samples: short lists, one to mostTableOpponents opponents, and, against one, no combo
    // of one card twice.
    bool isTableSpot() const noexcept;

    // An opponent's combos: those of masks_ and keys_ from first, count of them. Opponents with the
    // same list share one copy, so that crowded spots keep their lists in cache.
    struct RangeSpan {
        std::size_t first;
        int count;
    };

    int boardCount_{0};
    // The cards left outside the known ones and every opponent's hand: the same every sample.
    int liveCount_{0};
    bool liveCountVaries_{false};
    // No list is longer than maxExactIndexSpan, so that a pick scales its draw without a test.
    bool listsAreShort_{true};
    // The cards outside the known ones in deck order, and each such card's place among them.
    CardIndices unseen_{};
    std::array<std::uint8_t, 52> unseenPlaces_{};
    // Every list's combos in list order: as masks for the conflict test, alone in their array (eight bytes a
    // combo) so that a crowded spot's picks touch few cache lines, and as summed keys for the score.
    std::vector<CardMask> masks_;
    std::vector<std::uint64_t> keys_;
    std::vector<RangeSpan> ranges_;
    RandomSource rng_;
    // The hole and board cards: every card outside them is unseen.
    CardMask knownCards_{0};
    double winShare_{0};
    // The hole cards and the board dealt so far, summed once for every sample's scores.
    CardSum holeSum_;
    CardSum boardSum_;
    // With one board card to come, the hero's score by that card: the same for every sample.
    std::array<std::uint32_t, 52> heroRiverScores_{};
};

}  // namespace pellox
