#include <gtest/gtest.h>

#include <algorithm>

#include "strategy/AdvisorTestSupport.hpp"
#include "strategy/HandClass.hpp"
#include "strategy/OpponentRange.hpp"

namespace pellox {
namespace {

using namespace advisortest;
using T = PlayerActionType;

std::vector<std::string> texts(const std::vector<Combo>& combos) {
    std::vector<std::string> out;
    for (const Combo& c : combos)
        out.push_back(c[0].description() + c[1].description());
    return out;
}

TEST(OpponentRangeTests, ChartRangeReadsTheActionFromThePosition) {
    const auto any = OpponentRange::chartRange(0, std::nullopt, Position::bb);
    EXPECT_EQ(any.text, "checked their option, so any two cards");
    EXPECT_EQ(any.classes, allHandClasses());

    const auto open = OpponentRange::chartRange(0, RangeAction::raise, Position::co);
    EXPECT_EQ(open.text, "opened from Cutoff");
    EXPECT_EQ(open.classes.size(), 61u);
    // Chart order, not the order of any set.
    EXPECT_EQ(std::vector<std::string>(open.classes.begin(), open.classes.begin() + 6),
              (std::vector<std::string>{"AA", "AKs", "AKo", "AQs", "AQo", "AJs"}));
    EXPECT_NE(std::find(open.classes.begin(), open.classes.end(), "A5o"), open.classes.end());
    EXPECT_EQ(std::find(open.classes.begin(), open.classes.end(), "A4o"), open.classes.end());

    EXPECT_EQ(OpponentRange::chartRange(1, RangeAction::raise, Position::co).text, "3-bet from Cutoff");
    EXPECT_EQ(OpponentRange::chartRange(1, RangeAction::call, Position::utg1).text,
              "called a raise from Under the Gun 2");
    const auto fourBet = OpponentRange::chartRange(2, RangeAction::raise, Position::bb);
    EXPECT_EQ(fourBet.text, "4-bet from Big Blind");
    EXPECT_EQ(fourBet.classes, (std::vector<std::string>{"AA", "AKs", "AKo", "A5s", "KK", "QQ"}));
    EXPECT_EQ(OpponentRange::chartRange(5, RangeAction::call, Position::btn).text,
              "called a 3-bet from Dealer");
}

TEST(OpponentRangeTests, ALimpIsNotCoveredByTheCharts) {
    const auto limp = OpponentRange::chartRange(0, RangeAction::call, Position::hj);
    EXPECT_EQ(limp.text, "played back in a way the charts do not cover");
    EXPECT_EQ(limp.classes.size(), 169u);
}

TEST(OpponentRangeTests, CombosOfAClassInSuitOrderWithoutDeadCards) {
    EXPECT_EQ(texts(OpponentRange::combosOf("AA", {})),
              (std::vector<std::string>{"AcAd", "AcAh", "AcAs", "AdAh", "AdAs", "AhAs"}));
    EXPECT_EQ(texts(OpponentRange::combosOf("AKs", {})),
              (std::vector<std::string>{"AcKc", "AdKd", "AhKh", "AsKs"}));
    const auto offsuit = texts(OpponentRange::combosOf("T9o", {}));
    ASSERT_EQ(offsuit.size(), 12u);
    EXPECT_EQ(std::vector<std::string>(offsuit.begin(), offsuit.begin() + 4),
              (std::vector<std::string>{"Tc9d", "Tc9h", "Tc9s", "Td9c"}));

    const auto dead = cards("As 9h");
    EXPECT_EQ(OpponentRange::combosOf("AA", dead).size(), 3u);
    EXPECT_EQ(texts(OpponentRange::combosOf("A9s", dead)), (std::vector<std::string>{"Ac9c", "Ad9d"}));
    EXPECT_EQ(OpponentRange::combosOf("A9o", dead).size(), 7u);

    for (const char* bad : {"", "A", "AX", "AKx", "AKs+", "AAs", "1Ks"})
        EXPECT_TRUE(OpponentRange::combosOf(bad, {}).empty()) << bad;
}

TEST(OpponentRangeTests, NarrowingKeepsTheStrongestAndAtLeastTwelve) {
    const auto board = cards("Ks 7d 2c");
    std::vector<Combo> combos;
    for (const char* hand : {"AcAd", "7c2d", "KcKd", "QcJc", "3c3d", "Ah7h", "8c9c", "KhQh", "5h6h", "AdKd",
                             "4c4d", "6c6d", "JhTh", "2h2s", "9d8d"}) {
        const auto two = cards(std::string(hand, 2) + " " + std::string(hand + 2, 2));
        combos.push_back({two[0], two[1]});
    }
    ASSERT_EQ(combos.size(), 15u);
    // 0.75 x 15 = 11.25 rounds to 11, so 12 remain: the three weakest go.
    const auto called = texts(OpponentRange::narrow(combos, board, 0.75));
    ASSERT_EQ(called.size(), 12u);
    EXPECT_EQ(std::vector<std::string>(called.begin(), called.begin() + 3),
              (std::vector<std::string>{"KcKd", "2h2s", "7c2d"}));
    for (const char* gone : {"8c9c", "9d8d", "5h6h"})
        EXPECT_EQ(std::find(called.begin(), called.end(), gone), called.end()) << gone;

    EXPECT_EQ(OpponentRange::narrow(combos, board, 1.0), combos);
    EXPECT_EQ(OpponentRange::narrow(combos, cards("Ks 7d"), 0.5), combos);
    const std::vector<Combo> twelve(combos.begin(), combos.begin() + 12);
    EXPECT_EQ(OpponentRange::narrow(twelve, board, 0.5), twelve);
}

TEST(OpponentRangeTests, NarrowingIsStableForEqualScores) {
    // Everyone plays the royal flush on the board: equal scores keep their order.
    std::vector<Combo> combos;
    for (const auto& c : OpponentRange::combosOf("98o", cards("Ah Kh Qh Jh Th")))
        combos.push_back(c);
    for (const auto& c : OpponentRange::combosOf("32s", cards("Ah Kh Qh Jh Th")))
        combos.push_back(c);
    ASSERT_EQ(combos.size(), 16u);
    const auto kept = OpponentRange::narrow(combos, cards("Ah Kh Qh Jh Th"), 0.5);
    EXPECT_EQ(kept, std::vector<Combo>(combos.begin(), combos.begin() + 12));
}

TableState flopTable() {
    TableState t;
    t.street = Street::flop;
    t.board = cards("Kh Td 4s");
    t.bigBlind = 10;
    t.players = {seat("human", 0, Position::btn, "7c 2d"), seat("bot-1", 1, Position::sb, "Ac Ad"),
                 seat("bot-2", 2, Position::bb, "9c 9d"), seat("bot-3", 3, Position::co, "Qc Jc")};
    return t;
}

TEST(OpponentRangeTests, EstimateAllReadsEveryLiveOpponent) {
    TableState t = flopTable();
    t.players[1].hasFolded = true;
    const std::vector<EngineEvent> events{blind("bot-1", 5),
                                          blind("bot-2", 10),
                                          acted("bot-3", T::raise),
                                          acted("human", T::call),
                                          acted("bot-1", T::fold),
                                          acted("bot-2", T::call),
                                          dealt(Street::flop, "Kh Td 4s"),
                                          acted("bot-2", T::check),
                                          acted("bot-3", T::bet)};
    const auto ranges = OpponentRange::estimateAll(t, events, "human");
    ASSERT_EQ(ranges.size(), 2u);
    // Opened from the cutoff, then bet: 338 unblocked combos narrowed to the stronger half.
    EXPECT_EQ(ranges.at("bot-3").descriptor, "Player bot-3 opened from Cutoff, and has been betting since");
    EXPECT_EQ(ranges.at("bot-3").combos.size(), 169u);
    // The big blind called one raise.
    EXPECT_EQ(ranges.at("bot-2").descriptor, "Player bot-2 called a raise from Big Blind");
    for (const auto& [id, range] : ranges)
        for (const Combo& c : range.combos)
            for (const Card& dead : cards("7c 2d Kh Td 4s"))
                EXPECT_FALSE(c[0] == dead || c[1] == dead);
}

TEST(OpponentRangeTests, CheckedOptionReadsAnyTwoCards) {
    TableState t = flopTable();
    t.players.resize(3);
    t.players[1].hasFolded = true;
    const auto ranges = OpponentRange::estimateAll(
        t, {acted("human", T::call), acted("bot-1", T::fold), acted("bot-2", T::check)}, "human");
    ASSERT_EQ(ranges.count("bot-2"), 1u);
    EXPECT_EQ(ranges.at("bot-2").descriptor, "Player bot-2 checked their option, so any two cards");
    EXPECT_EQ(ranges.at("bot-2").combos.size(), 1081u);  // 47 unseen cards, two at a time
}

TEST(OpponentRangeTests, CallingSinceKeepsThreeQuarters) {
    TableState t = flopTable();
    t.players[1].hasFolded = true;
    t.players[2].hasFolded = true;
    const auto ranges = OpponentRange::estimateAll(
        t,
        {acted("bot-3", T::raise), acted("human", T::call), dealt(Street::flop, "Kh Td 4s"),
         acted("human", T::bet), acted("bot-3", T::call)},
        "human");
    EXPECT_EQ(ranges.at("bot-3").descriptor, "Player bot-3 opened from Cutoff, and has called since");
    EXPECT_EQ(ranges.at("bot-3").combos.size(), 254u);  // 0.75 x 338 = 253.5, halves away from zero
}

TEST(OpponentRangeTests, WhoIsRead) {
    TableState t = flopTable();
    EXPECT_TRUE(OpponentRange::estimateAll(t, {}, "nobody").empty());
    t.players[1].isAllIn = true;       // all in: still read
    t.players[2].isSittingOut = true;  // not dealt in
    t.players[3].holeCards.clear();    // no cards
    const auto ranges = OpponentRange::estimateAll(t, {}, "human");
    ASSERT_EQ(ranges.size(), 1u);
    // Without any action the history is fresh: any two cards.
    EXPECT_EQ(ranges.at("bot-1").descriptor, "Player bot-1 checked their option, so any two cards");
    t.players[1].isEliminated = true;
    EXPECT_TRUE(OpponentRange::estimateAll(t, {}, "human").empty());
}

}  // namespace
}  // namespace pellox
