#include <gtest/gtest.h>

#include "strategy/AdvisorTestSupport.hpp"
#include "strategy/StrategyAdvisor.hpp"

namespace pellox {
namespace {

using namespace advisortest;
using T = PlayerActionType;

TEST(StrategyAdvisorTests, NumbersInTexts) {
    EXPECT_EQ(StrategyAdvisor::percentText(0.456), "46%");
    EXPECT_EQ(StrategyAdvisor::percentText(1.0 / 3.0), "33%");
    EXPECT_EQ(StrategyAdvisor::percentText(0.125), "13%");  // halves away from zero
    EXPECT_EQ(StrategyAdvisor::percentText(0.0), "0%");
    EXPECT_EQ(StrategyAdvisor::percentText(1.0), "100%");
    EXPECT_EQ(StrategyAdvisor::percentText(0.7749), "77%");
    EXPECT_EQ(StrategyAdvisor::percentText(-0.004), "0%");
    EXPECT_EQ(StrategyAdvisor::percentText(-0.5), "-50%");
    // Beyond any 64-bit integer, as agreed counts far above graded ones in a corrupted document give.
    EXPECT_EQ(StrategyAdvisor::percentText(1e17), "10000000000000000000%");
}

TEST(StrategyAdvisorTests, ValueThresholdAndPotOdds) {
    EXPECT_DOUBLE_EQ(StrategyAdvisor::valueThreshold(1), 0.6);
    EXPECT_DOUBLE_EQ(StrategyAdvisor::valueThreshold(0), 0.6);  // at least one opponent counts
    EXPECT_NEAR(StrategyAdvisor::valueThreshold(2), 0.4667, 1e-4);
    EXPECT_DOUBLE_EQ(StrategyAdvisor::valueThreshold(3), 0.4);
    EXPECT_NEAR(StrategyAdvisor::valueThreshold(5), 1.0 / 3.0, 1e-12);
    EXPECT_EQ(StrategyAdvisor::potOdds(0, 100), 0.0);
    EXPECT_DOUBLE_EQ(StrategyAdvisor::potOdds(50, 100), 1.0 / 3.0);
}

// Heads-up on the flop; the hero sees a pot of 100 and owes toCall.
TableState flop(std::string_view hole, std::string_view board, std::int64_t toCall = 0,
                std::int64_t heroStack = 1000) {
    TableState t;
    t.street = Street::flop;
    t.board = cards(board);
    t.bigBlind = 10;
    t.minRaise = toCall > 0 ? toCall : 10;
    t.currentBet = toCall;
    t.players = {seat("human", 0, Position::btn, hole, heroStack), seat("bot-1", 1, Position::bb, "Qc Jc")};
    t.players[0].totalContribution = 25;
    t.players[1].totalContribution = 25 + toCall;
    t.players[1].streetContribution = toCall;
    if (toCall == 0) t.players[0].totalContribution = 50, t.players[1].totalContribution = 50;
    return t;
}

StrategyAdvice postflop(const TableState& t, double equity, std::vector<std::string> reads = {}) {
    auto advice = StrategyAdvisor::postflopAdvice("human", t, std::move(reads), equity);
    EXPECT_TRUE(advice.has_value());
    return advice.value_or(StrategyAdvice{});
}

TEST(StrategyAdvisorTests, ValueBetSizedByEquity) {
    const TableState t = flop("Ah Qd", "As 7c 2d");
    ASSERT_EQ(t.potTotal("human"), 100);
    const StrategyAdvice a = postflop(t, 0.75, {"Player bot-1 opened from Big Blind"});
    EXPECT_EQ(a.recommendedAction, T::bet);
    EXPECT_EQ(a.recommendedAmount, 65);  // f = 0.65625 of 100, to the nearest 5
    EXPECT_EQ(a.headline, "Top Pair (A): BET for value");
    EXPECT_EQ(a.explanation,
              "~75% equity against 1 opponent beats the 60% needed to bet for value, so build the pot.");
    EXPECT_EQ(a.equity, 0.75);
    EXPECT_EQ(a.requiredEquity, std::nullopt);
    EXPECT_EQ(a.preflopStrengthTier, std::nullopt);
    EXPECT_EQ(a.chartReason, std::nullopt);
    EXPECT_EQ(a.opponentReads, std::vector<std::string>{"Player bot-1 opened from Big Blind"});

    EXPECT_EQ(postflop(t, 0.6).recommendedAmount, 45);   // at the threshold: 0.45 of the pot
    EXPECT_EQ(postflop(t, 1.0).recommendedAmount, 100);  // certainty: the whole pot
    EXPECT_EQ(postflop(flop("Ah Qd", "As 7c 2d", 0, 80), 1.0).recommendedAmount, 80);
    // Rounded first, then clamped: a stack of 83 is bet whole, never 85.
    EXPECT_EQ(postflop(flop("Ah Qd", "As 7c 2d", 0, 83), 1.0).recommendedAmount, 83);
}

TEST(StrategyAdvisorTests, OpponentCountInTheBetText) {
    TableState t = flop("Ah Qd", "As 7c 2d");
    t.players.push_back(seat("bot-2", 2, Position::sb, "3c 3d"));
    const StrategyAdvice three = postflop(t, 0.5);
    EXPECT_EQ(three.explanation,
              "~50% equity against 2 opponents beats the 47% needed to bet for value, so build the pot.");
    t.players[1].hasFolded = true;
    t.players[2].hasFolded = true;
    // Nobody counted: still one opponent, without "s".
    EXPECT_EQ(postflop(t, 0.7).explanation,
              "~70% equity against 1 opponent beats the 60% needed to bet for value, so build the pot.");
}

TEST(StrategyAdvisorTests, CheckOrSemiBluffBelowTheThreshold) {
    const StrategyAdvice check = postflop(flop("Ah Qd", "As 7c 2d"), 0.5);
    EXPECT_EQ(check.recommendedAction, T::check);
    EXPECT_EQ(check.recommendedAmount, std::nullopt);
    EXPECT_EQ(check.headline, "Top Pair (A): CHECK");
    EXPECT_EQ(
        check.explanation,
        "~50% equity is short of the 60% needed to bet for value, and there is no big draw to semi-bluff "
        "with, so take a free card.");

    const StrategyAdvice semi = postflop(flop("9h 8h", "7h 6c 2h"), 0.45);
    EXPECT_EQ(semi.recommendedAction, T::bet);
    EXPECT_EQ(semi.recommendedAmount, 50);
    EXPECT_EQ(semi.headline, "Flush Draw: SEMI-BLUFF");
    EXPECT_EQ(
        semi.explanation,
        "Only ~45% equity right now, but 9 outs mean betting can win the pot immediately or make the best "
        "hand later.");

    const StrategyAdvice gutshot = postflop(flop("Ah Kd", "Qc Jd 2s"), 0.3);
    EXPECT_EQ(gutshot.headline, "Gutshot Draw: CHECK");  // 4 outs are no big draw

    // On the river there is nothing to come: a missed draw checks, and is named as the high card it is.
    TableState river = flop("9h 8h", "7h 6c 2h Kd 3s");
    river.street = Street::river;
    EXPECT_EQ(postflop(river, 0.2).headline, "High Card (9): CHECK");
}

TEST(StrategyAdvisorTests, FacingABet) {
    // Facing 50 into a pot of 100: the price is a third.
    const TableState t = flop("Ah Qd", "As 7c 2d", 50);
    const StrategyAdvice call = postflop(t, 0.5);
    EXPECT_EQ(call.recommendedAction, T::call);
    EXPECT_EQ(call.recommendedAmount, std::nullopt);
    EXPECT_DOUBLE_EQ(*call.requiredEquity, 1.0 / 3.0);
    EXPECT_EQ(call.headline, "Top Pair (A): CALL");
    EXPECT_EQ(call.explanation, "~50% equity beats the 33% the pot odds require, so calling shows a profit.");

    // max(0.6, 0.533) = 0.6 is reached: raise to 50 + 0.45 x 150 = 117.5, to the nearest 5.
    const StrategyAdvice raise = postflop(t, 0.6);
    EXPECT_EQ(raise.recommendedAction, T::raise);
    EXPECT_EQ(raise.recommendedAmount, 120);
    EXPECT_EQ(raise.headline, "Top Pair (A): RAISE for value");
    EXPECT_EQ(
        raise.explanation,
        "~60% equity clears the 33% the pot odds demand with room to spare, so raise to charge worse hands "
        "and draws.");
    // Without a legal raise (the call takes the whole stack) the same equity calls.
    EXPECT_EQ(postflop(flop("Ah Qd", "As 7c 2d", 50, 50), 0.6).recommendedAction, T::call);

    const StrategyAdvice fold = postflop(t, 0.2);
    EXPECT_EQ(fold.recommendedAction, T::fold);
    EXPECT_EQ(fold.headline, "Top Pair (A): FOLD");
    EXPECT_EQ(fold.explanation,
              "~20% equity is below the 33% the pot odds require, so calling loses money over time.");
}

TEST(StrategyAdvisorTests, BigDrawCallsASmallBet) {
    const StrategyAdvice draw = postflop(flop("9h 8h", "7h 6c 2h", 50), 0.30);
    EXPECT_EQ(draw.recommendedAction, T::call);
    EXPECT_EQ(draw.headline, "Flush Draw: CALL");
    EXPECT_EQ(
        draw.explanation,
        "~30% equity is just short of the 33% required, but 9 outs and a small bet make the money you win on "
        "later streets worth the call.");
    // Too far short: 0.25 + 0.08 < 0.333.
    EXPECT_EQ(postflop(flop("9h 8h", "7h 6c 2h", 50), 0.25).recommendedAction, T::fold);
    // A bet bigger than half the pot is no small bet.
    EXPECT_EQ(postflop(flop("9h 8h", "7h 6c 2h", 60), 0.30).recommendedAction, T::fold);
    TableState river = flop("9h 8h", "7h 6c 2h Kd 3s", 50);
    river.street = Street::river;
    EXPECT_EQ(postflop(river, 0.30).recommendedAction, T::fold);
}

// Eight outs are a big draw on both paths; the gutshot's four are not.
TEST(StrategyAdvisorTests, AnOpenEndedDrawOfEightOutsIsABigDraw) {
    const StrategyAdvice semi = postflop(flop("9h 8d", "7c 6s 2h"), 0.3);
    EXPECT_EQ(semi.headline, "OESD Straight Draw: SEMI-BLUFF");
    EXPECT_EQ(semi.recommendedAction, T::bet);
    EXPECT_EQ(semi.recommendedAmount, 50);

    const StrategyAdvice call = postflop(flop("9h 8d", "7c 6s 2h", 50), 0.3);
    EXPECT_EQ(call.headline, "OESD Straight Draw: CALL");
    EXPECT_EQ(
        call.explanation,
        "~30% equity is just short of the 33% required, but 8 outs and a small bet make the money you win on "
        "later streets worth the call.");
    EXPECT_EQ(postflop(flop("Ah Kd", "Qc Jd 2s", 50), 0.3).recommendedAction, T::fold);
}

// Against three opponents the value threshold is 40%, below a price of a third plus the 20-point cushion
// a raise needs: between the two the guide calls.
TEST(StrategyAdvisorTests, TheRaiseCushionDecidesMultiwayWhenItIsAboveTheThreshold) {
    TableState t = flop("Ah Qd", "As 7c 2d", 50);
    t.players.push_back(seat("bot-2", 2, Position::sb, "3c 3d"));
    t.players.push_back(seat("bot-3", 3, Position::utg, "4c 4d"));
    ASSERT_EQ(t.potTotal("human"), 100);
    ASSERT_DOUBLE_EQ(StrategyAdvisor::valueThreshold(3), 0.4);
    EXPECT_EQ(postflop(t, 0.45).recommendedAction, T::call);
    EXPECT_EQ(postflop(t, 0.52).recommendedAction, T::call);
    const StrategyAdvice raise = postflop(t, 0.54);
    EXPECT_EQ(raise.recommendedAction, T::raise);
    EXPECT_EQ(raise.headline, "Top Pair (A): RAISE for value");
}

TEST(StrategyAdvisorTests, PostflopWithoutLabelOrPlayer) {
    TableState t = flop("Ah Qd", "As 7c 2d");
    t.players[0].holeCards.clear();
    EXPECT_EQ(postflop(t, 0.5).headline, "Your hand: CHECK");
    EXPECT_FALSE(StrategyAdvisor::postflopAdvice("nobody", t, {}, 0.5));
}

// Preflop: small blind 5, big blind 10, the hero in the given seat.
TableState preflop(Position position, std::string_view hole, std::int64_t raises = 0) {
    TableState t;
    t.street = Street::preflop;
    t.bigBlind = 10;
    t.smallBlind = 5;
    t.minRaise = 10;
    t.currentBet = 10;
    t.raisesThisStreet = raises;
    t.players = {seat("human", 0, position, hole), seat("bot-1", 1, Position::sb, "Qc Jc"),
                 seat("bot-2", 2, position == Position::bb ? Position::btn : Position::bb, "2c 2d")};
    t.players[1].streetContribution = t.players[1].totalContribution = 5;
    t.players[2].streetContribution = t.players[2].totalContribution = 10;
    if (position == Position::bb) {
        t.players[0].streetContribution = t.players[0].totalContribution = 10;
        t.players[2].streetContribution = t.players[2].totalContribution = 0;
    }
    return t;
}

StrategyAdvice pre(const TableState& t) {
    auto advice = StrategyAdvisor::preflopAdvice("human", t);
    EXPECT_TRUE(advice.has_value());
    return advice.value_or(StrategyAdvice{});
}

TEST(StrategyAdvisorTests, PreflopFromTheCharts) {
    const StrategyAdvice open = pre(preflop(Position::btn, "Ah Kd"));
    EXPECT_EQ(open.recommendedAction, T::raise);
    EXPECT_EQ(open.recommendedAmount, 20);  // the legal minimum
    EXPECT_EQ(open.headline, "AKo: RAISE");
    EXPECT_EQ(open.explanation, "AKo is in the opening range for Dealer. Chen Formula strength: Strong.");
    EXPECT_EQ(open.chartReason, "AKo is in the opening range for Dealer.");
    EXPECT_EQ(open.preflopStrengthTier, PreflopTier::strong);
    EXPECT_EQ(open.equity, std::nullopt);
    EXPECT_EQ(open.requiredEquity, std::nullopt);
    EXPECT_TRUE(open.opponentReads.empty());

    const StrategyAdvice fold = pre(preflop(Position::btn, "7h 2d"));
    EXPECT_EQ(fold.recommendedAction, T::fold);
    EXPECT_EQ(fold.recommendedAmount, std::nullopt);
    EXPECT_EQ(fold.headline, "72o: FOLD");
    EXPECT_EQ(fold.explanation, "72o is below the opening range for Dealer. Chen Formula strength: Weak.");

    TableState facing = preflop(Position::bb, "Jh Th", 1);
    facing.currentBet = 30;
    facing.players[1].streetContribution = facing.players[1].totalContribution = 30;
    const StrategyAdvice call = pre(facing);
    EXPECT_EQ(call.headline, "JTs: CALL");
    EXPECT_EQ(call.explanation,
              "JTs can profitably call a single raise from Big Blind. Chen Formula strength: Strong.");

    // Opening with nothing to call is a bet.
    TableState unopened = preflop(Position::btn, "Ah Kd");
    unopened.currentBet = 0;
    EXPECT_EQ(pre(unopened).headline, "AKo: BET");
    EXPECT_EQ(pre(unopened).recommendedAmount, 10);
}

TEST(StrategyAdvisorTests, PreflopRaiseAmountOnTheChipStep) {
    // Blinds of 6 and 12: the legal minimum of 24 is advised as 25, the nearest multiple of 5.
    TableState odd = preflop(Position::btn, "Ah Kd");
    odd.smallBlind = 6;
    odd.bigBlind = 12;
    odd.minRaise = 12;
    odd.currentBet = 12;
    odd.players[1].streetContribution = odd.players[1].totalContribution = 6;
    odd.players[2].streetContribution = odd.players[2].totalContribution = 12;
    EXPECT_EQ(pre(odd).recommendedAmount, 25);
    // A minimum that would round down stays the minimum: 34 + 12 = 46.
    odd.currentBet = 34;
    odd.raisesThisStreet = 1;
    odd.players[1].streetContribution = odd.players[1].totalContribution = 34;
    EXPECT_EQ(pre(odd).recommendedAmount, 46);
}

TEST(StrategyAdvisorTests, BigBlindChecksAChartFold) {
    const StrategyAdvice a = pre(preflop(Position::bb, "Kh Qd"));
    EXPECT_EQ(a.recommendedAction, T::check);
    EXPECT_EQ(a.headline, "KQo: CHECK");
    EXPECT_EQ(a.chartReason, "Nothing to call, so see the flop for free with KQo.");
    EXPECT_EQ(a.explanation,
              "Nothing to call, so see the flop for free with KQo. Chen Formula strength: Playable.");
}

TEST(StrategyAdvisorTests, ChartRaiseThatTheTableDoesNotAllow) {
    // An all-in of 500 covers the hero's 100: no raise is possible, so the chart's raise becomes a call.
    TableState covered = preflop(Position::bb, "Ah Ad", 1);
    covered.players[0].stack = 100;
    covered.currentBet = 500;
    covered.players[1].streetContribution = covered.players[1].totalContribution = 500;
    const StrategyAdvice call = pre(covered);
    EXPECT_EQ(call.recommendedAction, T::call);
    EXPECT_EQ(call.recommendedAmount, std::nullopt);
    EXPECT_EQ(call.headline, "AA: CALL");
    EXPECT_EQ(call.chartReason, "AA is strong enough to re-raise (3-bet) against an open.");

    // Barred from re-raising after a short all-in.
    TableState barred = preflop(Position::btn, "Ah Ad", 2);
    barred.noRaiseActorIds = {"human"};
    barred.currentBet = 45;
    EXPECT_EQ(pre(barred).headline, "AA: CALL");
    EXPECT_EQ(pre(barred).chartReason, "AA is strong enough to 4-bet against a 3-bet.");

    // Nothing can be put in: fold, with the chart's reason.
    TableState broke = covered;
    broke.players[0].stack = 0;
    EXPECT_EQ(pre(broke).headline, "AA: FOLD");
    EXPECT_EQ(pre(broke).chartReason, "AA is strong enough to re-raise (3-bet) against an open.");
}

TEST(StrategyAdvisorTests, PreflopNeedsThePlayerWithTwoCards) {
    TableState t = preflop(Position::btn, "Ah Kd");
    EXPECT_FALSE(StrategyAdvisor::preflopAdvice("nobody", t));
    t.players[0].holeCards.pop_back();
    EXPECT_FALSE(StrategyAdvisor::preflopAdvice("human", t));
}

TEST(StrategyAdvisorTests, RangesInSeatOrder) {
    TableState t = flop("Ah Qd", "As 7c 2d");
    t.players.push_back(seat("bot-2", 2, Position::sb, "3c 3d"));
    // Listed out of seat order on purpose.
    std::swap(t.players[1], t.players[2]);
    EXPECT_TRUE(StrategyAdvisor::opponentRanges("human", t, {}).empty());
    const auto ranges = StrategyAdvisor::opponentRanges("human", t, {acted("bot-1", T::raise)});
    ASSERT_EQ(ranges.size(), 2u);
    EXPECT_EQ(ranges[0].descriptor, "Player bot-1 opened from Big Blind");
    EXPECT_EQ(ranges[1].descriptor, "Player bot-2 checked their option, so any two cards");
}

}  // namespace
}  // namespace pellox
