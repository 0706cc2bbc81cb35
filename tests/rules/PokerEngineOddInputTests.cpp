// Tables no game builds (a restored document someone edited, settings outside their range): the engine
// must stay defined and never create chips.
#include <gtest/gtest.h>

#include <limits>

#include "rules/PokerEngine.hpp"
#include "rules/PokerEngineTestSupport.hpp"

namespace pellox {
namespace {

using namespace pellox::testing;
using E = EngineEvent;
using A = PlayerActionType;
using Ids = std::vector<std::string>;

constexpr auto lowest = std::numeric_limits<std::int64_t>::min();
constexpr auto highest = std::numeric_limits<std::int64_t>::max();

TEST(PokerEngineOddInput, PlayersOffTheSeatOrderAreNotDealtIn) {
    for (const std::int64_t seat : {std::int64_t{7}, std::int64_t{-1}, std::int64_t{1}}) {
        TableState table = makeTable({100, 100, 100});
        table.players[2].seatIndex = seat;  // out of range, or the seat of p1
        const auto r = startUnshuffled(table);
        const TableState& s = r.state;
        EXPECT_TRUE(s.players[2].holeCards.empty()) << seat;
        EXPECT_TRUE(s.players[2].hasFolded) << seat;
        EXPECT_EQ(s.opponentCount("p0"), 1) << seat;
        EXPECT_EQ(eventsOf<E::HoleCardsDealt>(r.events), (std::vector<E::HoleCardsDealt>{{"p1"}, {"p0"}}));
        // Heads-up between the two seated players: the dealer's fold ends the hand.
        const auto folded = act(s, "p0", A::fold);
        EXPECT_EQ(folded.state.winners, (std::vector<Winner>{{"p1", 15, "Opponents folded"}})) << seat;
    }
}

TEST(PokerEngineOddInput, ExtremeSeatNumbersAreOrderedWithoutOverflow) {
    const auto players = makeTable({100, 100, 100}).players;
    // The lowest seat number is 1 modulo 3, so seat 2 follows it.
    EXPECT_EQ(PokerEngine::orderBySeat({"p0", "p1", "p2"}, players, lowest), (Ids{"p2", "p0", "p1"}));

    auto far = players;
    far[0].seatIndex = highest;
    far[2].seatIndex = lowest;
    EXPECT_EQ(PokerEngine::orderBySeat({"p0", "p1", "p2"}, far, 1).size(), 3u);

    // A raise by a player on an extreme seat queues the others without overflow.
    TableState t = startUnshuffled(makeTable({100, 100, 100})).state;
    ASSERT_EQ(toAct(t), "p0");
    t.players[0].seatIndex = highest;
    t.currentToActSeatIndex = highest;
    t.players[1].seatIndex = lowest;
    EXPECT_EQ(act(t, "p0", A::raise, 30).state.actionQueue, (Ids{"p1", "p2"}));
}

TEST(PokerEngineOddInput, CountersAtTheirLimitStayThere) {
    TableState table = makeTable({100, 100, 100});
    table.handNumber = highest;
    TableState t = startUnshuffled(table).state;
    EXPECT_EQ(t.handNumber, highest);
    t.raisesThisStreet = highest;
    EXPECT_EQ(act(t, toAct(t), A::raise).state.raisesThisStreet, highest);
}

TEST(PokerEngineOddInput, ABetNeverTakesChipsBack) {
    // A small blind above the big blind: the smallest bet lies below what the small blind has put in.
    const TableState s = act(startUnshuffled(makeTable({100, 100, 100}, 50, 10)).state, "p0", A::call).state;
    ASSERT_EQ(toAct(s), "p1");
    ASSERT_EQ(s.players[1].streetContribution, 50);
    const auto bet = act(s, "p1", A::bet);
    EXPECT_EQ(bet.state.players[1].stack, 50);
    EXPECT_EQ(bet.state.players[1].streetContribution, 50);
    EXPECT_EQ(eventsOf<E::ActionTaken>(bet.events).front().amountPutIn, 0);

    // Negative blinds post nothing, and betting cannot pay a player out of the pot.
    const TableState negative = startUnshuffled(makeTable({100, 100, 100}, -5, -10)).state;
    const auto opened = act(negative, toAct(negative), A::bet);
    for (const Player& p : opened.state.players)
        EXPECT_LE(p.stack, 100) << p.id;
}

TEST(PokerEngineOddInput, ACallNeverPutsInANegativeAmount) {
    TableState t = startUnshuffled(makeTable({100, 100, 100})).state;
    t.players[0].stack = -20;
    EXPECT_EQ(PokerEngine::legalActions("p0", t).callAmount, 0);
    const auto r = act(t, "p0", A::call);
    EXPECT_EQ(r.state.players[0].stack, -20);
    EXPECT_EQ(r.state.players[0].totalContribution, 0);
}

// Stacks and blinds at the largest amount, as an absurd stored configuration would give: the sums of the
// legal actions and of the payout saturate rather than overflow.
TEST(PokerEngineOddInput, AmountsAtTheLimitSaturate) {
    TableState t = startUnshuffled(makeTable({highest, highest, highest}, highest, highest)).state;
    const LegalActions legal = PokerEngine::legalActions(toAct(t), t);
    EXPECT_EQ(legal.minRaiseTo, highest);
    EXPECT_EQ(legal.allInAmount, highest);
    for (int i = 0; i < 20 && t.isHandInProgress && t.currentToActSeatIndex; ++i)
        t = act(t, toAct(t), A::allIn).state;
    EXPECT_FALSE(t.isHandInProgress);
    ASSERT_TRUE(t.winners && !t.winners->empty());
    for (const Player& p : t.players)
        EXPECT_GE(p.stack, 0) << p.id;
}

}  // namespace
}  // namespace pellox
