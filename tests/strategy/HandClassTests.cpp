#include <gtest/gtest.h>

#include <set>

#include "strategy/HandClass.hpp"

namespace pellox {
namespace {

TEST(HandClassTests, TwoCardsNameTheirClassHigherRankFirst) {
    EXPECT_EQ(handClass({Rank::ace, Suit::spades}, {Rank::king, Suit::spades}), "AKs");
    EXPECT_EQ(handClass({Rank::king, Suit::diamonds}, {Rank::ace, Suit::spades}), "AKo");
    EXPECT_EQ(handClass({Rank::nine, Suit::hearts}, {Rank::ten, Suit::hearts}), "T9s");
    EXPECT_EQ(handClass({Rank::seven, Suit::clubs}, {Rank::two, Suit::diamonds}), "72o");
    EXPECT_EQ(handClass({Rank::two, Suit::clubs}, {Rank::two, Suit::diamonds}), "22");
    EXPECT_EQ(handClass({Rank::ten, Suit::clubs}, {Rank::ten, Suit::spades}), "TT");
}

TEST(HandClassTests, The169ClassesInChartOrder) {
    const auto& all = allHandClasses();
    ASSERT_EQ(all.size(), 169u);
    EXPECT_EQ(std::set<std::string>(all.begin(), all.end()).size(), 169u);
    const std::vector<std::string> head{"AA", "AKs", "AKo", "AQs", "AQo", "AJs", "AJo", "ATs", "ATo"};
    EXPECT_EQ(std::vector<std::string>(all.begin(), all.begin() + 9), head);
    EXPECT_EQ(all[24], "A2o");
    EXPECT_EQ(all[25], "KK");
    EXPECT_EQ(all[26], "KQs");
    EXPECT_EQ(all[166], "32s");
    EXPECT_EQ(all[167], "32o");
    EXPECT_EQ(all[168], "22");
    // Every pair of distinct cards belongs to exactly one listed class.
    std::set<std::string> seen;
    for (int a = 0; a < 52; ++a)
        for (int b = a + 1; b < 52; ++b)
            seen.insert(handClass(Card::fromIndex(a), Card::fromIndex(b)));
    EXPECT_EQ(seen, std::set<std::string>(all.begin(), all.end()));
}

}  // namespace
}  // namespace pellox
