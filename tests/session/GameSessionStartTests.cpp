#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "SessionTestSupport.hpp"
#include "rules/Json.hpp"

namespace pellox {
namespace {

using testing::SessionRig;

std::vector<std::string> botNamesOf(const GameSession& s) {
    std::vector<std::string> names;
    for (const Player& p : s.table()->players)
        if (p.isBot) names.push_back(p.name);
    return names;
}

TEST(GameSessionStart, SameSeedSameNamesAndFirstDeal) {
    SessionRig a, b;
    a.session.startCashGame(3, 42);
    b.session.startCashGame(3, 42);
    EXPECT_EQ(botNamesOf(a.session), botNamesOf(b.session));
    EXPECT_EQ(Json(*a.session.table()), Json(*b.session.table()));
    EXPECT_EQ(a.session.sessionSeed(), 42);
    EXPECT_EQ(a.session.currentHandSeed(), b.session.currentHandSeed());
}

TEST(GameSessionStart, FiveBotsTakeEveryNameOnceAndASixthRepeatsTheFirst) {
    SessionRig five, six;
    five.session.startCashGame(5, 7);
    six.session.startCashGame(6, 7);
    const auto names = botNamesOf(five.session);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 5u);
    const auto sixNames = botNamesOf(six.session);
    ASSERT_EQ(sixNames.size(), 6u);
    EXPECT_EQ(sixNames[5], sixNames[0]);
    // Seven players are more than the engine deals: no hand.
    EXPECT_FALSE(six.session.table()->isHandInProgress);
}

TEST(GameSessionStart, NamesComeFromTheFirstFourDrawsOfTheGameStream) {
    SessionRig rig;
    rig.session.startCashGame(5, 99);
    SeededRNG rng(RNGStream::seed(99, RNGStream::game));
    std::vector<std::string> expected{"Riverboat Ray", "Nitty Nick", "Maniac Mo", "Calling Cate",
                                      "Solid Sam"};
    for (std::size_t i = 4; i >= 1; --i) {
        const auto j = static_cast<std::size_t>(rng.next() * static_cast<double>(i + 1));
        std::swap(expected[i], expected[j]);
    }
    EXPECT_EQ(botNamesOf(rig.session), expected);
    // The hand seed is the game stream's state right after those draws.
    EXPECT_EQ(rig.session.currentHandSeed(), toStoredSeed(rng.s));
}

TEST(GameSessionStart, CashGameSeatsEveryoneWithTheBuyInAndDealsHandOne) {
    SessionRig rig;
    rig.settings.cashConfig.set(CashGameConfig{5, 10, 1000});
    rig.session.startCashGame(2, 1);
    const TableState& t = *rig.session.table();
    EXPECT_EQ(rig.session.mode(), GameMode::cash);
    EXPECT_EQ(t.handNumber, 1);
    EXPECT_TRUE(t.isHandInProgress);
    EXPECT_EQ(t.smallBlind, 5);
    EXPECT_EQ(t.bigBlind, 10);
    EXPECT_EQ(t.ante, 0);
    for (const HandSeat& seat : rig.session.handSeatsSnapshot())
        EXPECT_EQ(seat.startingStack, 1000);
    EXPECT_EQ(rig.session.humanStackAtHandStart(), 1000);
    const Player& human = *t.player("human");
    EXPECT_EQ(human.seatIndex, 0);
    EXPECT_EQ(human.name, "You");
    EXPECT_EQ(t.dealerSeatIndex, 0);
    EXPECT_EQ(t.players[1].id, "bot-0");
    EXPECT_EQ(t.players[2].id, "bot-1");
}

TEST(GameSessionStart, TournamentTakesTheFirstLevelAndTheStartingStack) {
    SessionRig rig;
    rig.session.startTournament(3, 5);
    const TableState& t = *rig.session.table();
    EXPECT_EQ(rig.session.mode(), GameMode::tournament);
    EXPECT_EQ(t.smallBlind, 10);
    EXPECT_EQ(t.bigBlind, 20);
    EXPECT_EQ(rig.session.humanStackAtHandStart(), 1500);
}

TEST(GameSessionStart, BotProfilesFollowTheDifficulty) {
    SessionRig rig;
    rig.settings.botDifficulty.set(BotDifficulty::normal);
    rig.session.startCashGame(3, 1);
    const auto& profiles = rig.session.botProfiles();
    ASSERT_EQ(profiles.size(), 3u);
    EXPECT_EQ(profiles.at("bot-0"), (BotProfile{BotSkill::intermediate, BotPersonality::tight}));
    EXPECT_EQ(profiles.at("bot-1"), (BotProfile{BotSkill::intermediate, BotPersonality::balanced}));
    EXPECT_EQ(profiles.at("bot-2"), (BotProfile{BotSkill::intermediate, BotPersonality::loose}));
    EXPECT_EQ(profiles.count("human"), 0u);

    std::vector<SeatConfig> seats{{"human", "You", false, 1}};
    for (int i = 0; i < 6; ++i)
        seats.push_back({"bot-" + std::to_string(i), "b", true, 1});
    const auto easy = GameSession::botProfilesFor(seats, BotDifficulty::easy);
    EXPECT_EQ(easy.at("bot-4").personality, BotPersonality::balanced);
    EXPECT_EQ(easy.at("bot-5").personality, BotPersonality::maniac);
    EXPECT_EQ(easy.at("bot-0").skill, BotSkill::beginner);
}

TEST(GameSessionStart, EachStartCountsOneSessionAndSavesBeforeTheFirstHand) {
    SessionRig rig;
    int writesAtFirstHand = -1;
    auto token = rig.session.subscribe(GameSession::Property::currentHandEvents, [&](std::string_view) {
        if (writesAtFirstHand < 0) writesAtFirstHand = rig.store->writes;
    });
    rig.session.startCashGame(2, 3);
    EXPECT_EQ(rig.stats.stats().sessions, 1);
    EXPECT_EQ(writesAtFirstHand, 1);
    rig.session.startTournament(2, 3);
    EXPECT_EQ(rig.stats.stats().sessions, 2);
}

TEST(GameSessionStart, ZeroBotsSeatTheHumanAloneWithoutAHand) {
    SessionRig rig;
    rig.session.startCashGame(0, 3);
    ASSERT_TRUE(rig.session.table());
    EXPECT_EQ(rig.session.table()->players.size(), 1u);
    EXPECT_FALSE(rig.session.table()->isHandInProgress);
    EXPECT_FALSE(rig.session.handReport());
}

TEST(GameSessionStart, EndSessionRestoresEveryInitialValue) {
    SessionRig rig;
    rig.session.startTournament(3, 11);
    rig.session.setPreAction(PreAction::check);
    rig.session.endSession();
    const GameSession& s = rig.session;
    EXPECT_FALSE(s.mode());
    EXPECT_FALSE(s.table());
    EXPECT_TRUE(s.botProfiles().empty());
    EXPECT_TRUE(s.eliminationOrder().empty());
    EXPECT_FALSE(s.standings());
    EXPECT_FALSE(s.tournamentOver());
    EXPECT_FALSE(s.humanBustedInCash());
    EXPECT_EQ(s.sessionSeed(), 0);
    EXPECT_EQ(s.gameRng().s, RNGStream::seed(0, RNGStream::game));
    EXPECT_EQ(s.adviceRng().s, RNGStream::seed(0, RNGStream::advice));
    EXPECT_FALSE(s.humanAdvice());
    EXPECT_FALSE(s.humanAdviceKey());
    EXPECT_EQ(s.sessionSummary(), SessionSummary{});
    EXPECT_TRUE(s.currentHandGrades().empty());
    EXPECT_TRUE(s.lastHandGrades().empty());
    EXPECT_TRUE(s.currentHandEvents().empty());
    EXPECT_TRUE(s.handSeatsSnapshot().empty());
    EXPECT_EQ(s.humanStackAtHandStart(), 0);
    EXPECT_EQ(s.currentHandSeed(), 0);
    EXPECT_FALSE(s.preAction());
    EXPECT_TRUE(s.computesAdviceSynchronously());
    EXPECT_EQ(s.potTotal(), 0);
    EXPECT_FALSE(s.isHumanTurn());
    EXPECT_FALSE(s.humanLegalActions());
}

TEST(GameSessionStart, ObserversLearnWhichPropertyChangedAndEqualWritesStaySilent) {
    SessionRig rig;
    std::vector<std::string> changed;
    auto token = rig.session.subscribe([&](std::string_view name) { changed.emplace_back(name); });
    rig.session.setPreAction(std::nullopt);
    EXPECT_TRUE(changed.empty());
    rig.session.setPreAction(PreAction::callAny);
    EXPECT_EQ(changed, std::vector<std::string>{"preAction"});
    changed.clear();
    rig.session.startCashGame(1, 8);
    for (const char* name : {"mode", "table", "botProfiles", "sessionSeed", "currentHandEvents",
                             "handSeatsSnapshot", "humanStackAtHandStart", "currentHandSeed", "preAction"})
        EXPECT_NE(std::find(changed.begin(), changed.end(), name), changed.end()) << name;
    // Unchanged values are not announced.
    EXPECT_EQ(std::find(changed.begin(), changed.end(), "tournamentOver"), changed.end());
    // The published names are the announced ones; a name no property carries is refused.
    EXPECT_EQ(GameSession::Property::table, "table");
    EXPECT_EQ(GameSession::Property::preAction, "preAction");
    EXPECT_THROW(auto t = rig.session.subscribe("tabel", [](std::string_view) {}), std::invalid_argument);
}

TEST(GameSessionStart, PlayerNameFallsBackToTheId) {
    SessionRig rig;
    EXPECT_EQ(rig.session.playerName("bot-3"), "bot-3");
    rig.session.startCashGame(1, 8);
    EXPECT_EQ(rig.session.playerName("human"), "You");
    EXPECT_EQ(rig.session.playerName("nobody"), "nobody");
}

}  // namespace
}  // namespace pellox
