#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>

#include "rules/HandEvaluator.hpp"

#include "reference/LegacyHandScore.hpp"

namespace pellox {
namespace {

// Every hand of N cards from the deck, in lexicographic order of deck indices; stops at the first hand the
// two scorers disagree on and returns how many hands were compared.
template <std::size_t N>
std::int64_t compareEveryHand() {
    std::array<Card, 52> deck{};
    for (int i = 0; i < 52; ++i)
        deck[static_cast<std::size_t>(i)] = Card::fromIndex(i);
    std::array<std::size_t, N> pos{};
    for (std::size_t i = 0; i < N; ++i)
        pos[i] = i;
    std::array<Card, N> hand{};
    std::int64_t compared = 0;
    for (;;) {
        for (std::size_t i = 0; i < N; ++i)
            hand[i] = deck[pos[i]];
        const std::int64_t expected = legacy::legacyScore(hand);
        if (HandEvaluator::score(hand) != expected) {
            ADD_FAILURE() << "hand " << compared << " scores " << std::hex << HandEvaluator::score(hand)
                          << ", expected " << expected;
            return compared;
        }
        ++compared;
        std::size_t i = N;
        while (i > 0 && pos[i - 1] == 52 - N + i - 1)
            --i;
        if (i == 0) return compared;
        ++pos[i - 1];
        for (std::size_t j = i; j < N; ++j)
            pos[j] = pos[j - 1] + 1;
    }
}

TEST(HandScoreExhaustiveTests, EveryFiveCardHandScoresAsBefore) {
    EXPECT_EQ(compareEveryHand<5>(), 2598960);
}

// Tens of millions of hands: run with PELLOX_LONG_TESTS set (about 2 s in a Release build).
TEST(HandScoreExhaustiveTests, EverySixAndSevenCardHandScoresAsBefore) {
    if (std::getenv("PELLOX_LONG_TESTS") == nullptr) GTEST_SKIP() << "set PELLOX_LONG_TESTS to run";
    EXPECT_EQ(compareEveryHand<6>(), 20358520);
    EXPECT_EQ(compareEveryHand<7>(), 133784560);
}

}  // namespace
}  // namespace pellox
