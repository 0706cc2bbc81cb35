#include <gtest/gtest.h>

#include "rules/EngineError.hpp"
#include "rules/PokerEngine.hpp"
#include "rules/PokerEngineTestSupport.hpp"

namespace pellox {
namespace {

using namespace pellox::testing;
using E = EngineEvent;
using A = PlayerActionType;
using Ids = std::vector<std::string>;

// Expects the engine to refuse the action with the given case and message, leaving the table alone.
void expectRefused(const TableState& table, std::string_view id, A type, std::optional<std::int64_t> amount,
                   EngineError::Case errorCase, const std::string& message) {
    try {
        act(table, id, type, amount);
        FAIL() << "accepted " << rawValue(type) << " by " << id;
    } catch (const EngineError& e) {
        EXPECT_EQ(e.errorCase(), errorCase);
        EXPECT_EQ(std::string(e.what()), message);
    }
}

// ---------------------------------------------------------------- turn order and refusals

TEST(PokerEngineApplyAction, NoSeatToActIsNothingToDo) {
    const TableState fresh = makeTable({100, 100});
    const auto r = act(fresh, "p0", A::fold);
    EXPECT_TRUE(r.events.empty());
    EXPECT_TRUE(sameTable(r.state, fresh));
}

TEST(PokerEngineApplyAction, OutOfTurnOrUnknownPlayersAreRefused) {
    const TableState s = startUnshuffled(makeTable({100, 100, 100})).state;
    ASSERT_EQ(toAct(s), "p0");
    expectRefused(s, "p1", A::call, {}, EngineError::Case::notPlayersTurn, "It is not p1's turn to act");
    expectRefused(s, "ghost", A::fold, {}, EngineError::Case::notPlayersTurn,
                  "It is not ghost's turn to act");
}

TEST(PokerEngineApplyAction, CheckingABetIsIllegalButABetFacingABetCountsAsARaise) {
    const TableState s = startUnshuffled(makeTable({1000, 1000, 1000})).state;
    expectRefused(s, "p0", A::check, {}, EngineError::Case::illegalAction, "check is not legal here");

    const auto r = act(s, "p0", A::bet, 30);
    EXPECT_EQ(eventsOf<E::ActionTaken>(r.events).front(),
              (E::ActionTaken{"p0", PlayerAction{A::bet, 30}, A::bet, 30}));
    EXPECT_EQ(r.state.currentBet, 30);
    EXPECT_EQ(r.state.raisesThisStreet, 1);
    EXPECT_EQ(r.state.minRaise, 20);
    EXPECT_EQ(r.state.players[0].lastAction, (LastAction{LastActionType::bet, 30}));
    EXPECT_EQ(r.state.actionQueue, (Ids{"p1", "p2"}));
}

// ---------------------------------------------------------------- amounts

TEST(PokerEngineApplyAction, RaiseAmountsAreClampedToTheLegalRange) {
    const TableState s = startUnshuffled(makeTable({1000, 1000, 1000})).state;

    const auto byDefault = act(s, "p0", A::raise);
    EXPECT_EQ(byDefault.state.players[0].streetContribution, 20);
    EXPECT_EQ(byDefault.state.players[0].lastAction, (LastAction{LastActionType::raise, std::nullopt}));

    const auto tooSmall = act(s, "p0", A::raise, 12);
    EXPECT_EQ(tooSmall.state.players[0].streetContribution, 20);
    EXPECT_EQ(tooSmall.state.players[0].lastAction, (LastAction{LastActionType::raise, 12}));

    const auto tooBig = act(s, "p0", A::raise, 5000);
    const Player& p0 = tooBig.state.players[0];
    EXPECT_EQ(p0.streetContribution, 1000);
    EXPECT_EQ(p0.stack, 0);
    EXPECT_TRUE(p0.isAllIn);
    EXPECT_EQ(eventsOf<E::ActionTaken>(tooBig.events).front().amountPutIn, 1000);
    EXPECT_EQ(tooBig.state.actionQueue, (Ids{"p1", "p2"}));
}

TEST(PokerEngineApplyAction, AllInShortOfTheCallIsACallThatLeavesTheBookkeepingAlone) {
    const TableState s = startUnshuffled(makeTable({6, 1000, 1000})).state;
    const auto r = act(s, "p0", A::allIn);
    EXPECT_EQ(eventsOf<E::ActionTaken>(r.events).front(),
              (E::ActionTaken{"p0", PlayerAction{A::allIn, std::nullopt}, A::call, 6}));
    EXPECT_EQ(r.state.currentBet, 10);
    EXPECT_EQ(r.state.minRaise, 10);
    EXPECT_EQ(r.state.raisesThisStreet, 0);
    EXPECT_EQ(r.state.actionQueue, (Ids{"p1", "p2"}));

    const auto flop = act(act(r.state, "p1", A::call).state, "p2", A::check);
    EXPECT_EQ(flop.state.street, Street::flop);
    EXPECT_EQ(flop.state.actionQueue, (Ids{"p1", "p2"}));
}

// All in for exactly what is owed puts no chip above the bet: a call wherever the action is read.
TEST(PokerEngineApplyAction, AllInForExactlyTheCallIsACall) {
    const TableState s = startUnshuffled(makeTable({10, 1000, 1000})).state;
    const auto r = act(s, "p0", A::allIn);
    EXPECT_EQ(eventsOf<E::ActionTaken>(r.events).front(),
              (E::ActionTaken{"p0", PlayerAction{A::allIn, std::nullopt}, A::call, 10}));
    EXPECT_EQ(r.state.players[0].lastAction, (LastAction{LastActionType::call, std::nullopt}));
    EXPECT_TRUE(r.state.players[0].isAllIn);
    EXPECT_EQ(r.state.currentBet, 10);
    EXPECT_EQ(r.state.raisesThisStreet, 0);
    EXPECT_EQ(r.state.lastFullBetTo, 10);
    EXPECT_EQ(r.state.actionQueue, (Ids{"p1", "p2"}));

    // One chip more is a raise.
    const auto above = act(startUnshuffled(makeTable({11, 1000, 1000})).state, "p0", A::allIn);
    EXPECT_EQ(eventsOf<E::ActionTaken>(above.events).front().resolvedType, A::raise);
    EXPECT_EQ(above.state.players[0].lastAction, (LastAction{LastActionType::raise, std::nullopt}));
    EXPECT_EQ(above.state.raisesThisStreet, 1);
}

// ---------------------------------------------------------------- rounds and streets

TEST(PokerEngineApplyAction, TheBigBlindHasTheOptionAndHisCheckDealsTheFlop) {
    const TableState s = startUnshuffled(makeTable({1000, 1000, 1000})).state;
    const TableState limped = act(act(s, "p0", A::call).state, "p1", A::call).state;
    ASSERT_EQ(toAct(limped), "p2");
    const auto legal = PokerEngine::legalActions("p2", limped);
    EXPECT_TRUE(legal.canCheck);
    EXPECT_TRUE(legal.canBet);
    EXPECT_EQ(legal.callAmount, 0);

    const auto flop = act(limped, "p2", A::check);
    const auto dealt = eventsOf<E::StreetDealt>(flop.events);
    ASSERT_EQ(dealt.size(), 1u);
    EXPECT_EQ(dealt[0].street, Street::flop);
    EXPECT_EQ(dealt[0].cards, cards("8c 9c Tc"));
    EXPECT_EQ(flop.state.board, dealt[0].cards);
    EXPECT_EQ(flop.state.actionQueue, (Ids{"p1", "p2", "p0"}));
    EXPECT_EQ(flop.state.currentBet, 0);
    EXPECT_EQ(flop.state.lastFullBetTo, 0);
    for (const Player& p : flop.state.players) {
        EXPECT_EQ(p.streetContribution, 0);
        EXPECT_EQ(p.totalContribution, 10);
        EXPECT_FALSE(p.lastAction.has_value());
    }

    // Turn and river are one card each.
    TableState t = flop.state;
    for (const Street next : {Street::turn, Street::river}) {
        for (const char* id : {"p1", "p2", "p0"}) {
            auto r = act(t, id, A::check);
            if (std::string(id) == "p0") {
                ASSERT_EQ(eventsOf<E::StreetDealt>(r.events).size(), 1u);
                EXPECT_EQ(eventsOf<E::StreetDealt>(r.events)[0].street, next);
                EXPECT_EQ(eventsOf<E::StreetDealt>(r.events)[0].cards.size(), 1u);
            }
            t = r.state;
        }
    }
    EXPECT_EQ(t.board.size(), 5u);
}

TEST(PokerEngineApplyAction, FoldingToOnePlayerEndsTheHandWithoutDealing) {
    const TableState s = startUnshuffled(makeTable({1000, 1000})).state;
    const auto r = act(s, "p0", A::fold);
    EXPECT_FALSE(r.state.isHandInProgress);
    EXPECT_TRUE(r.state.board.empty());
    EXPECT_EQ(r.state.street, Street::preflop);
    EXPECT_EQ(r.state.currentToActSeatIndex, std::nullopt);
    EXPECT_TRUE(r.state.actionQueue.empty());
    EXPECT_EQ(r.events.back(), E(E::PotAwarded{"p1", 15, 0}));
    EXPECT_EQ(r.state.winners, (std::vector<Winner>{{"p1", 15, "Opponents folded"}}));
    EXPECT_EQ(r.state.players[1].stack, 1005);
    EXPECT_EQ(r.state.players[0].stack, 995);

    // Once over, further actions do nothing.
    EXPECT_TRUE(act(r.state, "p1", A::check).events.empty());
}

TEST(PokerEngineApplyAction, FoldingToAnAllInPlayerAlsoEndsTheHandAtOnce) {
    const TableState s = startUnshuffled(makeTable({100, 1000, 1000})).state;
    const auto r = act(act(act(s, "p0", A::allIn).state, "p1", A::fold).state, "p2", A::fold);
    EXPECT_FALSE(r.state.isHandInProgress);
    EXPECT_TRUE(r.state.board.empty());
    EXPECT_TRUE(eventsOf<E::ShowdownRevealed>(r.events).empty());
    EXPECT_EQ(eventsOf<E::PotAwarded>(r.events), (std::vector<E::PotAwarded>{{"p0", 115, 0}}));
    EXPECT_EQ(r.state.players[0].stack, 115);
}

TEST(PokerEngineApplyAction, WhenOnlyOnePlayerCanStillBetTheBoardRunsOutInTheSameStep) {
    const TableState s = startUnshuffled(makeTable({100, 1000, 1000})).state;
    const TableState called = act(act(s, "p0", A::allIn).state, "p1", A::call).state;
    const auto r = act(called, "p2", A::fold);
    std::vector<std::size_t> kinds;
    for (const auto& e : r.events)
        kinds.push_back(e.caseNumber());
    // fold, flop, turn, river, two reveals, then the pots.
    EXPECT_EQ(std::vector<std::size_t>(kinds.begin(), kinds.begin() + 6),
              (std::vector<std::size_t>{3, 4, 4, 4, 5, 5}));
    const auto dealt = eventsOf<E::StreetDealt>(r.events);
    EXPECT_EQ(dealt[0].cards.size(), 3u);
    EXPECT_EQ(dealt[1].street, Street::turn);
    EXPECT_EQ(dealt[2].street, Street::river);
    EXPECT_EQ(r.state.street, Street::showdown);
    EXPECT_FALSE(r.state.isHandInProgress);
    EXPECT_EQ(stacks(r.state), 2100);
}

TEST(PokerEngineApplyAction, AfterARaisedStreetTheNextStreetsMinimumBetIsTheBigBlind) {
    const TableState s = startUnshuffled(makeTable({1000, 1000, 1000})).state;
    const TableState raised = act(s, "p0", A::raise, 40).state;
    ASSERT_EQ(raised.minRaise, 30);
    const TableState flop = act(act(raised, "p1", A::call).state, "p2", A::call).state;
    ASSERT_EQ(flop.street, Street::flop);
    EXPECT_EQ(flop.minRaise, 10);
    ASSERT_EQ(toAct(flop), "p1");
    EXPECT_EQ(PokerEngine::legalActions("p1", flop).minRaiseTo, 10);
    const TableState bet = act(flop, "p1", A::bet).state;
    EXPECT_EQ(bet.currentBet, 10);
    EXPECT_EQ(PokerEngine::legalActions("p2", bet).minRaiseTo, 20);
}

// ---------------------------------------------------------------- raise bookkeeping and reopening

TEST(PokerEngineApplyAction, AShortAllInRaiseDoesNotReopenTheBettingForThoseWhoActed) {
    const TableState s = startUnshuffled(makeTable({1000, 1000, 1000, 1000, 45, 1000})).state;
    ASSERT_EQ(s.actionQueue, (Ids{"p3", "p4", "p5", "p0", "p1", "p2"}));

    const TableState raised = act(s, "p3", A::raise, 30).state;
    EXPECT_EQ(raised.minRaise, 20);
    EXPECT_EQ(raised.lastFullBetTo, 30);
    EXPECT_EQ(raised.currentBet, 30);
    EXPECT_EQ(raised.raisesThisStreet, 1);
    EXPECT_EQ(raised.actionQueue, (Ids{"p4", "p5", "p0", "p1", "p2"}));

    const auto shove = act(raised, "p4", A::allIn);
    EXPECT_EQ(eventsOf<E::ActionTaken>(shove.events).front().resolvedType, A::raise);
    const TableState& t = shove.state;
    EXPECT_EQ(t.currentBet, 45);
    EXPECT_EQ(t.raisesThisStreet, 2);
    EXPECT_EQ(t.minRaise, 20);
    EXPECT_EQ(t.lastFullBetTo, 30);
    EXPECT_EQ(t.noRaiseActorIds, (Ids{"p3"}));
    EXPECT_EQ(t.actionQueue, (Ids{"p5", "p0", "p1", "p2", "p3"}));
    EXPECT_EQ(PokerEngine::legalActions("p5", t).minRaiseTo, 65);
    EXPECT_TRUE(PokerEngine::legalActions("p5", t).canRaise);

    TableState back = t;
    for (const auto& [id, type] : std::vector<std::pair<const char*, A>>{
             {"p5", A::call}, {"p0", A::fold}, {"p1", A::fold}, {"p2", A::call}})
        back = act(back, id, type).state;
    ASSERT_EQ(toAct(back), "p3");
    const auto legal = PokerEngine::legalActions("p3", back);
    EXPECT_FALSE(legal.canRaise);
    EXPECT_FALSE(legal.canAllIn);
    EXPECT_EQ(legal.callAmount, 15);
    expectRefused(back, "p3", A::raise, 100, EngineError::Case::illegalAction, "raise is not legal here");
    expectRefused(back, "p3", A::allIn, {}, EngineError::Case::illegalAction, "all-in is not legal here");
    expectRefused(back, "p3", A::bet, {}, EngineError::Case::illegalAction, "bet is not legal here");
    EXPECT_EQ(act(back, "p3", A::call).state.street, Street::flop);
}

TEST(PokerEngineApplyAction, AShortAllInOnAnUnbetFlopBlocksTheCheckersUntilAFullRaise) {
    const TableState s = startUnshuffled(makeTable({1000, 1000, 1000, 15})).state;
    TableState t = s;
    for (const auto& [id, type] : std::vector<std::pair<const char*, A>>{
             {"p3", A::call}, {"p0", A::call}, {"p1", A::call}, {"p2", A::check}})
        t = act(t, id, type).state;
    ASSERT_EQ(t.street, Street::flop);
    ASSERT_EQ(t.actionQueue, (Ids{"p1", "p2", "p3", "p0"}));
    t = act(act(t, "p1", A::check).state, "p2", A::check).state;

    const auto shove = act(t, "p3", A::allIn);
    EXPECT_EQ(eventsOf<E::ActionTaken>(shove.events).front().resolvedType, A::raise);
    const TableState& u = shove.state;
    EXPECT_EQ(u.currentBet, 5);
    EXPECT_EQ(u.raisesThisStreet, 1);
    EXPECT_EQ(u.minRaise, 10);
    EXPECT_EQ(u.lastFullBetTo, 0);
    EXPECT_EQ(u.noRaiseActorIds, (Ids{"p1", "p2"}));
    EXPECT_EQ(u.actionQueue, (Ids{"p0", "p1", "p2"}));
    EXPECT_EQ(PokerEngine::legalActions("p0", u).minRaiseTo, 15);
    EXPECT_TRUE(PokerEngine::legalActions("p0", u).canRaise);
    EXPECT_FALSE(PokerEngine::legalActions("p1", u).canRaise);
    EXPECT_EQ(PokerEngine::legalActions("p1", u).callAmount, 5);

    // A blocked player may still go all in when that is no more than a call.
    TableState calledBehind = act(u, "p0", A::call).state;
    ASSERT_EQ(toAct(calledBehind), "p1");
    expectRefused(calledBehind, "p1", A::allIn, {}, EngineError::Case::illegalAction,
                  "all-in is not legal here");
    calledBehind.players[1].stack = 3;
    const auto allInCall = act(calledBehind, "p1", A::allIn);
    EXPECT_EQ(eventsOf<E::ActionTaken>(allInCall.events).front(),
              (E::ActionTaken{"p1", PlayerAction{A::allIn, std::nullopt}, A::call, 3}));

    // A full raise after the short one reopens the betting for everyone.
    const auto reraised = act(u, "p0", A::raise, 15);
    EXPECT_TRUE(reraised.state.noRaiseActorIds.empty());
    EXPECT_EQ(reraised.state.minRaise, 10);
    EXPECT_EQ(reraised.state.lastFullBetTo, 15);
    EXPECT_TRUE(PokerEngine::legalActions("p1", reraised.state).canRaise);
    EXPECT_EQ(reraised.state.actionQueue, (Ids{"p1", "p2"}));
}

// A raise to exactly the minimum is a full raise: whoever already acted may raise again, and the next
// minimum counts from it.
TEST(PokerEngineApplyAction, ARaiseToExactlyTheMinimumReopensTheBetting) {
    const TableState s = startUnshuffled(makeTable({1000, 1000, 1000})).state;
    const TableState limped = act(s, "p0", A::call).state;
    ASSERT_EQ(PokerEngine::legalActions("p1", limped).minRaiseTo, 20);

    const TableState minRaised = act(limped, "p1", A::raise, 20).state;
    EXPECT_EQ(minRaised.currentBet, 20);
    EXPECT_EQ(minRaised.lastFullBetTo, 20);
    EXPECT_EQ(minRaised.minRaise, 10);
    EXPECT_TRUE(minRaised.noRaiseActorIds.empty());
    EXPECT_EQ(minRaised.actionQueue, (Ids{"p2", "p0"}));

    const TableState reraised = act(minRaised, "p2", A::raise, 50).state;
    EXPECT_EQ(reraised.minRaise, 30);
    ASSERT_EQ(toAct(reraised), "p0");
    const auto legal = PokerEngine::legalActions("p0", reraised);
    EXPECT_TRUE(legal.canRaise);
    EXPECT_EQ(legal.minRaiseTo, 80);

    const TableState again = act(reraised, "p0", A::raise, 80).state;
    EXPECT_EQ(again.lastFullBetTo, 80);
    EXPECT_EQ(again.minRaise, 30);
    EXPECT_TRUE(again.noRaiseActorIds.empty());
    ASSERT_EQ(toAct(again), "p1");
    EXPECT_TRUE(PokerEngine::legalActions("p1", again).canRaise);
    EXPECT_EQ(PokerEngine::legalActions("p1", again).minRaiseTo, 110);
}

}  // namespace
}  // namespace pellox
