#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "SessionTestSupport.hpp"
#include "rules/Json.hpp"
#include "session/SessionSnapshotStore.hpp"

namespace pellox {
namespace {

using testing::SessionRig;

// A snapshot of a real game in the middle of its first hand, with a generator state whose top bit is set.
SessionSnapshot midHandSnapshot() {
    SessionRig rig;
    rig.session.startTournament(3, 99);
    auto s = *rig.session.makeSnapshot();
    s.gameRngState = -5;
    s.eliminationOrder = {};
    return s;
}

Json stored(const SessionSnapshot& s) {
    return Json{{"version", 3}, {"state", s}};
}

std::optional<SessionSnapshot> loadText(const std::string& text) {
    auto store = std::make_shared<InMemoryStore>();
    store->set(text, "pellox-poker-session-snapshot");
    return SessionSnapshotStore(store).load();
}

TEST(SessionSnapshotDocument, RoundTripsEveryFieldUnderItsKey) {
    auto store = std::make_shared<InMemoryStore>();
    SessionSnapshotStore snapshots(store);
    const SessionSnapshot s = midHandSnapshot();
    snapshots.save(s);
    const Json document = Json::parse(*store->string("pellox-poker-session-snapshot"));
    EXPECT_EQ(document.at("version"), 3);
    EXPECT_EQ(document.at("state").size(), 12u);
    EXPECT_EQ(document.at("state").at("gameRngState"), -5);
    const auto loaded = snapshots.load();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(Json(*loaded), Json(s));
    EXPECT_EQ(loaded->currentHandEvents, s.currentHandEvents);
    EXPECT_EQ(loaded->sessionSummary, s.sessionSummary);
    EXPECT_EQ(loaded->botProfiles, s.botProfiles);
    // Loading does not remove; clearing does, and clearing nothing changes nothing.
    EXPECT_TRUE(snapshots.load());
    snapshots.clear();
    EXPECT_FALSE(snapshots.load());
    snapshots.clear();
    EXPECT_TRUE(store->storage.empty());
}

TEST(SessionSnapshotDocument, OtherVersionsAndMissingFieldsReadAsNothing) {
    const SessionSnapshot s = midHandSnapshot();
    Json document = stored(s);
    EXPECT_TRUE(loadText(document.dump()));
    document["version"] = 2;
    EXPECT_FALSE(loadText(document.dump()));
    document = stored(s);
    document["state"].erase("sessionSummary");
    EXPECT_FALSE(loadText(document.dump()));
    document = stored(s);
    document["state"]["sessionSeed"] = 2147483648LL;
    EXPECT_FALSE(loadText(document.dump()));
    EXPECT_FALSE(loadText("{not json"));
}

// Documents that read well but describe a game that cannot go on: none is restored and nothing crashes.
TEST(SessionSnapshotDocument, InconsistentSnapshotsAreTreatedAsAbsent) {
    using Edit = std::function<void(SessionSnapshot&)>;
    const std::vector<std::pair<std::string, Edit>> faults{
        {"seat index out of range", [](SessionSnapshot& s) { s.table.players[1].seatIndex = 7; }},
        {"seat index equal to the player count",
         [](SessionSnapshot& s) {
             s.table.players[1].seatIndex = static_cast<std::int64_t>(s.table.players.size());
         }},
        {"negative seat index", [](SessionSnapshot& s) { s.table.players[1].seatIndex = -1; }},
        {"repeated seat index", [](SessionSnapshot& s) { s.table.players[2].seatIndex = 1; }},
        {"repeated player id", [](SessionSnapshot& s) { s.table.players[2].id = s.table.players[1].id; }},
        {"dealer out of range", [](SessionSnapshot& s) { s.table.dealerSeatIndex = 4; }},
        {"seat to act out of range", [](SessionSnapshot& s) { s.table.currentToActSeatIndex = 9; }},
        {"seat to act has folded", [](SessionSnapshot& s) { s.table.currentPlayer()->hasFolded = true; }},
        {"nobody to act", [](SessionSnapshot& s) { s.table.currentToActSeatIndex.reset(); }},
        {"deck too short", [](SessionSnapshot& s) { s.table.deck.resize(4); }},
        {"repeated card", [](SessionSnapshot& s) { s.table.deck[0] = s.table.players[0].holeCards[0]; }},
        {"board of another street",
         [](SessionSnapshot& s) {
             s.table.board = {s.table.deck[0]};
             s.table.deck.erase(s.table.deck.begin());
         }},
        {"mode without its table", [](SessionSnapshot& s) { s.mode = GameMode::cash; }},
        {"stack near the integer limit",
         [](SessionSnapshot& s) {
             s.table.players[0].stack = std::numeric_limits<std::int64_t>::max() - 10;
         }},
        {"negative stack", [](SessionSnapshot& s) { s.table.players[1].stack = -40; }},
        {"huge starting stack",
         [](SessionSnapshot& s) {
             s.handSeatsSnapshot[0].startingStack = std::numeric_limits<std::int64_t>::max();
         }},
        {"unknown player in the queue", [](SessionSnapshot& s) { s.table.actionQueue.push_back("bot-9"); }},
        {"unknown player eliminated", [](SessionSnapshot& s) { s.eliminationOrder = {"bot-9"}; }},
        {"no players", [](SessionSnapshot& s) { s.table.players.clear(); }},
        {"event amount near the integer limit",
         [](SessionSnapshot& s) {
             s.currentHandEvents.push_back(
                 EngineEvent::PotAwarded{"human", std::numeric_limits<std::int64_t>::min(), 0});
         }},
    };
    for (const auto& [name, edit] : faults) {
        SessionSnapshot s = midHandSnapshot();
        edit(s);
        EXPECT_TRUE(s.inconsistency()) << name;
        EXPECT_FALSE(loadText(stored(s).dump())) << name;

        SessionRig rig;
        rig.session.startCashGame(2, 1);
        const Json before = *rig.session.table();
        rig.session.restore(s);
        EXPECT_EQ(Json(*rig.session.table()), before) << name;
        EXPECT_EQ(rig.session.mode(), GameMode::cash) << name;
    }
}

TEST(SessionSnapshotDocument, NothingToSaveBetweenHands) {
    SessionRig rig;
    EXPECT_FALSE(rig.session.makeSnapshot());
    rig.session.startCashGame(1, 9);
    ASSERT_TRUE(rig.session.makeSnapshot());
    rig.session.submitHumanAction(PlayerActionType::fold);
    EXPECT_FALSE(rig.session.makeSnapshot());
}

TEST(SessionSnapshotRestore, RestoresStatesBitForBitAndClearsWhatIsNotCaptured) {
    SessionRig source;
    source.session.startTournament(3, 41);
    auto s = *source.session.makeSnapshot();
    s.gameRngState = -1;
    s.eliminationOrder = {"bot-2"};
    SessionRig rig;
    rig.session.startCashGame(1, 3);
    rig.session.setPreAction(PreAction::callAny);
    rig.session.restore(s);
    EXPECT_EQ(rig.session.gameRng().s, 4294967295u);
    EXPECT_EQ(rig.session.mode(), GameMode::tournament);
    EXPECT_EQ(rig.session.eliminationOrder(), std::vector<std::string>{"bot-2"});
    EXPECT_FALSE(rig.session.standings());
    EXPECT_FALSE(rig.session.tournamentOver());
    EXPECT_FALSE(rig.session.humanBustedInCash());
    EXPECT_TRUE(rig.session.lastHandGrades().empty());
    EXPECT_EQ(rig.session.preAction(), PreAction::callAny);
    EXPECT_EQ(rig.session.sessionSeed(), 41);
    EXPECT_EQ(rig.session.sessionSummary(), s.sessionSummary);
    EXPECT_EQ(rig.stats.stats().sessions, 1);
}

TEST(SessionSnapshotRestore, HumanToActGetsTheSameAdviceAgain) {
    SessionRig source;
    source.session.startCashGame(1, 23);
    ASSERT_TRUE(source.session.isHumanTurn());
    SessionRig rig;
    rig.session.restore(*source.session.makeSnapshot());
    EXPECT_EQ(rig.session.humanAdviceKey(), source.session.humanAdviceKey());
    EXPECT_EQ(rig.session.humanAdvice(), source.session.humanAdvice());
    EXPECT_EQ(rig.session.adviceRng().s, source.session.adviceRng().s);
}

}  // namespace
}  // namespace pellox
