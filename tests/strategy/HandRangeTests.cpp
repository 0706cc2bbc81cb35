#include <gtest/gtest.h>

#include "strategy/HandRange.hpp"

namespace pellox {
namespace {

using Classes = std::vector<std::string>;

TEST(HandRangeTests, TokenForms) {
    EXPECT_EQ(HandRange::expand("99+"), (Classes{"AA", "KK", "QQ", "JJ", "TT", "99"}));
    EXPECT_EQ(HandRange::expand("AA+"), (Classes{"AA"}));
    EXPECT_EQ(HandRange::expand("22+").size(), 13u);
    EXPECT_EQ(HandRange::expand("ATs+"), (Classes{"ATs", "AJs", "AQs", "AKs"}));
    EXPECT_EQ(HandRange::expand("AQo+"), (Classes{"AQo", "AKo"}));
    EXPECT_EQ(HandRange::expand("97s+"), (Classes{"97s", "98s"}));
    EXPECT_EQ(HandRange::expand("A2s+").size(), 12u);
    EXPECT_EQ(HandRange::expand("JJ-22"),
              (Classes{"JJ", "TT", "99", "88", "77", "66", "55", "44", "33", "22"}));
    EXPECT_EQ(HandRange::expand("JJ-99"), (Classes{"JJ", "TT", "99"}));
    EXPECT_EQ(HandRange::expand("A5s-A4s"), (Classes{"A5s", "A4s"}));
    EXPECT_EQ(HandRange::expand("KQo"), (Classes{"KQo"}));
    EXPECT_EQ(HandRange::expand("QQ"), (Classes{"QQ"}));
}

TEST(HandRangeTests, MalformedTokensGiveNothing) {
    for (std::string_view token : {"22-JJ", "A4s-A5s", "KAs+", "AAs+", "XX+", "A+", "+", "-", "JJ-", "-22",
                                   "JJ-22-33", "A5-A4", "AXs-A4s", "Z5s+"})
        EXPECT_TRUE(HandRange::expand(token).empty()) << token;
    EXPECT_TRUE(HandRange::expand("").empty());
}

TEST(HandRangeTests, ParseCollectsEveryTokenOnce) {
    EXPECT_TRUE(HandRange::parse("").empty());
    EXPECT_TRUE(HandRange::parse(" \n\t ").empty());
    EXPECT_EQ(HandRange::parse("\n QQ+  AKs AKo \n"), (HandClassSet{"AA", "KK", "QQ", "AKs", "AKo"}));
    EXPECT_EQ(HandRange::parse("JJ+ AQs+ AKo A5s-A4s"),
              (HandClassSet{"AA", "KK", "QQ", "JJ", "AQs", "AKs", "AKo", "A5s", "A4s"}));
    EXPECT_EQ(HandRange::parse("ATs+ AKs").size(), 4u);
}

TEST(HandRangeTests, RankCharactersRunFromTheAceDown) {
    EXPECT_EQ(HandRange::rankCharacters, "AKQJT98765432");
    EXPECT_EQ(HandRange::rankIndex('A'), 0u);
    EXPECT_EQ(HandRange::rankIndex('T'), 4u);
    EXPECT_EQ(HandRange::rankIndex('2'), 12u);
    EXPECT_EQ(HandRange::rankIndex('1'), std::nullopt);
    EXPECT_EQ(HandRange::rankIndex('t'), std::nullopt);
}

}  // namespace
}  // namespace pellox
