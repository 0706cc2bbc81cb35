#include <gtest/gtest.h>

#include "rules/SeededRNG.hpp"
#include "strategy/AdviceComputation.hpp"
#include "strategy/AdvisorTestSupport.hpp"
#include "strategy/EquitySampler.hpp"
#include "strategy/RangeEquitySampler.hpp"
#include "strategy/StrategyAdvisor.hpp"

namespace pellox {
namespace {

using namespace advisortest;
using T = PlayerActionType;

// Three-handed on the flop; the hero owes 20 into a pot of 60.
TableState flopTable() {
    TableState t;
    t.street = Street::flop;
    t.board = cards("Kh Td 4s");
    t.bigBlind = 10;
    t.minRaise = 20;
    t.currentBet = 20;
    t.players = {seat("human", 0, Position::btn, "Kc Qd"), seat("bot-1", 1, Position::sb, "Ac Ad"),
                 seat("bot-2", 2, Position::bb, "9c 9d")};
    t.players[0].totalContribution = 20;
    t.players[1].totalContribution = 20;
    t.players[2].totalContribution = 40;
    t.players[2].streetContribution = 20;
    return t;
}

const std::vector<EngineEvent> handEvents{blind("bot-1", 5),        blind("bot-2", 10),
                                          acted("human", T::raise), acted("bot-1", T::call),
                                          acted("bot-2", T::call),  dealt(Street::flop, "Kh Td 4s"),
                                          acted("bot-1", T::check), acted("bot-2", T::bet)};

std::optional<StrategyAdvice> stepped(const TableState& t, const std::vector<EngineEvent>& events,
                                      std::uint32_t state, std::int64_t samples, int* steps = nullptr) {
    AdviceComputation computation("human", t, StrategyToggles::allOn, events,
                                  std::make_unique<SeededRNG>(state), samples);
    int count = 0;
    EXPECT_FALSE(computation.isFinished());
    while (true) {
        ++count;
        if (!computation.step()) break;
    }
    EXPECT_TRUE(computation.isFinished());
    if (steps) *steps = count;
    return computation.finish();
}

TEST(AdviceComputationTests, SteppedEqualsOneShotWithRanges) {
    const TableState t = flopTable();
    SeededRNG rng(77);
    const auto once = StrategyAdvisor::advice("human", t, StrategyToggles::allOn, handEvents, rng, 2000);
    int steps = 0;
    const auto inSteps = stepped(t, handEvents, 77, 2000, &steps);
    ASSERT_TRUE(once);
    EXPECT_EQ(once, inSteps);
    EXPECT_EQ(steps, 10);  // 200 samples a step
    EXPECT_EQ(
        once->opponentReads,
        (std::vector<std::string>{"Player bot-1 called a raise from Small Blind",
                                  "Player bot-2 called a raise from Big Blind, and has been betting since"}));

    // The same as sampling the read ranges by hand.
    SeededRNG again(77);
    const auto ranges = StrategyAdvisor::opponentRanges("human", t, handEvents);
    const double equity =
        RangeEquitySampler::estimate(t.players[0].holeCards, t.board, ranges, again, 2000).equity;
    EXPECT_EQ(once->equity, equity);
    EXPECT_EQ(once, StrategyAdvisor::postflopAdvice("human", t, once->opponentReads, equity));
}

TEST(AdviceComputationTests, SteppedEqualsOneShotAgainstRandomHands) {
    const TableState t = flopTable();
    SeededRNG rng(5);
    const auto once = StrategyAdvisor::advice("human", t, StrategyToggles::allOn, {}, rng, 450);
    int steps = 0;
    EXPECT_EQ(once, stepped(t, {}, 5, 450, &steps));
    EXPECT_EQ(steps, 3);  // 200, 200, 50
    ASSERT_TRUE(once);
    EXPECT_TRUE(once->opponentReads.empty());
    // Without events nobody is read: two random opponents.
    SeededRNG again(5);
    EXPECT_EQ(once->equity, EquitySampler::estimate(t.players[0].holeCards, t.board, 2, again, 450).equity);
}

TEST(AdviceComputationTests, SameForkSameAdvice) {
    const TableState t = flopTable();
    SeededRNG a(123), b(123), c(124);
    const auto first = StrategyAdvisor::advice("human", t, StrategyToggles::allOn, handEvents, a, 400);
    EXPECT_EQ(first, StrategyAdvisor::advice("human", t, StrategyToggles::allOn, handEvents, b, 400));
    EXPECT_NE(first->equity,
              StrategyAdvisor::advice("human", t, StrategyToggles::allOn, handEvents, c, 400)->equity);
}

TEST(AdviceComputationTests, PreflopNeedsOneStepAndNoDraws) {
    TableState t = flopTable();
    t.street = Street::preflop;
    t.board.clear();
    int draws = 0;
    auto counted = [&] {
        ++draws;
        return 0.5;
    };
    const auto once = StrategyAdvisor::advice("human", t, StrategyToggles::allOn, handEvents, counted, 2000);
    EXPECT_EQ(draws, 0);
    EXPECT_EQ(once, StrategyAdvisor::preflopAdvice("human", t));
    int steps = 0;
    EXPECT_EQ(once, stepped(t, handEvents, 1, 2000, &steps));
    EXPECT_EQ(steps, 1);
}

TEST(AdviceComputationTests, NoAdviceWhereTheGuideIsSilent) {
    TableState t = flopTable();
    SeededRNG rng(1);
    StrategyToggles noFlop = StrategyToggles::allOn;
    noFlop.flop = false;
    EXPECT_FALSE(StrategyAdvisor::advice("human", t, noFlop, handEvents, rng, 200));
    EXPECT_FALSE(StrategyAdvisor::advice("nobody", t, StrategyToggles::allOn, handEvents, rng, 200));
    t.street = Street::showdown;
    EXPECT_FALSE(StrategyAdvisor::advice("human", t, StrategyToggles::allOn, handEvents, rng, 200));
    t.street = Street::turn;
    t.players[0].holeCards.pop_back();
    EXPECT_FALSE(StrategyAdvisor::advice("human", t, StrategyToggles::allOn, handEvents, rng, 200));
    EXPECT_EQ(stepped(t, handEvents, 1, 200), std::nullopt);
}

TEST(AdviceComputationTests, FinishDrawsWhatTheStepsLeft) {
    const TableState t = flopTable();
    AdviceComputation computation("human", t, StrategyToggles::allOn, handEvents,
                                  std::make_unique<SeededRNG>(9), 1000);
    EXPECT_TRUE(computation.step());
    EXPECT_TRUE(computation.step());
    SeededRNG rng(9);
    EXPECT_EQ(computation.finish(),
              StrategyAdvisor::advice("human", t, StrategyToggles::allOn, handEvents, rng, 1000));
    EXPECT_THROW(AdviceComputation("human", t, StrategyToggles::allOn, handEvents, nullptr, 10),
                 std::invalid_argument);
}

}  // namespace
}  // namespace pellox
