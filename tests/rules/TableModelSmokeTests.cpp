#include <gtest/gtest.h>

#include "rules/CashGameConfig.hpp"
#include "rules/EngineEvent.hpp"
#include "rules/EngineResult.hpp"
#include "rules/LegalActions.hpp"
#include "rules/TableState.hpp"
#include "rules/TournamentConfig.hpp"

namespace pellox {
namespace {

TEST(TableModelSmokeTests, FreshTableHoldsTheSeatsInOrder) {
    TableState table(GameMode::cash, {{"human", "You", false, 1000}, {"bot1", "Ann", true, 900}}, 5, 10, 0);
    ASSERT_EQ(table.players.size(), 2u);
    EXPECT_EQ(table.players[1].seatIndex, 1);
    EXPECT_EQ(table.players[1].stack, 900);
    EXPECT_EQ(table.minRaise, 10);
    ASSERT_NE(table.player("bot1"), nullptr);
    EXPECT_EQ(table.player("bot1")->name, "Ann");
    EXPECT_EQ(table.currentPlayer(), nullptr);
    EXPECT_EQ(LegalActions::none, LegalActions{});
    EngineResult result{table, {EngineEvent::HandStarted{1, 0}}};
    EXPECT_TRUE(result.events[0].is<EngineEvent::HandStarted>());
    EXPECT_EQ(TournamentConfig{}.blindLevel(11).bigBlind, 30);
    EXPECT_EQ(CashGameConfig::standard.defaultBuyIn, 1000);
}

}  // namespace
}  // namespace pellox
