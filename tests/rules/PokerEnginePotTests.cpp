#include <gtest/gtest.h>

#include "rules/PokerEngine.hpp"
#include "rules/PokerEngineTestSupport.hpp"

namespace pellox {
namespace {

using namespace pellox::testing;
using E = EngineEvent;
using A = PlayerActionType;
using Ids = std::vector<std::string>;
using Seat = RiverSeat;

std::vector<Player> contributions(const std::vector<RiverSeat>& seats) {
    return riverTable(seats, {}, 0).players;
}

// ---------------------------------------------------------------- side pots

TEST(PokerEnginePots, SidePotsFromSeveralAllInsAndAFoldedContribution) {
    const auto pots =
        PokerEngine::buildPots(contributions({{50, true}, {200, true}, {200}, {30, false, true}}));
    EXPECT_EQ(pots,
              (std::vector<Pot>{{120, {"p0", "p1", "p2"}}, {60, {"p0", "p1", "p2"}}, {300, {"p1", "p2"}}}));
}

TEST(PokerEnginePots, TheBiggerStackGetsHisUnmatchedChipsBackAsAPotOfHisOwn) {
    const auto pots = PokerEngine::buildPots(contributions({{100, true}, {300, true}, {20, false, true}}));
    EXPECT_EQ(pots, (std::vector<Pot>{{60, {"p0", "p1"}}, {160, {"p0", "p1"}}, {200, {"p1"}}}));
    EXPECT_TRUE(PokerEngine::buildPots(contributions({{0}, {0}})).empty());
}

TEST(PokerEnginePots, ChipsOfLayersWhoseContributorsAllFoldedGoToTheHighestPot) {
    EXPECT_EQ(PokerEngine::buildPots(contributions({{100}, {300, false, true}})),
              (std::vector<Pot>{{400, {"p0"}}}));
    EXPECT_EQ(PokerEngine::buildPots(contributions({{50, true}, {100}, {200, false, true}})),
              (std::vector<Pot>{{150, {"p0", "p1"}}, {200, {"p1"}}}));
    // Nobody who put chips in is left: those still in contest them.
    EXPECT_EQ(PokerEngine::buildPots(contributions({{0}, {5, false, true}, {0}})),
              (std::vector<Pot>{{5, {"p0", "p2"}}}));
}

TEST(PokerEnginePots, ABigBlindWhoFoldsHisOptionKeepsNoChipsOutOfPlay) {
    // Both others are all in for less than the big blind, who then folds instead of checking.
    const TableState s = startUnshuffled(makeTable({6, 8, 1000})).state;
    const TableState waiting = act(act(s, "p0", A::allIn).state, "p1", A::allIn).state;
    ASSERT_EQ(toAct(waiting), "p2");
    ASSERT_TRUE(PokerEngine::legalActions("p2", waiting).canCheck);
    const auto r = act(waiting, "p2", A::fold);
    EXPECT_FALSE(r.state.isHandInProgress);
    EXPECT_EQ(r.state.pots, (std::vector<Pot>{{18, {"p0", "p1"}}, {6, {"p1"}}}));
    std::int64_t awarded = 0;
    for (const auto& w : *r.state.winners)
        awarded += w.amount;
    EXPECT_EQ(awarded, 24);
    EXPECT_EQ(stacks(r.state), 1014);
}

// ---------------------------------------------------------------- splitting and odd chips

TEST(PokerEnginePots, OddChipsGoToTheWinnersNearestTheDealersLeft) {
    const auto players = makeTable(std::vector<std::int64_t>(6, 100)).players;
    const auto order = PokerEngine::orderBySeat({"p4", "p0", "p2"}, players, 3);
    EXPECT_EQ(order, (Ids{"p4", "p0", "p2"}));
    EXPECT_EQ(PokerEngine::splitPot(101, order),
              (std::vector<std::pair<std::string, std::int64_t>>{{"p4", 34}, {"p0", 34}, {"p2", 33}}));
    // The dealer among the winners comes last.
    EXPECT_EQ(PokerEngine::orderBySeat({"p3", "p1", "p4"}, players, 3), (Ids{"p4", "p1", "p3"}));
    EXPECT_EQ(PokerEngine::splitPot(5, {"p4", "p3"}),
              (std::vector<std::pair<std::string, std::int64_t>>{{"p4", 3}, {"p3", 2}}));
}

TEST(PokerEngineShowdown, TheShortAllInWinsBothPotsHeIsInAndATieSplitsTheRest) {
    const TableState t = riverTable({{50, true, false, cards("As Ah")},
                                     {200, true, false, cards("Kh Qc")},
                                     {200, false, false, cards("Kd Qs")},
                                     {30, false, true, cards("5c 6c")}},
                                    cards("2c 7d 9h Js 3d"), 3);
    std::vector<EngineEvent> events;
    const TableState s = PokerEngine::showdown(t, events);

    const std::vector<EngineEvent> expected{E::ShowdownRevealed{"p0", cards("As Ah"), "Pair"},
                                            E::ShowdownRevealed{"p1", cards("Kh Qc"), "High Card"},
                                            E::ShowdownRevealed{"p2", cards("Kd Qs"), "High Card"},
                                            E::PotAwarded{"p0", 120, 0},
                                            E::PotAwarded{"p0", 60, 1},
                                            E::PotAwarded{"p1", 150, 2},
                                            E::PotAwarded{"p2", 150, 2}};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(s.winners,
              (std::vector<Winner>{{"p0", 180, "Pair"}, {"p1", 150, "High Card"}, {"p2", 150, "High Card"}}));
    EXPECT_EQ(s.players[0].stack, 180);
    EXPECT_EQ(s.players[1].stack, 150);
    EXPECT_EQ(s.players[2].stack, 1150);
    EXPECT_EQ(s.players[3].stack, 1000);
    EXPECT_EQ(s.street, Street::showdown);
    EXPECT_FALSE(s.isHandInProgress);
    EXPECT_EQ(s.currentToActSeatIndex, std::nullopt);
    EXPECT_EQ(s.pots.size(), 3u);
    // Contributions stay as they were.
    EXPECT_EQ(s.players[1].totalContribution, 200);
}

TEST(PokerEngineShowdown, APlayedBoardSplitsEveryPotWithTheDealerGettingOddChipsLast) {
    const TableState t = riverTable({{51, false, false, cards("2h 2d")},
                                     {50, true, false, cards("3h 3d")},
                                     {1, false, true, cards("Ac Ad")}},
                                    cards("5c 6d 7h 8s 9c"), 0);
    std::vector<EngineEvent> events;
    const TableState s = PokerEngine::showdown(t, events);
    EXPECT_EQ(s.pots, (std::vector<Pot>{{3, {"p0", "p1"}}, {98, {"p0", "p1"}}, {1, {"p0"}}}));
    EXPECT_EQ(
        eventsOf<E::PotAwarded>(events),
        (std::vector<E::PotAwarded>{{"p1", 2, 0}, {"p0", 1, 0}, {"p1", 49, 1}, {"p0", 49, 1}, {"p0", 1, 2}}));
    EXPECT_EQ(s.winners, (std::vector<Winner>{{"p1", 51, "Straight"}, {"p0", 51, "Straight"}}));
    // The folded player is not revealed.
    EXPECT_EQ(eventsOf<E::ShowdownRevealed>(events).size(), 2u);
}

TEST(PokerEngineShowdown, AShortBoardIsCompletedSilentlyFromTheDeck) {
    TableState t = riverTable({{10, false, false, cards("As Ks")}, {10, false, false, cards("2d 7c")}},
                              cards("Qs Js 3h"), 0);
    t.deck = cards("Ts 4d 5d");
    std::vector<EngineEvent> events;
    const TableState s = PokerEngine::showdown(t, events);
    EXPECT_EQ(s.board, cards("Qs Js 3h Ts 4d"));
    EXPECT_EQ(s.deck, cards("5d"));
    EXPECT_TRUE(eventsOf<E::StreetDealt>(events).empty());
    EXPECT_EQ(s.winners, (std::vector<Winner>{{"p0", 20, "Straight Flush"}}));
}

TEST(PokerEngineShowdown, AnUncontestedWinIsOneAwardOfEveryPotWithNothingRevealed) {
    TableState t = riverTable({{100, true}, {5, false, true}, {10, false, true}}, {}, 0);
    t.players[0].holeCards = cards("2c 7d");
    std::vector<EngineEvent> events;
    const TableState s = PokerEngine::awardUncontested(t, "p0", events);
    EXPECT_EQ(events, (std::vector<EngineEvent>{E::PotAwarded{"p0", 115, 0}}));
    EXPECT_EQ(s.pots.size(), 3u);
    EXPECT_EQ(s.winners, (std::vector<Winner>{{"p0", 115, "Opponents folded"}}));
    EXPECT_EQ(s.street, Street::river);
    EXPECT_TRUE(s.board.empty());
    EXPECT_FALSE(s.isHandInProgress);
}

}  // namespace
}  // namespace pellox
