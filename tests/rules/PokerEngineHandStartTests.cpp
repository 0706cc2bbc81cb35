#include <gtest/gtest.h>

#include "rules/EngineError.hpp"
#include "rules/PokerEngine.hpp"
#include "rules/PokerEngineTestSupport.hpp"

namespace pellox {
namespace {

using namespace pellox::testing;
using E = EngineEvent;
using Kind = EngineEvent::BlindKind;

// ---------------------------------------------------------------- dealing, button and positions

TEST(PokerEngineHandStart, FourPlayersMoveTheButtonPostBlindsAndQueueAfterTheBigBlind) {
    TableState table = makeTable({1000, 1000, 1000, 1000});
    table.handNumber = 5;
    const auto r = startUnshuffled(table);
    const TableState& s = r.state;

    EXPECT_EQ(s.dealerSeatIndex, 1);
    EXPECT_EQ(s.handNumber, 6);
    EXPECT_EQ(s.players[2].position, Position::sb);
    EXPECT_EQ(s.players[3].position, Position::bb);
    EXPECT_EQ(s.players[0].position, Position::utg);
    EXPECT_EQ(s.players[1].position, Position::btn);
    // Consecutive pairs in list order, not one card at a time around the table.
    EXPECT_EQ(s.players[0].holeCards, cards("2c 3c"));
    EXPECT_EQ(s.players[1].holeCards, cards("4c 5c"));
    EXPECT_EQ(s.players[3].holeCards, cards("8c 9c"));
    ASSERT_EQ(s.deck.size(), 44u);
    EXPECT_EQ(s.deck.front(), card("Tc"));

    const std::vector<EngineEvent> expected{E::HandStarted{6, 1},
                                            E::BlindPosted{"p2", Kind::small, 5},
                                            E::BlindPosted{"p3", Kind::big, 10},
                                            E::HoleCardsDealt{"p2"},
                                            E::HoleCardsDealt{"p3"},
                                            E::HoleCardsDealt{"p0"},
                                            E::HoleCardsDealt{"p1"}};
    EXPECT_EQ(r.events, expected);

    EXPECT_EQ(s.actionQueue, (std::vector<std::string>{"p0", "p1", "p2", "p3"}));
    EXPECT_EQ(s.currentToActSeatIndex, 0);
    EXPECT_EQ(s.currentBet, 10);
    EXPECT_EQ(s.minRaise, 10);
    EXPECT_EQ(s.lastFullBetTo, 10);
    EXPECT_TRUE(s.isHandInProgress);
    EXPECT_EQ(s.street, Street::preflop);
    EXPECT_FALSE(s.winners.has_value());
    EXPECT_EQ(s.players[2].stack, 995);
    EXPECT_EQ(s.players[2].streetContribution, 5);
    EXPECT_EQ(s.players[2].totalContribution, 5);
    EXPECT_EQ(s.players[2].lastAction, (LastAction{LastActionType::postBlind, 5}));
    EXPECT_FALSE(s.players[0].lastAction.has_value());

    // The given table is untouched.
    EXPECT_EQ(table.handNumber, 5);
    EXPECT_TRUE(table.players[0].holeCards.empty());
}

TEST(PokerEngineHandStart, TheShuffleIsTheOnlyDrawAndTakesFiftyOneSteps) {
    const TableState table = makeTable({500, 500, 500});
    SeededRNG rng(42);
    SeededRNG reference(42);
    const auto deck = shuffled(Card::standardDeck(), reference);
    const auto r = PokerEngine::startHand(table, rng);
    EXPECT_EQ(rng.s, reference.s);
    EXPECT_EQ(r.state.players[0].holeCards, (std::vector<Card>{deck[0], deck[1]}));
    EXPECT_EQ(r.state.players[2].holeCards, (std::vector<Card>{deck[4], deck[5]}));
    EXPECT_EQ(r.state.deck, (std::vector<Card>(deck.begin() + 6, deck.end())));

    // The same seed deals the same hand.
    SeededRNG again(42);
    EXPECT_EQ(PokerEngine::startHand(table, again).state.players[1].holeCards, r.state.players[1].holeCards);
}

TEST(PokerEngineHandStart, PositionTablesCoverTwoToSixPlayers) {
    for (std::size_t n = 2; n <= 6; ++n) {
        const auto r = startUnshuffled(makeTable(std::vector<std::int64_t>(n, 100)));
        const auto& row = PokerEngine::positionsBySeatCount.at(n);
        const auto order = PokerEngine::seatOrder(r.state.players, r.state.dealerSeatIndex);
        ASSERT_EQ(order.size(), n);
        for (std::size_t i = 0; i < n; ++i)
            EXPECT_EQ(order[i].position, row[i]) << n << " players, seat " << i;
        EXPECT_EQ(order.back().seatIndex, r.state.dealerSeatIndex);
    }
}

TEST(PokerEngineHandStart, ButtonMovesOneEligibleSeatSkippingThoseWhoCannotBeDealtIn) {
    TableState table = makeTable({100, 100, 100, 100});
    table.handNumber = 3;
    table.dealerSeatIndex = 0;
    table.players[1].isSittingOut = true;
    table.players[2].stack = 0;
    EXPECT_EQ(startUnshuffled(table).state.dealerSeatIndex, 3);
    table.dealerSeatIndex = 3;
    EXPECT_EQ(startUnshuffled(table).state.dealerSeatIndex, 0);
    EXPECT_EQ(PokerEngine::nextEligibleSeat(table.players, 3), 0);
}

// ---------------------------------------------------------------- heads-up

TEST(PokerEngineHandStart, HeadsUpTheDealerIsSmallBlindAndActsFirstPreflopButLastAfter) {
    const auto r = startUnshuffled(makeTable({1000, 1000}));
    const TableState& s = r.state;
    EXPECT_EQ(s.dealerSeatIndex, 0);
    EXPECT_EQ(s.players[0].position, Position::sb);
    EXPECT_EQ(s.players[1].position, Position::bb);
    EXPECT_EQ(eventsOf<E::BlindPosted>(r.events),
              (std::vector<E::BlindPosted>{{"p0", Kind::small, 5}, {"p1", Kind::big, 10}}));
    EXPECT_EQ(s.actionQueue, (std::vector<std::string>{"p0", "p1"}));
    EXPECT_EQ(toAct(s), "p0");

    const auto called = act(s, "p0", PlayerActionType::call);
    EXPECT_EQ(toAct(called.state), "p1");
    const auto flop = act(called.state, "p1", PlayerActionType::check);
    EXPECT_EQ(flop.state.street, Street::flop);
    EXPECT_EQ(flop.state.actionQueue, (std::vector<std::string>{"p1", "p0"}));
    EXPECT_EQ(toAct(flop.state), "p1");
}

// ---------------------------------------------------------------- short blinds and antes

TEST(PokerEngineHandStart, ShortBigBlindPostsWhatHeHasWhileTheBetStaysTheFullBlind) {
    const auto r = startUnshuffled(makeTable({1000, 1000, 3}));
    const TableState& s = r.state;
    EXPECT_EQ(s.players[2].position, Position::bb);
    EXPECT_EQ(s.players[2].streetContribution, 3);
    EXPECT_EQ(s.players[2].stack, 0);
    EXPECT_TRUE(s.players[2].isAllIn);
    EXPECT_EQ(eventsOf<E::BlindPosted>(r.events).back(), (E::BlindPosted{"p2", Kind::big, 3}));
    EXPECT_EQ(s.currentBet, 10);
    EXPECT_EQ(toAct(s), "p0");
    EXPECT_EQ(PokerEngine::legalActions("p0", s).callAmount, 10);
    EXPECT_EQ(PokerEngine::legalActions("p1", s).callAmount, 5);
    EXPECT_EQ(s.actionQueue, (std::vector<std::string>{"p0", "p1"}));
}

TEST(PokerEngineHandStart, AnAnteThatTakesTheWholeStackLeavesNothingForTheBlind) {
    const auto r = startUnshuffled(makeTable({1000, 1000, 5}, 5, 10, 5));
    const TableState& s = r.state;
    const std::vector<EngineEvent> posted{
        E::BlindPosted{"p0", Kind::ante, 5}, E::BlindPosted{"p1", Kind::ante, 5},
        E::BlindPosted{"p2", Kind::ante, 5}, E::BlindPosted{"p1", Kind::small, 5}};
    EXPECT_EQ(std::vector<EngineEvent>(r.events.begin() + 1, r.events.begin() + 5), posted);
    EXPECT_EQ(eventsOf<E::BlindPosted>(r.events).size(), 4u);  // no big blind from an empty stack
    EXPECT_TRUE(s.players[2].isAllIn);
    EXPECT_EQ(s.players[2].totalContribution, 5);
    EXPECT_EQ(s.players[2].streetContribution, 0);
    EXPECT_EQ(s.actionQueue, (std::vector<std::string>{"p0", "p1"}));
    // Antes are no part of the preflop bet.
    EXPECT_EQ(s.players[1].streetContribution, 5);
    EXPECT_EQ(s.players[1].totalContribution, 10);
    EXPECT_EQ(s.players[0].lastAction, std::nullopt);
}

TEST(PokerEngineHandStart, AntesAllInForEveryoneRunTheBoardOutAtOnce) {
    const auto r = startUnshuffled(makeTable({4, 4}, 5, 10, 5));
    EXPECT_FALSE(r.state.isHandInProgress);
    EXPECT_EQ(r.state.street, Street::showdown);
    EXPECT_EQ(r.state.board.size(), 5u);
    EXPECT_EQ(eventsOf<E::StreetDealt>(r.events).size(), 3u);
    EXPECT_EQ(stacks(r.state), 8);
}

TEST(PokerEngineHandStart, AntesComeOnlyFromPlayersDealtIn) {
    TableState table = makeTable({1000, 1000, 1000, 1000}, 5, 10, 5);
    table.players[1].isSittingOut = true;
    table.players[1].holeCards = cards("As Ks");  // left over from an earlier hand
    table.players[3].isEliminated = true;
    const auto r = startUnshuffled(table);
    const TableState& s = r.state;
    for (int i : {1, 3}) {
        EXPECT_EQ(s.players[i].stack, 1000);
        EXPECT_EQ(s.players[i].totalContribution, 0);
    }
    const std::vector<E::BlindPosted> antes{{"p0", Kind::ante, 5}, {"p2", Kind::ante, 5}};
    auto posted = eventsOf<E::BlindPosted>(r.events);
    posted.resize(2);
    EXPECT_EQ(posted, antes);
    EXPECT_EQ(s.potTotal(), 2 * 5 + 5 + 10);
}

// ---------------------------------------------------------------- a lone queued player

TEST(PokerEngineHandStart, ALoneDealerFacingAllInBlindsDecidesBeforeTheRunOut) {
    const auto start = startUnshuffled(makeTable({1000, 5, 8}));
    const TableState& s = start.state;
    EXPECT_TRUE(s.players[1].isAllIn);
    EXPECT_TRUE(s.players[2].isAllIn);
    EXPECT_EQ(s.actionQueue, (std::vector<std::string>{"p0"}));
    EXPECT_EQ(toAct(s), "p0");
    EXPECT_TRUE(s.board.empty());
    EXPECT_TRUE(eventsOf<E::StreetDealt>(start.events).empty());
    const auto legal = PokerEngine::legalActions("p0", s);
    EXPECT_TRUE(legal.canFold);
    EXPECT_TRUE(legal.canCall);
    EXPECT_EQ(legal.callAmount, 10);

    const auto called = act(s, "p0", PlayerActionType::call);
    EXPECT_FALSE(called.state.isHandInProgress);
    EXPECT_EQ(eventsOf<E::StreetDealt>(called.events).size(), 3u);
    EXPECT_EQ(eventsOf<E::ShowdownRevealed>(called.events).size(), 3u);
    EXPECT_EQ(called.state.pots,
              (std::vector<Pot>{{15, {"p0", "p1", "p2"}}, {6, {"p0", "p2"}}, {2, {"p0"}}}));
    EXPECT_EQ(stacks(called.state), 1013);

    const auto folded = act(s, "p0", PlayerActionType::fold);
    EXPECT_FALSE(folded.state.isHandInProgress);
    EXPECT_EQ(folded.state.pots, (std::vector<Pot>{{10, {"p1", "p2"}}, {3, {"p2"}}}));
    EXPECT_EQ(folded.state.players[0].stack, 1000);
    EXPECT_EQ(stacks(folded.state), 1013);
}

TEST(PokerEngineHandStart, HeadsUpSmallBlindFacingABiggerAllInBigBlindDecidesFirst) {
    const auto start = startUnshuffled(makeTable({1000, 8}));
    EXPECT_EQ(toAct(start.state), "p0");
    EXPECT_TRUE(eventsOf<E::StreetDealt>(start.events).empty());
    EXPECT_EQ(PokerEngine::legalActions("p0", start.state).callAmount, 5);

    const auto called = act(start.state, "p0", PlayerActionType::call);
    EXPECT_FALSE(called.state.isHandInProgress);
    EXPECT_EQ(called.state.board.size(), 5u);
    EXPECT_EQ(called.state.pots, (std::vector<Pot>{{16, {"p0", "p1"}}, {2, {"p0"}}}));
    EXPECT_EQ(stacks(called.state), 1008);
}

TEST(PokerEngineHandStart, NoDecisionWhenTheLoneQueuedPlayerOwesNothing) {
    // The big blind's 3 chips are below the small blind already posted.
    const auto r = startUnshuffled(makeTable({1000, 3}));
    EXPECT_FALSE(r.state.isHandInProgress);
    EXPECT_EQ(r.state.currentToActSeatIndex, std::nullopt);
    EXPECT_EQ(eventsOf<E::StreetDealt>(r.events).size(), 3u);
    // Run-out events follow the hole cards.
    EXPECT_TRUE(r.events[5].is<E::StreetDealt>());
    EXPECT_EQ(r.state.pots, (std::vector<Pot>{{6, {"p0", "p1"}}, {2, {"p0"}}}));
    // The unmatched small-blind chips come back as a pot of their own.
    EXPECT_EQ(r.events.back(), E(E::PotAwarded{"p0", 2, 1}));
    EXPECT_EQ(stacks(r.state), 1003);
}

// ---------------------------------------------------------------- sitting out and eliminated

TEST(PokerEngineHandStart, NoHandWithFewerThanTwoOrMoreThanSixEligiblePlayers) {
    TableState two = makeTable({100, 100});
    two.players[1].isSittingOut = true;
    SeededRNG rng(5);
    const auto r = PokerEngine::startHand(two, rng);
    EXPECT_TRUE(r.events.empty());
    EXPECT_TRUE(sameTable(r.state, two));
    EXPECT_EQ(rng.s, 5u);

    const TableState seven = makeTable(std::vector<std::int64_t>(7, 100));
    const auto r7 = PokerEngine::startHand(seven, rng);
    EXPECT_TRUE(r7.events.empty());
    EXPECT_FALSE(r7.state.isHandInProgress);
    EXPECT_EQ(r7.state.handNumber, 0);

    // Seven seats of which six can play is a hand.
    TableState sevenSeats = makeTable(std::vector<std::int64_t>(7, 100));
    sevenSeats.players[3].isEliminated = true;
    EXPECT_TRUE(startUnshuffled(sevenSeats).state.isHandInProgress);
}

TEST(PokerEngineHandStart, PlayersNotDealtInKeepTheirPositionHoldNoCardsAndCountAsFolded) {
    TableState table = makeTable({100, 100, 100, 0, 100});
    table.players[0].isSittingOut = true;
    table.players[0].position = Position::hj;
    table.players[0].holeCards = cards("As Ks");
    table.players[1].isEliminated = true;
    table.players[1].position = Position::co;
    const auto r = startUnshuffled(table);
    const TableState& s = r.state;
    // First hand: the first eligible player in list order has the button.
    EXPECT_EQ(s.dealerSeatIndex, 2);
    for (int i : {0, 1, 3}) {
        EXPECT_TRUE(s.players[i].holeCards.empty());
        EXPECT_TRUE(s.players[i].hasFolded);
    }
    EXPECT_EQ(s.players[0].position, Position::hj);
    EXPECT_EQ(s.players[1].position, Position::co);
    EXPECT_EQ(s.players[2].position, Position::sb);
    EXPECT_EQ(s.players[4].position, Position::bb);
    EXPECT_EQ(s.opponentCount("p2"), 1);
    EXPECT_EQ(eventsOf<E::HoleCardsDealt>(r.events), (std::vector<E::HoleCardsDealt>{{"p4"}, {"p2"}}));
    EXPECT_EQ(s.actionQueue, (std::vector<std::string>{"p2", "p4"}));
}

// ---------------------------------------------------------------- legal actions

TEST(PokerEngineLegalActions, AnAllInPlayerOwingNothingMayOnlyCheck) {
    TableState table = makeTable({0, 100});
    table.currentBet = 50;
    table.players[0].streetContribution = 50;
    const auto legal = PokerEngine::legalActions("p0", table);
    EXPECT_TRUE(legal.canCheck);
    EXPECT_FALSE(legal.canFold);
    EXPECT_FALSE(legal.canCall);
    EXPECT_FALSE(legal.canBet);
    EXPECT_FALSE(legal.canRaise);
    EXPECT_FALSE(legal.canAllIn);
    EXPECT_EQ(legal.allInAmount, 50);
}

TEST(PokerEngineLegalActions, FacingMoreThanTheStackOnlyFoldCallOrAllInCall) {
    TableState table = makeTable({60, 1000});
    table.currentBet = 100;
    LegalActions expected;
    expected.canFold = true;
    expected.canCall = true;
    expected.callAmount = 60;
    expected.minRaiseTo = 60;
    expected.maxRaiseTo = 60;
    expected.canAllIn = true;
    expected.allInAmount = 60;
    EXPECT_EQ(PokerEngine::legalActions("p0", table), expected);
    table.noRaiseActorIds = {"p0"};
    EXPECT_EQ(PokerEngine::legalActions("p0", table), expected);
}

TEST(PokerEngineLegalActions, BetAndRaiseAreToldApartByWhatIsOwed) {
    TableState table = makeTable({500, 500});
    table.currentBet = 0;
    table.minRaise = 10;
    auto open = PokerEngine::legalActions("p0", table);
    EXPECT_TRUE(open.canBet);
    EXPECT_FALSE(open.canRaise);
    EXPECT_TRUE(open.canCheck);
    EXPECT_EQ(open.minRaiseTo, 10);
    EXPECT_EQ(open.maxRaiseTo, 500);

    table.currentBet = 40;
    table.minRaise = 30;
    table.players[0].streetContribution = 10;
    auto facing = PokerEngine::legalActions("p0", table);
    EXPECT_FALSE(facing.canBet);
    EXPECT_TRUE(facing.canRaise);
    EXPECT_EQ(facing.callAmount, 30);
    EXPECT_EQ(facing.minRaiseTo, 70);
    EXPECT_EQ(facing.allInAmount, 510);

    // The minimum raise is never below the big blind.
    table.minRaise = 4;
    EXPECT_EQ(PokerEngine::legalActions("p0", table).minRaiseTo, 50);

    table.noRaiseActorIds = {"p0"};
    facing = PokerEngine::legalActions("p0", table);
    EXPECT_FALSE(facing.canRaise);
    EXPECT_FALSE(facing.canAllIn);
    EXPECT_TRUE(facing.canCall);

    EXPECT_EQ(PokerEngine::legalActions("nobody", table), LegalActions::none);
}

// ---------------------------------------------------------------- shared helpers

TEST(PokerEngineHelpers, PostingABlindTakesAtMostTheStackAndSkipsUnknownPlayers) {
    std::vector<Player> players = makeTable({3, 10, 100}).players;
    std::vector<EngineEvent> events;
    PokerEngine::postBlind("ghost", 10, Kind::big, players, events);
    EXPECT_EQ(players, makeTable({3, 10, 100}).players);
    EXPECT_TRUE(events.empty());

    players[0].streetContribution = 99;  // set, not added to
    PokerEngine::postBlind("p0", 10, Kind::big, players, events);
    PokerEngine::postBlind("p1", 10, Kind::big, players, events);
    PokerEngine::postBlind("p2", 10, Kind::small, players, events);
    EXPECT_EQ(events, (std::vector<EngineEvent>{E::BlindPosted{"p0", Kind::big, 3},
                                                E::BlindPosted{"p1", Kind::big, 10},
                                                E::BlindPosted{"p2", Kind::small, 10}}));
    EXPECT_EQ(players[0].streetContribution, 3);
    EXPECT_TRUE(players[0].isAllIn);
    EXPECT_TRUE(players[1].isAllIn);  // a stack of exactly the blind
    EXPECT_FALSE(players[2].isAllIn);
    EXPECT_EQ(players[2].lastAction, (LastAction{LastActionType::postBlind, 10}));
    EXPECT_EQ(players[2].totalContribution, 10);
}

TEST(PokerEngineHelpers, TheSeatToActFollowsTheHeadOfTheQueue) {
    TableState t = makeTable({100, 100, 100});
    t.currentToActSeatIndex = 0;
    t.actionQueue = {"p2", "p0"};
    EXPECT_EQ(PokerEngine::syncCurrentToAct(t).currentToActSeatIndex, 2);
    t.actionQueue = {"ghost", "p0"};
    EXPECT_EQ(PokerEngine::syncCurrentToAct(t).currentToActSeatIndex, std::nullopt);
    t.actionQueue.clear();
    EXPECT_EQ(PokerEngine::syncCurrentToAct(t).currentToActSeatIndex, std::nullopt);

    t.players[0].holeCards = cards("As Ad");
    t.players[1].holeCards = cards("Ks Kd");
    t.players[1].hasFolded = true;
    t.players[2].holeCards = cards("Qs Qd");
    const auto in = PokerEngine::contenders(t.players);
    ASSERT_EQ(in.size(), 2u);
    EXPECT_EQ(in[0].id, "p0");
    EXPECT_EQ(in[1].id, "p2");
}

TEST(PokerEngineHelpers, StreetsFollowInOrderAndASettledTableHasNothingLeftToDeal) {
    EXPECT_EQ(PokerEngine::nextStreet(Street::preflop), Street::flop);
    EXPECT_EQ(PokerEngine::nextStreet(Street::flop), Street::turn);
    EXPECT_EQ(PokerEngine::nextStreet(Street::turn), Street::river);
    EXPECT_EQ(PokerEngine::nextStreet(Street::river), Street::showdown);
    EXPECT_EQ(PokerEngine::nextStreet(Street::showdown), Street::showdown);

    const TableState settled =
        act(startUnshuffled(makeTable({100, 100})).state, "p0", PlayerActionType::allIn).state;
    const TableState shown = act(settled, "p1", PlayerActionType::call).state;
    ASSERT_EQ(shown.street, Street::showdown);
    std::vector<EngineEvent> events;
    const TableState again = PokerEngine::dealStreet(shown, events);
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(sameTable(again, shown));
}

}  // namespace
}  // namespace pellox
