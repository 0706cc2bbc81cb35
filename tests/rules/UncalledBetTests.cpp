#include "rules/UncalledBet.hpp"

#include <algorithm>

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
    EXPECT_EQ(UncalledBet::award(events), (UncalledBet::Award{events.size() - 1, 200, 0}));
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

// A hand played from the start on three seats of 1500: the actions in turn, until the hand is settled.
struct Played {
    TableState table;
    std::vector<EngineEvent> events;
};

Played play(const std::vector<PlayerAction>& actions) {
    EngineResult step = startUnshuffled(makeTable({1500, 1500, 1500}));
    Played p{step.state, step.events};
    for (const PlayerAction& a : actions) {
        step = PokerEngine::applyAction(a, toAct(p.table), p.table);
        p.table = step.state;
        p.events.insert(p.events.end(), step.events.begin(), step.events.end());
    }
    EXPECT_FALSE(p.table.isHandInProgress);
    return p;
}

// Folded to: the chips beyond the next-highest contribution come back inside the one award of the whole
// pot; the winner wins the rest. The engine's winners and events keep the whole pot.
TEST(UncalledBet, AHandFoldedToReturnsTheBetInsideItsOneAward) {
    const PlayerAction fold{A::fold, std::nullopt};
    struct Case {
        const char* name;
        std::vector<PlayerAction> actions;
        std::int64_t pot, returned;
    };
    const std::vector<Case> hands{
        {"a shove folded to", {{A::allIn, std::nullopt}, fold, fold}, 1515, 1490},
        {"a raise folded to", {{A::raise, 30}, fold, fold}, 45, 20},
        {"a big-blind walk", {fold, fold}, 15, 5},
    };
    for (const Case& c : hands) {
        SCOPED_TRACE(c.name);
        const Played p = play(c.actions);
        ASSERT_TRUE(p.table.winners);
        ASSERT_EQ(p.table.winners->size(), 1u);
        const Winner& winner = p.table.winners->front();
        ASSERT_EQ(winner.amount, c.pot);
        const UncalledBet bet{winner.playerId, c.returned};
        EXPECT_EQ(UncalledBet::of(p.table), bet);
        EXPECT_EQ(UncalledBet::of(p.events), bet);
        EXPECT_EQ(UncalledBet::award(p.events),
                  (UncalledBet::Award{p.events.size() - 1, c.returned, c.pot - c.returned}));
        EXPECT_EQ(UncalledBet::winnersAsWon(p.table),
                  (std::vector<Winner>{{winner.playerId, c.pot - c.returned, "Opponents folded"}}));
    }
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
    EXPECT_EQ(UncalledBet::fromStakes(shared), std::nullopt);
    EXPECT_EQ(UncalledBet::fromStakes({}), std::nullopt);
    // A folded second contribution still caps the return: its chips are won, not handed back.
    const std::vector<Stake> foldedSecond{{"a", 100, false}, {"b", 300, true}, {"c", 500, false}};
    EXPECT_EQ(UncalledBet::fromStakes(foldedSecond), (UncalledBet{"c", 200}));
}

// While the hand runs, or when the events break off before its award, nothing has been handed back.
TEST(UncalledBet, NothingIsHandedBackBeforeTheHandIsSettled) {
    std::vector<EngineEvent> showdown;
    TableState t =
        shownDown({{100, true, false, cards("As Ah")}, {300, true, false, cards("Kh Qc")}, {20, false, true}},
                  board, showdown);
    t.isHandInProgress = true;
    EXPECT_EQ(UncalledBet::of(t), std::nullopt);
    const auto events = handOf(showdown);
    const auto firstAward =
        std::find_if(events.begin(), events.end(), [](const E& e) { return e.is<E::PotAwarded>(); });
    const std::vector<EngineEvent> beforeTheAward(events.begin(), firstAward);
    ASSERT_TRUE(beforeTheAward.back().is<E::ShowdownRevealed>());
    EXPECT_EQ(UncalledBet::of(beforeTheAward), std::nullopt);

    // An award that is not the bet's own (a hand-edited record) is not taken for it.
    auto edited = events;
    edited.back() = E::PotAwarded{"p1", 150, 2};
    EXPECT_EQ(UncalledBet::of(edited), (UncalledBet{"p1", 200}));
    EXPECT_EQ(UncalledBet::award(edited), std::nullopt);
    EXPECT_EQ(UncalledBet::winnersAsWon({{"p1", 150, "Pair"}}, UncalledBet{"p1", 200}),
              std::vector<Winner>{});
}

}  // namespace
}  // namespace pellox
