#include <gtest/gtest.h>

#include "rules/GameMode.hpp"
#include "rules/LegalActions.hpp"
#include "rules/PlayerActionType.hpp"
#include "rules/SeatConfig.hpp"
#include "rules/Standing.hpp"
#include "rules/TableState.hpp"
#include "session/PreAction.hpp"
#include "store/GameSpeed.hpp"
#include "table/TableControls.hpp"

namespace pellox::app {
namespace {

using namespace TableControls;

TableState tableOf(std::size_t players) {
    std::vector<SeatConfig> seats;
    for (std::size_t i = 0; i < players; ++i)
        seats.push_back({i == 0 ? "human" : "bot-" + std::to_string(i - 1), "P", i != 0, 1000});
    return TableState(GameMode::cash, seats, 5, 10, 0);
}

TEST(TableControls, HeaderTitleByMode) {
    EXPECT_EQ(headerTitle(GameMode::cash, 7), "Cash Game");
    EXPECT_EQ(headerTitle(GameMode::tournament, 12), "Tournament \u00b7 Hand 12");
    EXPECT_EQ(headerTitle(std::nullopt, 0), "Tournament \u00b7 Hand 0");
}

TEST(TableControls, PreActionDelayAndKey) {
    EXPECT_DOUBLE_EQ(preActionDelay(GameSpeed::relaxed), 0.675);
    EXPECT_DOUBLE_EQ(preActionDelay(GameSpeed::normal), 0.45);
    EXPECT_DOUBLE_EQ(preActionDelay(GameSpeed::fast), 0.2475);
    EXPECT_EQ(preActionKey(true, PreAction::checkFold, 3), "true:check-fold:3");
    EXPECT_EQ(preActionKey(false, PreAction::callAny, 0), "false:call-any:0");
    EXPECT_EQ(preActionKey(false, std::nullopt, 9), "false:-:9");
}

TEST(TableControls, PlayAgainSeatsTheSameBots) {
    EXPECT_EQ(playAgainBotCount(std::nullopt), 1);
    EXPECT_EQ(playAgainBotCount(tableOf(6)), 5);
    EXPECT_EQ(playAgainBotCount(tableOf(2)), 1);
    EXPECT_EQ(playAgainBotCount(tableOf(1)), 1);
}

TEST(TableControls, ExitAsksOnlyDuringAHand) {
    EXPECT_EQ(exitRequest(std::nullopt), ExitRequest::showSummary);
    TableState t = tableOf(3);
    EXPECT_EQ(exitRequest(t), ExitRequest::showSummary);
    t.isHandInProgress = true;
    EXPECT_EQ(exitRequest(t), ExitRequest::confirmLeavingHand);
}

TEST(TableControls, KeysFollowTheLegalActions) {
    LegalActions legal;
    legal.canFold = true;
    legal.canCheck = true;
    legal.canCall = true;
    legal.canAllIn = true;
    EXPECT_EQ(shortcutAction(ShortcutKey::c, legal, true), PlayerActionType::check);
    EXPECT_EQ(shortcutAction(ShortcutKey::f, legal, true), PlayerActionType::fold);
    EXPECT_EQ(shortcutAction(ShortcutKey::a, legal, true), PlayerActionType::allIn);
    EXPECT_FALSE(shortcutAction(ShortcutKey::c, legal, false));
    EXPECT_FALSE(shortcutAction(ShortcutKey::c, std::nullopt, true));
    legal.canCheck = false;
    EXPECT_EQ(shortcutAction(ShortcutKey::c, legal, true), PlayerActionType::call);
    legal.canCall = false;
    legal.canFold = false;
    legal.canAllIn = false;
    EXPECT_FALSE(shortcutAction(ShortcutKey::c, legal, true));
    EXPECT_FALSE(shortcutAction(ShortcutKey::f, legal, true));
    EXPECT_FALSE(shortcutAction(ShortcutKey::a, legal, true));
}

TEST(TableControls, StandingsReadTheTablesNamesInTheirOrder) {
    const std::vector<Standing> standings{{"bot-3", 1, 0.5}, {"bot-0", 2, 0.3}, {"human", 3, 0.2}};
    const PlayerNameSource name = [](std::string_view id) {
        return id == "human" ? std::string("You") : "Bot " + std::string(id.substr(4));
    };
    EXPECT_EQ(standingLines(standings, name), (std::vector<std::string>{"1. Bot 3", "2. Bot 0", "3. You"}));
    EXPECT_TRUE(standingLines({}, name).empty());
}

}  // namespace
}  // namespace pellox::app
