#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "strategy/ChenFormula.hpp"
#include "strategy/PreflopTier.hpp"

namespace pellox {
namespace {

Rank rankAt(std::size_t index) {
    return static_cast<Rank>(14 - static_cast<int>(index));
}

// Suited above the diagonal, offsuit below; rows and columns from the ace down.
TEST(ChenFormulaTests, ScoreOfEveryHandClass) {
    const std::array<std::array<double, 13>, 13> expected{{
        {20, 12, 11, 10, 8, 7, 7, 7, 7, 7, 7, 7, 7},            // A
        {10, 16, 10, 9, 8, 6, 5, 5, 5, 5, 5, 5, 5},             // K
        {9, 8, 14, 9, 8, 7, 5, 4, 4, 4, 4, 4, 4},               // Q
        {8, 7, 7, 12, 9, 8, 6, 4, 3, 3, 3, 3, 3},               // J
        {6, 6, 6, 7, 10, 8, 7, 5, 3, 2, 2, 2, 2},               // T
        {5, 4, 5, 6, 6, 9, 7.5, 6.5, 4.5, 2.5, 1.5, 1.5, 1.5},  // 9
        {5, 3, 3, 4, 5, 5.5, 8, 7, 6, 4, 2, 1, 1},              // 8
        {5, 3, 2, 2, 3, 4.5, 5, 7, 6.5, 5.5, 3.5, 1.5, 0.5},    // 7
        {5, 3, 2, 1, 1, 2.5, 4, 4.5, 6, 6, 5, 3, 1},            // 6
        {5, 3, 2, 1, 0, 0.5, 2, 3.5, 4, 5, 5.5, 4.5, 2.5},      // 5
        {5, 3, 2, 1, 0, -0.5, 0, 1.5, 3, 3.5, 5, 5, 4},         // 4
        {5, 3, 2, 1, 0, -0.5, -1, -0.5, 1, 2.5, 3, 5, 4.5},     // 3
        {5, 3, 2, 1, 0, -0.5, -1, -1.5, -1, 0.5, 2, 2.5, 5},    // 2
    }};
    for (std::size_t row = 0; row < 13; ++row) {
        for (std::size_t col = 0; col < 13; ++col) {
            Card first{rankAt(row), Suit::spades};
            Card second{rankAt(col), row < col ? Suit::spades : Suit::hearts};
            EXPECT_EQ(chenScore(first, second), expected[row][col]) << row << "," << col;
            EXPECT_EQ(chenScore(second, first), expected[row][col]) << row << "," << col;
        }
    }
}

TEST(ChenFormulaTests, WorkedExamples) {
    auto score = [](Rank a, Suit sa, Rank b, Suit sb) { return chenScore({a, sa}, {b, sb}); };
    using enum Rank;
    using enum Suit;
    EXPECT_EQ(score(ace, spades, king, spades), 12);
    EXPECT_EQ(score(ace, spades, king, hearts), 10);
    EXPECT_EQ(score(seven, clubs, two, diamonds), -1.5);
    EXPECT_EQ(score(ten, hearts, nine, hearts), 8);
    EXPECT_EQ(score(five, clubs, five, hearts), 5);
    EXPECT_EQ(score(two, clubs, two, hearts), 5);
    EXPECT_EQ(score(six, clubs, six, hearts), 6);
    EXPECT_EQ(score(jack, clubs, ten, hearts), 7);
    EXPECT_EQ(score(nine, clubs, seven, clubs), 6.5);
    EXPECT_EQ(score(ace, clubs, ace, hearts), 20);
    // Gaps of 3 and of 4 or more cost 4 and 5.
    EXPECT_EQ(score(king, clubs, nine, hearts), 4);
    EXPECT_EQ(score(king, clubs, eight, hearts), 3);
    EXPECT_EQ(score(king, clubs, two, hearts), 3);
}

TEST(ChenFormulaTests, TierBoundariesTakeTheHigherTier) {
    const std::array<std::pair<double, PreflopTier>, 13> expected{{
        {20, PreflopTier::premium},
        {12, PreflopTier::premium},
        {11.5, PreflopTier::strong},
        {9, PreflopTier::strong},
        {8.5, PreflopTier::playable},
        {6, PreflopTier::playable},
        {5.5, PreflopTier::marginal},
        {4, PreflopTier::marginal},
        {3.5, PreflopTier::fold},
        {0, PreflopTier::fold},
        {-1.5, PreflopTier::fold},
        {std::nextafter(12.0, 0.0), PreflopTier::strong},
        {std::numeric_limits<double>::quiet_NaN(), PreflopTier::fold},
    }};
    for (auto [score, tier] : expected)
        EXPECT_EQ(preflopTier(score), tier) << score;
}

TEST(ChenFormulaTests, TierOfAHand) {
    using enum Rank;
    using enum Suit;
    EXPECT_EQ(preflopTierForHand({ace, spades}, {king, spades}), PreflopTier::premium);
    EXPECT_EQ(preflopTierForHand({ace, spades}, {king, hearts}), PreflopTier::strong);
    EXPECT_EQ(preflopTierForHand({ten, hearts}, {nine, hearts}), PreflopTier::playable);
    EXPECT_EQ(preflopTierForHand({five, clubs}, {five, hearts}), PreflopTier::marginal);
    EXPECT_EQ(preflopTierForHand({seven, clubs}, {two, diamonds}), PreflopTier::fold);
}

TEST(ChenFormulaTests, TierNamesRawValuesAndStrengths) {
    struct Row {
        PreflopTier tier;
        std::string_view raw, name;
        PreflopTierStrength strength;
    };
    const std::array<Row, 5> expected{{
        {PreflopTier::premium, "premium", "Premium", PreflopTierStrength::good},
        {PreflopTier::strong, "strong", "Strong", PreflopTierStrength::good},
        {PreflopTier::playable, "playable", "Playable", PreflopTierStrength::neutral},
        {PreflopTier::marginal, "marginal", "Marginal", PreflopTierStrength::poor},
        {PreflopTier::fold, "fold", "Weak", PreflopTierStrength::poor},
    }};
    ASSERT_EQ(allCases<PreflopTier>().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(allCases<PreflopTier>()[i], expected[i].tier);
        EXPECT_EQ(rawValue(expected[i].tier), expected[i].raw);
        EXPECT_EQ(displayName(expected[i].tier), expected[i].name);
        EXPECT_EQ(strength(expected[i].tier), expected[i].strength);
        EXPECT_EQ(parse<PreflopTier>(expected[i].raw), expected[i].tier);
    }
}

}  // namespace
}  // namespace pellox
