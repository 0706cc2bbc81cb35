#include <gtest/gtest.h>

#include "strategy/AdvisorTestSupport.hpp"
#include "strategy/PlayerActionHistory.hpp"

namespace pellox {
namespace {

using namespace advisortest;
using T = PlayerActionType;

TEST(PlayerActionHistoryTests, PreflopActionsAndRaisesFaced) {
    const std::vector<EngineEvent> events{
        EngineEvent(EngineEvent::HandStarted{1, 0}),
        blind("sb", 5),
        blind("bb", 10),
        acted("utg", T::raise),              // first in: faces nothing
        acted("co", T::call),                // faces the open
        actedAs("btn", T::allIn, T::raise),  // an all-in that raises is a 3-bet
        acted("sb", T::fold),                // faces two raises, reads nothing
        actedAs("bb", T::allIn, T::call),    // an all-in that only calls is a call
        acted("utg", T::call),               // a raiser who calls stays a raiser
        acted("co", T::raise),               // a caller who raises becomes a raiser
    };
    const auto h = PlayerActionHistory::build(events);
    EXPECT_EQ(h.at("utg"), (PlayerActionHistory{0, RangeAction::raise, PostflopAggression::none}));
    EXPECT_EQ(h.at("co"), (PlayerActionHistory{1, RangeAction::raise, PostflopAggression::none}));
    EXPECT_EQ(h.at("btn"), (PlayerActionHistory{1, RangeAction::raise, PostflopAggression::none}));
    EXPECT_EQ(h.at("sb"), (PlayerActionHistory{2, std::nullopt, PostflopAggression::none}));
    EXPECT_EQ(h.at("bb"), (PlayerActionHistory{2, RangeAction::call, PostflopAggression::none}));
    EXPECT_EQ(h.size(), 5u);  // blinds alone make no history
}

TEST(PlayerActionHistoryTests, AllInCallAddsNoRaiseForLaterPlayers) {
    const auto h = PlayerActionHistory::build({
        acted("a", T::raise),
        actedAs("b", T::allIn, T::call),
        acted("c", T::call),
    });
    EXPECT_EQ(h.at("b").preflopAction, RangeAction::call);
    EXPECT_EQ(h.at("c").raisesFacedPreflop, 1);
}

TEST(PlayerActionHistoryTests, PostflopAggressionAndStreetReset) {
    const auto h = PlayerActionHistory::build({
        acted("a", T::call),
        acted("b", T::check),
        dealt(Street::flop, "2c 7d 9h"),
        acted("a", T::bet),
        acted("b", T::call),
        acted("c", T::check),
        dealt(Street::turn, "Ks"),
        acted("b", T::bet),
        acted("a", T::call),  // aggressive stays aggressive
        acted("b", T::fold),
    });
    EXPECT_EQ(h.at("a").postflopAggression, PostflopAggression::aggressive);
    EXPECT_EQ(h.at("b").postflopAggression, PostflopAggression::aggressive);
    EXPECT_EQ(h.at("b").preflopAction, std::nullopt);  // a check of the option reads nothing
    // A player who first acts after the flop keeps the fresh preflop values.
    EXPECT_EQ(h.at("c"), PlayerActionHistory{});

    const auto caller = PlayerActionHistory::build({dealt(Street::flop, "2c 7d 9h"), acted("x", T::call)});
    EXPECT_EQ(caller.at("x").postflopAggression, PostflopAggression::passive);
}

}  // namespace
}  // namespace pellox
