#include <gtest/gtest.h>

#include <limits>

#include "rules/Json.hpp"
#include "rules/LegalActions.hpp"
#include "rules/PlayerAction.hpp"
#include "rules/TableState.hpp"

namespace pellox {
namespace {

Card card(Rank r, Suit s) {
    return Card{r, s};
}

std::vector<SeatConfig> threeSeats() {
    return {{"human", "You", false, 1000}, {"b1", "Ann", true, 800}, {"b2", "Bob", true, 1200}};
}

void expectSameTable(const TableState& a, const TableState& b) {
    EXPECT_EQ(a.mode, b.mode);
    EXPECT_EQ(a.players, b.players);
    EXPECT_EQ(a.deck, b.deck);
    EXPECT_EQ(a.board, b.board);
    EXPECT_EQ(a.pots, b.pots);
    EXPECT_EQ(a.street, b.street);
    EXPECT_EQ(a.dealerSeatIndex, b.dealerSeatIndex);
    EXPECT_EQ(a.currentToActSeatIndex, b.currentToActSeatIndex);
    EXPECT_EQ(a.smallBlind, b.smallBlind);
    EXPECT_EQ(a.bigBlind, b.bigBlind);
    EXPECT_EQ(a.ante, b.ante);
    EXPECT_EQ(a.currentBet, b.currentBet);
    EXPECT_EQ(a.minRaise, b.minRaise);
    EXPECT_EQ(a.lastFullBetTo, b.lastFullBetTo);
    EXPECT_EQ(a.noRaiseActorIds, b.noRaiseActorIds);
    EXPECT_EQ(a.raisesThisStreet, b.raisesThisStreet);
    EXPECT_EQ(a.handNumber, b.handNumber);
    EXPECT_EQ(a.isHandInProgress, b.isHandInProgress);
    EXPECT_EQ(a.actionQueue, b.actionQueue);
    EXPECT_EQ(a.winners, b.winners);
}

// A turn-street table with every optional field present and every list filled.
TableState midHand() {
    TableState t(GameMode::tournament, threeSeats(), 25, 50, 5);
    t.players[0].holeCards = {card(Rank::ace, Suit::spades), card(Rank::king, Suit::hearts)};
    t.players[0].position = Position::utg1;
    t.players[0].streetContribution = 100;
    t.players[0].totalContribution = 180;
    t.players[0].lastAction = LastAction{LastActionType::raise, 100};
    t.players[1].holeCards = {card(Rank::two, Suit::clubs), card(Rank::seven, Suit::diamonds)};
    t.players[1].hasFolded = true;
    t.players[1].lastAction = LastAction{LastActionType::fold, std::nullopt};
    t.players[2].holeCards = {card(Rank::ten, Suit::clubs), card(Rank::ten, Suit::diamonds)};
    t.players[2].isAllIn = true;
    t.players[2].stack = 0;
    t.players[2].lastAction = LastAction{LastActionType::postBlind, 50};
    t.deck = {card(Rank::three, Suit::hearts), card(Rank::four, Suit::hearts)};
    t.board = {card(Rank::queen, Suit::spades), card(Rank::jack, Suit::spades), card(Rank::five, Suit::clubs),
               card(Rank::nine, Suit::hearts)};
    t.pots = {{300, {"human", "b2"}}, {60, {"human"}}};
    t.street = Street::turn;
    t.dealerSeatIndex = 2;
    t.currentToActSeatIndex = 0;
    t.currentBet = 100;
    t.minRaise = 100;
    t.lastFullBetTo = 100;
    t.noRaiseActorIds = {"b1"};
    t.raisesThisStreet = 1;
    t.handNumber = 12;
    t.isHandInProgress = true;
    t.actionQueue = {"human"};
    t.winners = std::vector<Winner>{{"human", 360, "Two Pair"}, {"b2", 0, std::nullopt}};
    return t;
}

TEST(TableStateTests, FreshTableFromThreeSeats) {
    TableState t(GameMode::cash, threeSeats(), 5, 10, 2);
    ASSERT_EQ(t.players.size(), 3u);
    const std::int64_t stacks[] = {1000, 800, 1200};
    const char* ids[] = {"human", "b1", "b2"};
    for (std::size_t k = 0; k < 3; ++k) {
        const Player& p = t.players[k];
        EXPECT_EQ(p.id, ids[k]);
        EXPECT_EQ(p.seatIndex, static_cast<std::int64_t>(k));
        EXPECT_EQ(p.stack, stacks[k]);
        EXPECT_EQ(p.position, Position::btn);
        EXPECT_TRUE(p.holeCards.empty());
        EXPECT_FALSE(p.hasFolded || p.isAllIn || p.isSittingOut || p.isEliminated);
        EXPECT_EQ(p.streetContribution + p.totalContribution, 0);
        EXPECT_FALSE(p.lastAction);
    }
    EXPECT_EQ(t.players[1].name, "Ann");
    EXPECT_TRUE(t.players[1].isBot);
    EXPECT_FALSE(t.players[0].isBot);
    EXPECT_EQ(t.mode, GameMode::cash);
    EXPECT_EQ(t.smallBlind, 5);
    EXPECT_EQ(t.bigBlind, 10);
    EXPECT_EQ(t.ante, 2);
    EXPECT_EQ(t.minRaise, 10);
    EXPECT_EQ(t.street, Street::preflop);
    EXPECT_EQ(t.handNumber, 0);
    EXPECT_FALSE(t.isHandInProgress);
    EXPECT_FALSE(t.currentToActSeatIndex);
    EXPECT_FALSE(t.winners);
    EXPECT_TRUE(t.deck.empty() && t.board.empty() && t.pots.empty());
    EXPECT_TRUE(t.actionQueue.empty() && t.noRaiseActorIds.empty());
    EXPECT_EQ(t.currentBet + t.lastFullBetTo + t.raisesThisStreet + t.dealerSeatIndex, 0);

    TableState empty;
    EXPECT_TRUE(empty.players.empty());
    EXPECT_EQ(empty.potTotal(), 0);
}

TEST(TableStateTests, PlayerLookups) {
    TableState t(GameMode::cash, threeSeats(), 5, 10, 0);
    ASSERT_NE(t.player("b2"), nullptr);
    EXPECT_EQ(t.player("b2")->name, "Bob");
    EXPECT_EQ(t.player("B2"), nullptr);
    EXPECT_EQ(t.player("b"), nullptr);
    ASSERT_NE(t.playerAtSeat(1), nullptr);
    EXPECT_EQ(t.playerAtSeat(1)->id, "b1");
    EXPECT_EQ(t.playerAtSeat(3), nullptr);
    EXPECT_EQ(t.playerAtSeat(-1), nullptr);
    EXPECT_EQ(t.currentPlayer(), nullptr);
    t.currentToActSeatIndex = 2;
    ASSERT_NE(t.currentPlayer(), nullptr);
    EXPECT_EQ(t.currentPlayer()->id, "b2");
    t.currentToActSeatIndex = 7;
    EXPECT_EQ(t.currentPlayer(), nullptr);

    // Seats are found by seatIndex, not by list position.
    std::swap(t.players[0], t.players[2]);
    EXPECT_EQ(t.playerAtSeat(0)->id, "human");
    // The first match wins when ids repeat.
    t.players[2].id = "b1";
    EXPECT_EQ(t.player("b1")->seatIndex, 1);

    t.player("b2")->stack = 5;
    EXPECT_EQ(t.players[0].stack, 5);
}

TEST(TableStateTests, OpponentCountCountsPlayersStillContesting) {
    std::vector<SeatConfig> seats = threeSeats();
    seats.push_back({"b3", "Cy", true, 500});
    TableState t(GameMode::cash, seats, 5, 10, 0);
    EXPECT_EQ(t.opponentCount("human"), 0);  // nobody dealt in yet
    for (Player& p : t.players)
        p.holeCards = {card(Rank::two, Suit::clubs), card(Rank::three, Suit::clubs)};
    t.players[3].hasFolded = true;
    t.players[2].isAllIn = true;
    EXPECT_EQ(t.opponentCount("human"), 2);
    EXPECT_EQ(t.opponentCount("b2"), 2);
    EXPECT_EQ(t.opponentCount("nobody"), 3);
    t.players[1].holeCards.clear();  // sitting out: not dealt in
    EXPECT_EQ(t.opponentCount("human"), 1);
}

TEST(TableStateTests, PotTotals) {
    TableState t(GameMode::cash, threeSeats(), 5, 10, 0);
    t.players[0].totalContribution = 10;
    t.players[0].streetContribution = 10;
    t.players[1].totalContribution = 30;
    t.players[1].streetContribution = 20;
    EXPECT_EQ(t.potTotal(), 40);
    EXPECT_EQ(t.potTotal("human"), 30);
    EXPECT_EQ(t.potTotal("b1"), 20);
    EXPECT_EQ(t.potTotal("b2"), 40);
    EXPECT_EQ(t.potTotal("nobody"), 40);
}

TEST(TableStateTests, RestackAddsChipsAndBringsThePlayerBack) {
    auto players = TableState::playersFrom(threeSeats());
    players[0].stack = 0;
    players[0].isSittingOut = true;
    players[0].isEliminated = true;
    players[0].lastAction = LastAction{LastActionType::call, 40};
    auto restacked = TableState::restack(players, "human", 1000);
    EXPECT_EQ(restacked[0].stack, 1000);
    EXPECT_FALSE(restacked[0].isSittingOut);
    EXPECT_FALSE(restacked[0].isEliminated);
    EXPECT_EQ(restacked[0].lastAction, players[0].lastAction);
    EXPECT_EQ(restacked[1], players[1]);
    EXPECT_EQ(TableState::restack(restacked, "b1", 25)[1].stack, 825);
    EXPECT_EQ(TableState::restack(players, "nobody", 1000), players);
}

TEST(TableStateTests, ValueTypesCompareEveryField) {
    Player a = TableState::playersFrom(threeSeats())[0];
    Player b = a;
    EXPECT_EQ(a, b);
    b.lastAction = LastAction{LastActionType::check, std::nullopt};
    EXPECT_NE(a, b);
    a.lastAction = LastAction{LastActionType::check, 0};
    EXPECT_NE(a, b);
    EXPECT_NE((PlayerAction{PlayerActionType::bet, std::nullopt}), (PlayerAction{PlayerActionType::bet, 20}));
    EXPECT_NE((Winner{"a", 10, std::nullopt}), (Winner{"a", 10, "Flush"}));
    EXPECT_NE((Pot{10, {"a", "b"}}), (Pot{10, {"b", "a"}}));

    LegalActions legal = LegalActions::none;
    EXPECT_FALSE(legal.canFold || legal.canCheck || legal.canCall || legal.canBet || legal.canRaise ||
                 legal.canAllIn);
    EXPECT_EQ(legal.callAmount + legal.minRaiseTo + legal.maxRaiseTo + legal.allInAmount, 0);
    legal.allInAmount = 1;
    EXPECT_NE(legal, LegalActions::none);
    EXPECT_EQ(Winner::opponentsFoldedDescription, "Opponents folded");
}

TEST(TableStateTests, EnumerationsUseTheirRawStrings) {
    EXPECT_EQ(Json(Position::utg1), "UTG1");
    EXPECT_EQ(displayName(Position::utg1), "Under the Gun 2");
    EXPECT_EQ(displayName(Position::mp1), "Middle Position 2");
    EXPECT_THROW(Json("utg1").get<Position>(), Json::exception);
    EXPECT_THROW(Json("UTG2").get<Position>(), Json::exception);

    std::vector<std::string> raws;
    for (LastActionType type : allCases<LastActionType>())
        raws.emplace_back(rawValue(type));
    EXPECT_EQ(raws,
              (std::vector<std::string>{"fold", "check", "call", "bet", "raise", "all-in", "post-blind"}));
    EXPECT_EQ(parse<LastActionType>("post-blind"), LastActionType::postBlind);
    EXPECT_EQ(parse<LastActionType>("postBlind"), std::nullopt);
    EXPECT_EQ(parse<LastActionType>("allIn"), std::nullopt);
}

TEST(TableStateTests, OptionalFieldsAreLeftOutWhenAbsent) {
    Json fresh = TableState(GameMode::cash, threeSeats(), 5, 10, 0);
    EXPECT_FALSE(fresh.contains("currentToActSeatIndex"));
    EXPECT_FALSE(fresh.contains("winners"));
    EXPECT_EQ(fresh.size(), 18u);
    EXPECT_FALSE(fresh["players"][0].contains("lastAction"));
    EXPECT_EQ(fresh["players"][0].size(), 13u);
    TableState back = fresh.get<TableState>();
    EXPECT_FALSE(back.currentToActSeatIndex);
    EXPECT_FALSE(back.winners);

    EXPECT_EQ(Json(PlayerAction{PlayerActionType::bet, std::nullopt}), Json::parse(R"({"type":"bet"})"));
    EXPECT_EQ(Json(PlayerAction{PlayerActionType::raise, 120}),
              Json::parse(R"({"type":"raise","amount":120})"));
    EXPECT_EQ(Json(LastAction{LastActionType::postBlind, 5}),
              Json::parse(R"({"type":"post-blind","amount":5})"));
    EXPECT_EQ(Json(Winner{"b1", 40, std::nullopt}), Json::parse(R"({"playerId":"b1","amount":40})"));
    EXPECT_EQ(Json(Pot{40, {"b1"}}), Json::parse(R"({"amount":40,"eligiblePlayerIds":["b1"]})"));
}

TEST(TableStateTests, MidHandTableRoundTrips) {
    TableState t = midHand();
    Json j = t;
    EXPECT_EQ(j.size(), 20u);
    EXPECT_EQ(j["players"][0]["position"], "UTG1");
    EXPECT_EQ(j["players"][2]["lastAction"], Json::parse(R"({"type":"post-blind","amount":50})"));
    EXPECT_EQ(j["players"][1]["lastAction"], Json::parse(R"({"type":"fold"})"));
    EXPECT_EQ(j["winners"][0]["handDescription"], "Two Pair");
    EXPECT_FALSE(j["winners"][1].contains("handDescription"));
    EXPECT_EQ(j["mode"], "tournament");
    EXPECT_EQ(j["street"], "turn");
    expectSameTable(j.get<TableState>(), t);
    // Through text as a store would keep it.
    expectSameTable(Json::parse(j.dump()).get<TableState>(), t);

    TableState noWinners = t;
    noWinners.winners = std::vector<Winner>{};
    expectSameTable(Json(noWinners).get<TableState>(), noWinners);
}

TEST(TableStateTests, ReadingIsStrict) {
    const Json good = midHand();
    auto fails = [](const Json& j) { EXPECT_THROW(j.get<TableState>(), Json::exception) << j.dump(); };

    for (const auto& [key, _] : good.items()) {
        if (key == "currentToActSeatIndex" || key == "winners") continue;
        Json j = good;
        j.erase(key);
        fails(j);
    }
    for (const char* key :
         {"id", "name", "isBot", "stack", "holeCards", "position", "seatIndex", "hasFolded", "isAllIn",
          "isSittingOut", "isEliminated", "streetContribution", "totalContribution"}) {
        Json j = good;
        j["players"][1].erase(key);
        fails(j);
    }
    auto with = [&](const Json::json_pointer& at, Json value) {
        Json j = good;
        j[at] = std::move(value);
        return j;
    };
    fails(with("/mode"_json_pointer, "Cash"));
    fails(with("/street"_json_pointer, "Turn"));
    fails(with("/players/0/position"_json_pointer, "UTG2"));
    fails(with("/players/0/lastAction/type"_json_pointer, "postBlind"));
    fails(with("/players/0/lastAction/amount"_json_pointer, nullptr));
    fails(with("/players/0/stack"_json_pointer, 10.0));
    fails(with("/players/0/stack"_json_pointer, "10"));
    fails(with("/players/0/stack"_json_pointer, std::numeric_limits<std::uint64_t>::max()));
    fails(with("/players/0/isBot"_json_pointer, 0));
    fails(with("/players/0/holeCards/0"_json_pointer, "As"));
    fails(with("/pots/0/eligiblePlayerIds"_json_pointer, Json::array({1})));
    fails(with("/pots/0"_json_pointer, Json::object()));
    fails(with("/winners/0/playerId"_json_pointer, nullptr));
    fails(with("/currentToActSeatIndex"_json_pointer, nullptr));
    fails(with("/players"_json_pointer, Json::object()));
    fails(Json::array());

    Json extra = good;
    extra["unknown"] = 1;
    extra["players"][0]["nickname"] = "x";
    expectSameTable(extra.get<TableState>(), midHand());
}

}  // namespace
}  // namespace pellox
