#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <set>

#include "rules/Card.hpp"
#include "rules/Json.hpp"
#include "rules/SeededRNG.hpp"

#include "TestCards.hpp"

namespace pellox {
namespace {

using test::card;

TEST(CardTests, StandardDeckOrderFollowsSuitThenRank) {
    auto deck = Card::standardDeck();
    ASSERT_EQ(deck.size(), 52u);
    EXPECT_EQ(std::set<int>(), std::set<int>());
    std::set<std::string> distinct;
    for (const Card& c : deck)
        distinct.insert(c.description());
    EXPECT_EQ(distinct.size(), 52u);
    EXPECT_EQ(deck[0].description(), "2c");
    EXPECT_EQ(deck[12].description(), "Ac");
    EXPECT_EQ(deck[13].description(), "2d");
    // Position p is rank 2 + p mod 13 of suit p div 13: 38 is the ace of hearts, 39 the two of spades.
    EXPECT_EQ(deck[38].description(), "Ah");
    EXPECT_EQ(deck[39].description(), "2s");
    EXPECT_EQ(deck[51].description(), "As");
    for (int p = 0; p < 52; ++p) {
        EXPECT_EQ(value(deck[p].rank), 2 + p % 13);
        EXPECT_EQ(static_cast<int>(deck[p].suit), p / 13);
    }
}

TEST(CardTests, DescriptionUsesOneCharacterSymbols) {
    EXPECT_EQ((Card{Rank::ten, Suit::hearts}).description(), "Th");
    EXPECT_EQ((Card{Rank::ace, Suit::hearts}).description(), "Ah");
    EXPECT_EQ(symbol(Rank::ten), "T");
    std::string all;
    for (Rank r : allRanks())
        all += symbol(r);
    EXPECT_EQ(all, "23456789TJQKA");
    EXPECT_GT(Rank::ace, Rank::king);
    EXPECT_EQ(allRanks().front(), Rank::two);
}

TEST(CardTests, RankAndSuitConstructionRejectsUnknownValues) {
    EXPECT_FALSE(makeRank(1));
    EXPECT_FALSE(makeRank(15));
    EXPECT_EQ(makeRank(14), Rank::ace);
    EXPECT_EQ(parse<Suit>("h"), Suit::hearts);
    EXPECT_FALSE(parse<Suit>("x"));
    EXPECT_FALSE(parse<Suit>("H"));
}

TEST(CardTests, JsonRoundTripAndStrictReading) {
    Card as{Rank::ace, Suit::spades};
    Json j = as;
    EXPECT_EQ(j, Json::parse(R"({"rank":14,"suit":"s"})"));
    EXPECT_EQ(j.get<Card>(), as);
    for (const Card& c : Card::standardDeck())
        EXPECT_EQ(Json(c).get<Card>(), c);
    EXPECT_EQ(Json::parse(R"({"rank":10,"suit":"h","extra":1})").get<Card>(),
              (Card{Rank::ten, Suit::hearts}));
    for (const char* bad : {R"({"rank":15,"suit":"s"})", R"({"rank":1,"suit":"s"})",
                            R"({"rank":"A","suit":"s"})", R"({"rank":14,"suit":"x"})", R"({"rank":14})",
                            R"({"suit":"s"})", R"({"rank":14.0,"suit":"s"})", R"([14,"s"])"}) {
        EXPECT_THROW(Json::parse(bad).get<Card>(), Json::exception) << bad;
    }
}

TEST(CardTests, ShuffleOfShortListsDrawsNothing) {
    SeededRNG rng(7);
    EXPECT_TRUE(shuffled({}, rng).empty());
    std::vector<Card> one{card("Ah")};
    EXPECT_EQ(shuffled(one, rng), one);
    EXPECT_EQ(rng.s, 7u);
}

TEST(CardTests, SeededShuffleIsReproducibleAndConsumesFiftyOneDraws) {
    SeededRNG a(0), b(0);
    auto deckA = shuffled(Card::standardDeck(), a);
    auto deckB = shuffled(Card::standardDeck(), b);
    EXPECT_EQ(deckA, deckB);
    EXPECT_EQ(a.s, 51u * 0x6D2B79F5u);
    std::vector<std::string> first;
    for (int i = 0; i < 5; ++i)
        first.push_back(deckA[i].description());
    EXPECT_EQ(first, (std::vector<std::string>{"6s", "Ks", "Ah", "3c", "As"}));
    std::set<int> distinct;
    for (const Card& c : deckA)
        distinct.insert(c.index());
    EXPECT_EQ(distinct.size(), 52u);
}

// Every draw of the shuffle the same value.
std::vector<Card> shuffledDrawing(const std::vector<Card>& cards, double draw) {
    auto constant = [draw] { return draw; };
    return shuffled(cards, constant);
}

TEST(CardTests, ShuffleWithExtremeDraws) {
    std::vector<Card> abcd{card("2c"), card("3c"), card("4c"), card("5c")};
    auto zeros = shuffledDrawing(abcd, 0.0);
    EXPECT_EQ(zeros, (std::vector<Card>{abcd[1], abcd[2], abcd[3], abcd[0]}));
    EXPECT_EQ(shuffledDrawing(abcd, std::nextafter(1.0, 0.0)), abcd);
    // Out-of-range draws are clamped: below zero acts as 0, one and above as just below one, NaN as 0.
    EXPECT_EQ(shuffledDrawing(abcd, -3.0), zeros);
    EXPECT_EQ(shuffledDrawing(abcd, 1.0), abcd);
    EXPECT_EQ(shuffledDrawing(abcd, 1e300), abcd);
    EXPECT_EQ(shuffledDrawing(abcd, std::numeric_limits<double>::quiet_NaN()), zeros);

    // Any list shuffles the same way, in place.
    std::array<int, 4> numbers{0, 1, 2, 3};
    auto zero = [] { return 0.0; };
    shuffleInPlace(numbers, zero);
    EXPECT_EQ(numbers, (std::array<int, 4>{1, 2, 3, 0}));
}

TEST(CardTests, ChipRoundingHalvesAwayFromZero) {
    EXPECT_EQ(roundToChipStep(12.4), 10);
    EXPECT_EQ(roundToChipStep(12.5), 15);
    EXPECT_EQ(roundToChipStep(17.5), 20);
    EXPECT_EQ(roundToChipStep(2.4), 0);
    EXPECT_EQ(roundToChipStep(2.5), 5);
    EXPECT_EQ(roundToChipStep(-2.5), -5);
    EXPECT_EQ(roundToChipStep(-12.5), -15);
    EXPECT_EQ(roundToChipStep(7.49), 5);
    EXPECT_EQ(roundToChipStep(0.0), 0);
    EXPECT_EQ(roundToChipStep(std::int64_t{7}), 5);
    EXPECT_EQ(roundToChipStep(std::int64_t{8}), 10);
    EXPECT_EQ(roundToChipStep(std::int64_t{12}), 10);
    EXPECT_EQ(roundToChipStep(std::int64_t{13}), 15);
}

TEST(CardTests, ChipRoundingOfOddAmountsIsDefined) {
    constexpr auto maxI = std::numeric_limits<std::int64_t>::max();
    constexpr auto minI = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(roundToChipStep(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(roundToChipStep(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(roundToChipStep(-std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(roundToChipStep(1e30), maxI / 5 * 5);
    EXPECT_EQ(roundToChipStep(-1e30), minI / 5 * 5);
    EXPECT_EQ(roundToChipStep(maxI), maxI / 5 * 5);
    EXPECT_EQ(roundToChipStep(minI), minI / 5 * 5);
}

}  // namespace
}  // namespace pellox
