#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "strategy/HandClass.hpp"
#include "strategy/OpponentRange.hpp"

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

TEST(HandClassTests, TheGridRunsFromAcesToDeucesSuitedAboveTheDiagonal) {
    EXPECT_EQ(handClassAt(0, 0), "AA");
    EXPECT_EQ(handClassAt(12, 12), "22");
    EXPECT_EQ(handClassAt(0, 1), "AKs");
    EXPECT_EQ(handClassAt(1, 0), "AKo");
    EXPECT_EQ(handClassAt(0, 12), "A2s");
    EXPECT_EQ(handClassAt(12, 0), "A2o");
    EXPECT_EQ(handClassAt(4, 5), "T9s");
    EXPECT_EQ(handClassAt(12, 7), "72o");
    // Each of the 169 classes stands in exactly one cell.
    std::set<std::string> cells;
    for (std::size_t row = 0; row < 13; ++row)
        for (std::size_t column = 0; column < 13; ++column)
            cells.insert(handClassAt(row, column));
    const auto& all = allHandClasses();
    EXPECT_EQ(cells, std::set<std::string>(all.begin(), all.end()));
    EXPECT_THROW(handClassAt(13, 0), std::out_of_range);
    EXPECT_THROW(handClassAt(0, 13), std::out_of_range);
}

TEST(HandClassTests, CombinationCountsMatchTheCombosOfEachClass) {
    EXPECT_EQ(combinationCount("AA"), 6);
    EXPECT_EQ(combinationCount("AKs"), 4);
    EXPECT_EQ(combinationCount("72o"), 12);
    int total = 0;
    for (const std::string& c : allHandClasses()) {
        EXPECT_EQ(static_cast<std::size_t>(combinationCount(c)), OpponentRange::combosOf(c, {}).size()) << c;
        total += combinationCount(c);
    }
    EXPECT_EQ(total, 1326);
    // Texts that are no class stand for nothing, as they deal no combos.
    for (const char* text : {"", "A", "AK", "AAs", "AKx", "XYs", "AKso", "ak"}) {
        EXPECT_EQ(combinationCount(text), 0) << text;
        EXPECT_TRUE(OpponentRange::combosOf(text, {}).empty()) << text;
    }
}

}  // namespace
}  // namespace pellox
