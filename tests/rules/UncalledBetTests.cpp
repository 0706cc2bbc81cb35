#include "rules/UncalledBet.hpp"

#include <gtest/gtest.h>

#include "rules/PokerEngine.hpp"
#include "rules/PokerEngineTestSupport.hpp"

namespace pellox {
namespace {

using namespace pellox::testing;
using E = EngineEvent;
using A = PlayerActionType;
using Stake = UncalledBet::Stake;

// A river table with these contributions, shown down; the dealer in seat 2.
TableState shownDown(const std::vector<RiverSeat>& seats, const std::string& board,
                     std::vector<EngineEvent>& events) {
    return PokerEngine::showdown(riverTable(seats, cards(board), 2), events);
}

E act(const std::string& id, A type, std::int64_t putIn) {
    return E::ActionTaken{id, PlayerAction{type, std::nullopt}, type, putIn};
}

// The betting that brings p0 to 100 all in, p1 to 300 all in and p2 to 20 folded, then the showdown.
std::vector<EngineEvent> handOf(const std::vector<EngineEvent>& showdown) {
    std::vector<EngineEvent> events{E::HandStarted{1, 2},
                                    E::BlindPosted{"p1", BlindKind::small, 10},
                                    E::BlindPosted{"p2", BlindKind::big, 20},
                                    act("p0", A::allIn, 100),
                                    act("p1", A::allIn, 290),
                                    act("p2", A::fold, 0)};
    events.insert(events.end(), showdown.begin(), showdown.end());
    return events;
}

const std::string board = "2c 7d 9h Js 3d";

// All in for 100 and 300 with a folded 20: the 200 nobody matched comes back to the bigger stack as a pot
// of its own. The engine lists it among the winners; it is no win.
TEST(UncalledBet, TheBiggerStackThatLosesOnlyGetsHisOwnChipsBack) {
    std::vector<EngineEvent> showdown;
    const TableState t =
        shownDown({{100, true, false, cards("As Ah")}, {300, true, false, cards("Kh Qc")}, {20, false, true}},
                  board, showdown);
    ASSERT_EQ(t.winners, (std::vector<Winner>{{"p0", 220, "Pair"}, {"p1", 200, "High Card"}}));
    const UncalledBet bet{"p1", 200};
    EXPECT_EQ(UncalledBet::of(t), bet);
    EXPECT_EQ(UncalledBet::winnersAsWon(t), (std::vector<Winner>{{"p0", 220, "Pair"}}));

    const auto events = handOf(showdown);
    EXPECT_EQ(UncalledBet::of(events), bet);
    ASSERT_EQ(UncalledBet::awardIndex(events), events.size() - 1);
    EXPECT_EQ(events.back(), E(E::PotAwarded{"p1", 200, 2}));
}

TEST(UncalledBet, AWinnerOfTheContestedPotsIsShownWhatHeWonWithoutTheReturn) {
    std::vector<EngineEvent> showdown;
    const TableState t =
        shownDown({{100, true, false, cards("Kh Qc")}, {300, true, false, cards("As Ah")}, {20, false, true}},
                  board, showdown);
    ASSERT_EQ(t.winners, (std::vector<Winner>{{"p1", 420, "Pair"}}));
    EXPECT_EQ(UncalledBet::of(t), (UncalledBet{"p1", 200}));
    EXPECT_EQ(UncalledBet::winnersAsWon(t), (std::vector<Winner>{{"p1", 220, "Pair"}}));
    EXPECT_EQ(UncalledBet::of(handOf(showdown)), UncalledBet::of(t));
}

// A played board splits the contested pots; the chip only p0 put in comes back to him alone.
TEST(UncalledBet, ASplitKeepsBothWinnersWithoutTheReturnedChip) {
    std::vector<EngineEvent> showdown;
    const TableState t =
        shownDown({{51, false, false, cards("2h 2d")}, {50, true, false, cards("3h 3d")}, {1, false, true}},
                  "5c 6d 7h 8s 9c", showdown);
    ASSERT_EQ(t.winners, (std::vector<Winner>{{"p0", 52, "Straight"}, {"p1", 50, "Straight"}}));
    EXPECT_EQ(UncalledBet::of(t), (UncalledBet{"p0", 1}));
    EXPECT_EQ(UncalledBet::winnersAsWon(t),
              (std::vector<Winner>{{"p0", 51, "Straight"}, {"p1", 50, "Straight"}}));
}

TEST(UncalledBet, AnUncontestedWinIsAWinOfEverything) {
    TableState t = makeTable({1000, 1000, 1000});
    t.players[0].totalContribution = 300;
    t.players[0].holeCards = cards("2c 7d");
    t.players[1].totalContribution = 20;
    t.players[1].hasFolded = true;
    t.isHandInProgress = true;
    std::vector<EngineEvent> award;
    const TableState s = PokerEngine::awardUncontested(t, "p0", award);
    EXPECT_EQ(UncalledBet::of(s), std::nullopt);
    EXPECT_EQ(UncalledBet::winnersAsWon(s), *s.winners);
    const std::vector<EngineEvent> events{E::BlindPosted{"p1", BlindKind::small, 20},
                                          act("p0", A::raise, 300), act("p1", A::fold, 0), award.front()};
    EXPECT_EQ(UncalledBet::of(events), std::nullopt);
    EXPECT_EQ(UncalledBet::awardIndex(events), std::nullopt);
}

// Chips above everybody else's are no return once their owner folded: they go to those still in.
TEST(UncalledBet, NoReturnWhenTheTopIsFoldedOrShared) {
    std::vector<EngineEvent> showdown;
    const TableState t = shownDown(
        {{50, true, false, cards("As Ah")}, {100, false, false, cards("Kh Qc")}, {300, false, true}}, board,
        showdown);
    EXPECT_EQ(UncalledBet::of(t), std::nullopt);
    EXPECT_EQ(UncalledBet::winnersAsWon(t), *t.winners);

    const std::vector<Stake> shared{{"a", 300, false}, {"b", 300, false}, {"c", 100, true}};
    EXPECT_EQ(UncalledBet::atShowdown(shared), std::nullopt);
    EXPECT_EQ(UncalledBet::atShowdown({}), std::nullopt);
    // A folded second contribution still caps the return: its chips are won, not handed back.
    const std::vector<Stake> foldedSecond{{"a", 100, false}, {"b", 300, true}, {"c", 500, false}};
    EXPECT_EQ(UncalledBet::atShowdown(foldedSecond), (UncalledBet{"c", 200}));
}

// While the hand runs, or when the events break off before a showdown, nothing has been handed back.
TEST(UncalledBet, NothingIsHandedBackBeforeAShowdown) {
    std::vector<EngineEvent> showdown;
    TableState t =
        shownDown({{100, true, false, cards("As Ah")}, {300, true, false, cards("Kh Qc")}, {20, false, true}},
                  board, showdown);
    t.isHandInProgress = true;
    EXPECT_EQ(UncalledBet::of(t), std::nullopt);
    const auto events = handOf(showdown);
    const std::vector<EngineEvent> beforeShowdown(events.begin(), events.begin() + 6);
    EXPECT_EQ(UncalledBet::of(beforeShowdown), std::nullopt);

    // An award that is not the bet's own (a hand-edited record) is not taken for it.
    auto edited = events;
    edited.back() = E::PotAwarded{"p1", 150, 2};
    EXPECT_EQ(UncalledBet::of(edited), (UncalledBet{"p1", 200}));
    EXPECT_EQ(UncalledBet::awardIndex(edited), std::nullopt);
    EXPECT_EQ(UncalledBet::winnersAsWon({{"p1", 150, "Pair"}}, UncalledBet{"p1", 200}),
              std::vector<Winner>{});
}

}  // namespace
}  // namespace pellox
