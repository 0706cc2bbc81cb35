#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "rules/CashGameConfig.hpp"
#include "rules/Json.hpp"
#include "rules/TableState.hpp"
#include "rules/TournamentConfig.hpp"

namespace pellox {
namespace {

Player player(std::string id, bool isBot, std::int64_t stack) {
    Player p;
    p.id = std::move(id);
    p.isBot = isBot;
    p.stack = stack;
    return p;
}

TEST(GameConfigTests, StandardValues) {
    EXPECT_EQ(CashGameConfig::standard, (CashGameConfig{5, 10, 1000}));
    EXPECT_EQ(CashGameConfig{}, CashGameConfig::standard);

    const auto& schedule = TournamentConfig::standardSchedule();
    ASSERT_EQ(schedule.size(), 10u);
    const std::int64_t bigBlinds[] = {20, 30, 50, 100, 150, 200, 300, 400, 600, 800};
    const std::int64_t antes[] = {0, 0, 0, 25, 40, 50, 75, 100, 150, 200};
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(schedule[i].level, static_cast<std::int64_t>(i) + 1);
        EXPECT_EQ(schedule[i].bigBlind, bigBlinds[i]);
        EXPECT_EQ(schedule[i].smallBlind * 2, bigBlinds[i]);
        EXPECT_EQ(schedule[i].ante, antes[i]);
    }
    EXPECT_EQ(schedule[1].smallBlind, 15);
    EXPECT_EQ(&schedule, &TournamentConfig::standardSchedule());

    TournamentConfig standard;
    EXPECT_EQ(standard.startingStack, 1500);
    EXPECT_EQ(standard.handsPerLevel, 10);
    EXPECT_EQ(standard.blindSchedule, schedule);
}

TEST(GameConfigTests, SmallBlindIsHalfTheBigBlindAtLeastOne) {
    for (auto [big, small] : {std::pair{2, 1}, std::pair{10, 5}, std::pair{100, 50}, std::pair{1, 1},
                              std::pair{7, 3}, std::pair{0, 1}, std::pair{-4, 1}}) {
        const CashGameConfig config = CashGameConfig{5, 10, 700}.withBigBlind(big);
        EXPECT_EQ(config, (CashGameConfig{small, big, 700})) << big;
    }
}

TEST(GameConfigTests, BlindLevelForHand) {
    TournamentConfig c;
    EXPECT_EQ(c.blindLevel(1), (BlindLevel{1, 10, 20, 0}));
    EXPECT_EQ(c.blindLevel(10), (BlindLevel{1, 10, 20, 0}));
    EXPECT_EQ(c.blindLevel(11), (BlindLevel{2, 15, 30, 0}));
    EXPECT_EQ(c.blindLevel(31), (BlindLevel{4, 50, 100, 25}));
    EXPECT_EQ(c.blindLevel(91).level, 10);
    EXPECT_EQ(c.blindLevel(500), (BlindLevel{10, 400, 800, 200}));
    EXPECT_EQ(c.blindLevel(0).level, 1);
    EXPECT_EQ(c.blindLevel(-7).level, 1);

    c.handsPerLevel = 3;
    c.blindSchedule = {{1, 1, 2, 0}, {2, 2, 4, 1}};
    EXPECT_EQ(c.blindLevel(3).level, 1);
    EXPECT_EQ(c.blindLevel(4).level, 2);
    EXPECT_EQ(c.blindLevel(1000).level, 2);
}

TEST(GameConfigTests, HandsUntilNextLevel) {
    TournamentConfig c;
    EXPECT_EQ(c.handsUntilNextLevel(1), 10);
    EXPECT_EQ(c.handsUntilNextLevel(10), 1);
    EXPECT_EQ(c.handsUntilNextLevel(11), 10);
    EXPECT_EQ(c.handsUntilNextLevel(85), 6);
    EXPECT_EQ(c.handsUntilNextLevel(90), 1);
    EXPECT_EQ(c.handsUntilNextLevel(91), 0);
    EXPECT_EQ(c.handsUntilNextLevel(5000), 0);
    EXPECT_EQ(c.handsUntilNextLevel(0), 11);
    c.blindSchedule = {{1, 10, 20, 0}};
    EXPECT_EQ(c.handsUntilNextLevel(1), 0);
}

// A configuration outside its limits must still give a level instead of dividing by zero or reading past
// an empty schedule.
TEST(GameConfigTests, HelpersGuardAnUnplayableConfiguration) {
    TournamentConfig zeroHands;
    zeroHands.handsPerLevel = 0;
    EXPECT_EQ(zeroHands.blindLevel(1).level, 1);
    EXPECT_EQ(zeroHands.blindLevel(2).level, 2);
    EXPECT_EQ(zeroHands.blindLevel(50).level, 10);
    EXPECT_EQ(zeroHands.handsUntilNextLevel(1), 1);
    zeroHands.handsPerLevel = -5;
    EXPECT_EQ(zeroHands.blindLevel(3).level, 3);

    TournamentConfig noLevels;
    noLevels.blindSchedule.clear();
    EXPECT_EQ(noLevels.blindLevel(1), (BlindLevel{1, 10, 20, 0}));
    EXPECT_EQ(noLevels.blindLevel(11), (BlindLevel{2, 15, 30, 0}));
    EXPECT_EQ(noLevels.handsUntilNextLevel(1), 10);
    EXPECT_EQ(noLevels.handsUntilNextLevel(95), 0);
}

TEST(GameConfigTests, ExtremeHandNumbersAndLevelLengthsStayDefined) {
    constexpr auto lowest = std::numeric_limits<std::int64_t>::min();
    constexpr auto highest = std::numeric_limits<std::int64_t>::max();
    TournamentConfig c;
    EXPECT_EQ(c.blindLevel(lowest).level, 1);
    EXPECT_EQ(c.blindLevel(highest).level, 10);
    EXPECT_EQ(c.handsUntilNextLevel(-5), 16);
    EXPECT_EQ(c.handsUntilNextLevel(lowest), highest);
    EXPECT_EQ(c.handsUntilNextLevel(highest), 0);
    c.handsPerLevel = highest;
    EXPECT_EQ(c.blindLevel(highest).level, 1);
    EXPECT_EQ(c.handsUntilNextLevel(1), highest);
    EXPECT_EQ(c.handsUntilNextLevel(0), highest);
}

TEST(GameConfigTests, PayoutsAndStandings) {
    EXPECT_EQ(TournamentConfig::payoutFractions(2), (std::vector<double>{1.0}));
    for (int size : {3, 4, 5})
        EXPECT_EQ(TournamentConfig::payoutFractions(size), (std::vector<double>{0.65, 0.35}));
    for (int size : {0, 1, 6, 7, 10})
        EXPECT_EQ(TournamentConfig::payoutFractions(size), (std::vector<double>{0.5, 0.3, 0.2}));

    auto six = TournamentConfig::standings({"A", "B", "C", "D", "E", "F"}, {"D", "E", "B", "C", "F"}, "A");
    EXPECT_EQ(six,
              (std::vector<Standing>{
                  {"A", 1, 0.5}, {"F", 2, 0.3}, {"C", 3, 0.2}, {"B", 4, 0.0}, {"E", 5, 0.0}, {"D", 6, 0.0}}));

    auto two = TournamentConfig::standings({"human", "b1"}, {"b1"}, "human");
    EXPECT_EQ(two, (std::vector<Standing>{{"human", 1, 1.0}, {"b1", 2, 0.0}}));

    auto seven =
        TournamentConfig::standings({"a", "b", "c", "d", "e", "f", "g"}, {"g", "f", "e", "d", "c", "b"}, "a");
    ASSERT_EQ(seven.size(), 7u);
    EXPECT_EQ(seven[2], (Standing{"c", 3, 0.2}));
    EXPECT_EQ(seven[6], (Standing{"g", 7, 0.0}));

    EXPECT_EQ((Standing{"a", 4, -0.0}), (Standing{"a", 4, 0.0}));
}

TEST(GameConfigTests, EliminationAndEnd) {
    Player busted = player("b1", true, 0);
    Player alreadyOut = player("b2", true, 0);
    alreadyOut.isEliminated = true;
    alreadyOut.lastAction = LastAction{LastActionType::allIn, 300};
    Player negative = player("b3", true, -5);
    Player withChips = player("human", false, 1);
    withChips.hasFolded = true;

    auto after = TournamentConfig::eliminateBustedPlayers({busted, alreadyOut, negative, withChips});
    ASSERT_EQ(after.size(), 4u);
    EXPECT_TRUE(after[0].isEliminated && after[0].isSittingOut);
    EXPECT_EQ(after[0].id, "b1");
    EXPECT_EQ(after[1], alreadyOut);
    EXPECT_TRUE(after[2].isEliminated && after[2].isSittingOut);
    EXPECT_EQ(after[3], withChips);

    EXPECT_TRUE(TournamentConfig::isFinished(after));
    EXPECT_TRUE(TournamentConfig::isFinished({}));
    Player out = player("x", true, 0);
    out.isEliminated = true;
    EXPECT_FALSE(TournamentConfig::isFinished({player("a", false, 0), out, player("b", true, 0)}));
}

TEST(GameConfigTests, CashRefillTopsUpBustedBotsOnly) {
    Player bot = player("b1", true, 0);
    bot.isSittingOut = true;
    bot.isEliminated = true;
    bot.holeCards = {{Rank::ace, Suit::clubs}, {Rank::two, Suit::clubs}};
    Player shortBot = player("b2", true, 3);
    Player human = player("human", false, 0);
    Player owing = player("b3", true, -20);

    auto after = CashGameConfig::rebuyBustedBots({bot, shortBot, human, owing}, 1000);
    EXPECT_EQ(after[0].stack, 1000);
    EXPECT_FALSE(after[0].isSittingOut || after[0].isEliminated);
    EXPECT_EQ(after[0].holeCards, bot.holeCards);
    EXPECT_EQ(after[1], shortBot);
    EXPECT_EQ(after[2], human);
    EXPECT_EQ(after[3].stack, 1000);
}

TEST(GameConfigTests, JsonShapesAndRoundTrips) {
    EXPECT_EQ(Json(CashGameConfig::standard),
              Json::parse(R"({"smallBlind":5,"bigBlind":10,"defaultBuyIn":1000})"));
    EXPECT_EQ(Json(BlindLevel{4, 50, 100, 25}),
              Json::parse(R"({"level":4,"smallBlind":50,"bigBlind":100,"ante":25})"));
    Json t = TournamentConfig{};
    EXPECT_EQ(t["startingStack"], 1500);
    EXPECT_EQ(t["handsPerLevel"], 10);
    ASSERT_EQ(t["blindSchedule"].size(), 10u);
    EXPECT_EQ(t["blindSchedule"][4], Json::parse(R"({"level":5,"smallBlind":75,"bigBlind":150,"ante":40})"));

    TournamentConfig custom{2000, 4, {{1, 5, 10, 0}, {2, 10, 20, 5}}};
    EXPECT_EQ(Json::parse(Json(custom).dump()).get<TournamentConfig>(), custom);
    CashGameConfig cash{25, 50, 5000};
    EXPECT_EQ(Json::parse(Json(cash).dump()).get<CashGameConfig>(), cash);

    Json extra = Json(cash);
    extra["currency"] = "chips";
    EXPECT_EQ(extra.get<CashGameConfig>(), cash);
}

TEST(GameConfigTests, ReadingIsStrict) {
    const Json cash = CashGameConfig::standard;
    for (const char* key : {"smallBlind", "bigBlind", "defaultBuyIn"}) {
        Json j = cash;
        j.erase(key);
        EXPECT_THROW(j.get<CashGameConfig>(), Json::exception) << key;
        j = cash;
        j[key] = 10.5;
        EXPECT_THROW(j.get<CashGameConfig>(), Json::exception) << key;
    }
    const Json tournament = TournamentConfig{};
    for (const char* key : {"startingStack", "handsPerLevel", "blindSchedule"}) {
        Json j = tournament;
        j.erase(key);
        EXPECT_THROW(j.get<TournamentConfig>(), Json::exception) << key;
    }
    for (const char* key : {"level", "smallBlind", "bigBlind", "ante"}) {
        Json j = tournament;
        j["blindSchedule"][3].erase(key);
        EXPECT_THROW(j.get<TournamentConfig>(), Json::exception) << key;
    }
    Json wrongType = tournament;
    wrongType["blindSchedule"] = Json::object();
    EXPECT_THROW(wrongType.get<TournamentConfig>(), Json::exception);
    wrongType = tournament;
    wrongType["startingStack"] = "1500";
    EXPECT_THROW(wrongType.get<TournamentConfig>(), Json::exception);
}

TEST(GameConfigTests, AnUnplayableStoredTournamentIsRefused) {
    Json j = TournamentConfig{};
    j["handsPerLevel"] = 0;
    EXPECT_THROW(j.get<TournamentConfig>(), Json::exception);
    j["handsPerLevel"] = -3;
    EXPECT_THROW(j.get<TournamentConfig>(), Json::exception);
    j["handsPerLevel"] = 1;
    EXPECT_EQ(j.get<TournamentConfig>().handsPerLevel, 1);
    j["blindSchedule"] = Json::array();
    EXPECT_THROW(j.get<TournamentConfig>(), Json::exception);
}

}  // namespace
}  // namespace pellox
