// The felt's seating, board, banner and deal as values.
#include <gtest/gtest.h>

#include "rules/UncalledBet.hpp"
#include "table/TableViewModel.hpp"

namespace pellox::app {
namespace {

// Seats 0..n-1: the human at `humanSeat` (none when negative), bots elsewhere.
TableState table(int players, int humanSeat, std::int64_t dealer = 0) {
    std::vector<SeatConfig> seats;
    for (int i = 0; i < players; ++i) {
        if (i == humanSeat)
            seats.push_back({"human", "You", false, 1000});
        else
            seats.push_back({"bot-" + std::to_string(i), "Bot " + std::to_string(i), true, 1000});
    }
    TableState t(GameMode::cash, seats, 5, 10, 0);
    t.dealerSeatIndex = dealer;
    for (Player& p : t.players)
        p.holeCards = {Card{Rank::ace, Suit::spades}, Card{Rank::king, Suit::hearts}};
    return t;
}

std::vector<std::string> ids(const std::vector<const Player*>& players) {
    std::vector<std::string> out;
    for (const Player* p : players)
        out.push_back(p->id);
    return out;
}

TEST(TableViewModel, TheHumanTakesTheFirstBoxAndTheOthersKeepTheirOrder) {
    std::optional<TableState> t = table(4, 2);
    std::swap(t->players[0], t->players[3]);
    EXPECT_EQ(ids(TableViewModel::orderedPlayers(t, "human")),
              (std::vector<std::string>{"human", "bot-3", "bot-0", "bot-1"}));
    std::optional<TableState> noHuman = table(3, -1);
    std::swap(noHuman->players[0], noHuman->players[2]);
    EXPECT_EQ(ids(TableViewModel::orderedPlayers(noHuman, "human")),
              (std::vector<std::string>{"bot-0", "bot-1", "bot-2"}));
    EXPECT_TRUE(TableViewModel::orderedPlayers(std::nullopt, "human").empty());
}

// A hand-edited snapshot can seat more players than the layout has boxes for.
TEST(TableViewModel, SeatsBeyondTheLayoutAreNotDrawnAndTheDealerLookupStaysInRange) {
    std::optional<TableState> t = table(8, 0, 7);
    const auto players = TableViewModel::orderedPlayers(t, "human");
    const auto layout = TableLayout::compute(static_cast<std::int64_t>(players.size()), {800, 600});
    ASSERT_EQ(layout.seats.size(), 6u);
    EXPECT_EQ(TableViewModel::drawnSeatCount(players.size(), layout), 6u);
    EXPECT_EQ(TableViewModel::dealOrigin(t, players, layout, {800, 600}), (Point{400, 300}));
    t->dealerSeatIndex = 5;
    EXPECT_EQ(TableViewModel::dealOrigin(t, players, layout, {800, 600}), layout.seats[5].frame.center());
    EXPECT_EQ(TableViewModel::dealOrigin(std::nullopt, {}, layout, {800, 600}), (Point{400, 300}));
}

TEST(TableViewModel, TheVisibleBoardIsTheRevealedPartOfTheBoard) {
    std::optional<TableState> t = table(2, 0);
    t->board = {Card{Rank::two, Suit::clubs}, Card{Rank::three, Suit::clubs}, Card{Rank::four, Suit::clubs}};
    EXPECT_EQ(TableViewModel::visibleBoard(t, 2).size(), 2u);
    EXPECT_EQ(TableViewModel::visibleBoard(t, 9).size(), 3u);
    EXPECT_TRUE(TableViewModel::visibleBoard(t, -1).empty());
    EXPECT_TRUE(TableViewModel::visibleBoard(std::nullopt, 3).empty());
}

TEST(TableViewModel, TheBannerWaitsForTheEndOfTheHandAndNamesEveryWinner) {
    std::optional<TableState> t = table(3, 0);
    t->board = {Card{Rank::two, Suit::clubs}, Card{Rank::three, Suit::clubs}, Card{Rank::four, Suit::clubs}};
    t->winners = std::vector<Winner>{{"human", 120, "Two Pair"}, {"bot-7", 40, std::nullopt}};
    t->isHandInProgress = true;
    EXPECT_FALSE(TableViewModel::bannerText(t, 3, "human"));
    t->isHandInProgress = false;
    EXPECT_FALSE(TableViewModel::bannerText(t, 2, "human"));
    EXPECT_EQ(TableViewModel::bannerText(t, 3, "human"),
              QStringLiteral("You win $120 (Two Pair) \u00b7 bot-7 wins $40"));
    t->winners = std::vector<Winner>{{"bot-1", 15, std::string(Winner::opponentsFoldedDescription)}};
    EXPECT_EQ(TableViewModel::bannerText(t, 3, "human"), QStringLiteral("Bot 1 wins $15"));
    t->winners = std::vector<Winner>{{"bot-1", 12500, std::nullopt}};
    EXPECT_EQ(TableViewModel::bannerText(t, 3, "human"), QStringLiteral("Bot 1 wins $12500"))
        << "ungrouped, as the stacks are";
    t->winners = std::vector<Winner>{{"bot-1", 15, std::nullopt}};
    EXPECT_EQ(TableViewModel::winnerAmount(UncalledBet::winnersAsWon(*t), "bot-1"), 15);
    EXPECT_FALSE(TableViewModel::winnerAmount(UncalledBet::winnersAsWon(*t), "human"));
    t->winners = std::vector<Winner>{};
    EXPECT_FALSE(TableViewModel::bannerText(t, 3, "human"));
    EXPECT_FALSE(TableViewModel::bannerText(std::nullopt, 0, "human"));
    EXPECT_EQ(TableViewModel::potAccessibilityLabel(85), "Pot $85");
}

TEST(TableViewModel, CardsLandSeatBySeatFromTheDealersLeftAndOnlyForTheDealtHand) {
    std::optional<TableState> t = table(6, 0, 2);
    const auto steps = TableViewModel::dealSteps(t);
    ASSERT_EQ(steps.size(), 12u);
    EXPECT_EQ(steps[5].seatIndex, 2);
    EXPECT_EQ(steps[11].seatIndex, 2);
    const HandKey hand{1, 4};
    EXPECT_EQ(TableViewModel::cardsLanded(hand, 5, hand, steps, 2), 0);
    EXPECT_EQ(TableViewModel::cardsLanded(hand, 6, hand, steps, 2), 1);
    EXPECT_EQ(TableViewModel::cardsLanded(hand, 12, hand, steps, 2), 2);
    EXPECT_EQ(TableViewModel::cardsLanded(hand, 40, hand, steps, 3), 2);
    EXPECT_EQ(TableViewModel::cardsLanded(hand, 12, HandKey{2, 4}, steps, 2), 0);
    EXPECT_EQ(TableViewModel::cardsLanded(hand, 12, HandKey{1, 5}, steps, 2), 0);

    t->players[4].holeCards.clear();  // sitting out
    const auto fewer = TableViewModel::dealSteps(t);
    EXPECT_EQ(fewer.size(), 10u);
    EXPECT_EQ(TableViewModel::cardsLanded(hand, 10, hand, fewer, 4), 0);
    EXPECT_TRUE(TableViewModel::dealSteps(std::nullopt).empty());
}

// An all-in run-out: the engine has settled the hand while the felt has yet to show its board.
TEST(TableViewModel, AtAShowdownTheAwardWaitsForTheLandedBoardAndTheTurnedCards) {
    std::optional<TableState> t = table(3, 0);
    t->board = {Card{Rank::two, Suit::clubs}, Card{Rank::three, Suit::clubs}, Card{Rank::four, Suit::clubs},
                Card{Rank::nine, Suit::hearts}, Card{Rank::king, Suit::diamonds}};
    t->isHandInProgress = false;
    t->street = Street::showdown;
    t->winners = std::vector<Winner>{{"bot-1", 660, "Flush"}};
    EXPECT_FALSE(TableViewModel::holeCardsTurn(t, 4, 4));
    EXPECT_FALSE(TableViewModel::holeCardsTurn(t, 5, 4)) << "the river still on its way in";
    EXPECT_TRUE(TableViewModel::holeCardsTurn(t, 5, 5));
    EXPECT_FALSE(TableViewModel::awardShown(t, 4, 4, true));
    EXPECT_FALSE(TableViewModel::awardShown(t, 5, 4, true));
    EXPECT_FALSE(TableViewModel::awardShown(t, 5, 5, false));
    EXPECT_TRUE(TableViewModel::awardShown(t, 5, 5, true));

    // Nobody showed down: the award is there at once, board or not.
    t->street = Street::turn;
    t->board.resize(4);
    EXPECT_TRUE(TableViewModel::awardShown(t, 0, 0, false));
    t->isHandInProgress = true;
    t->winners.reset();
    EXPECT_TRUE(TableViewModel::awardShown(t, 0, 0, false));
    EXPECT_FALSE(TableViewModel::holeCardsTurn(t, 4, 4));
    EXPECT_TRUE(TableViewModel::awardShown(std::nullopt, 0, 0, false));
}

TEST(TableViewModel, TheChipsAwardedAreWhatTheStackWasRaisedBy) {
    std::optional<TableState> t = table(3, 0);
    EXPECT_EQ(TableViewModel::chipsAwarded(t, "bot-1"), 0);
    t->winners = std::vector<Winner>{{"bot-1", 400, "Pair"}, {"human", 260, "Pair"}};
    EXPECT_EQ(TableViewModel::chipsAwarded(t, "bot-1"), 400);
    EXPECT_EQ(TableViewModel::chipsAwarded(t, "human"), 260);
    EXPECT_EQ(TableViewModel::chipsAwarded(t, "bot-2"), 0);
    EXPECT_EQ(TableViewModel::chipsAwarded(std::nullopt, "human"), 0);
}

TEST(TableViewModel, ChipsFlyUpToTheFirstAwardUntilTheAwardIsShown) {
    std::vector<EngineEvent> events;
    events.emplace_back(EngineEvent::BlindPosted{"bot-1", BlindKind::small, 5});
    events.emplace_back(EngineEvent::StreetDealt{Street::flop, {}});
    events.emplace_back(EngineEvent::ShowdownRevealed{"bot-1", {}, "Pair"});
    events.emplace_back(EngineEvent::PotAwarded{"bot-1", 40, 0});
    events.emplace_back(EngineEvent::PotAwarded{"human", 20, 1});
    EXPECT_EQ(TableViewModel::flyingEventCount(events, false), 3u);
    EXPECT_EQ(TableViewModel::flyingEventCount(events, true), 5u);
    events.resize(3);
    EXPECT_EQ(TableViewModel::flyingEventCount(events, false), 3u);
    EXPECT_EQ(TableViewModel::flyingEventCount({}, false), 0u);
}

}  // namespace
}  // namespace pellox::app
