#include <gtest/gtest.h>

#include <memory>

#include "ShellTestSupport.hpp"
#include "rules/Json.hpp"
#include "session/GameSession.hpp"
#include "session/SessionSnapshotStore.hpp"
#include "shell/ResumeOffer.hpp"
#include "store/InMemoryStore.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"
#include "store/WriteCountingStore.hpp"

namespace pellox::app {
namespace {

using testing::midHandSnapshot;

using testing::snapshotKey;

struct Rig : testing::SessionOnAStore {
    // Plays the current hand to its end with a human who folds.
    void finishHand() {
        for (int i = 0; i < 200 && session.table()->isHandInProgress; ++i) {
            if (session.isHumanTurn())
                session.submitHumanAction(PlayerActionType::fold);
            else
                session.playBotTurn();
        }
        ASSERT_FALSE(session.table()->isHandInProgress);
    }
};

TEST(ResumeOffer, AlertTextsNameTheMode) {
    EXPECT_EQ(resumeAlertTitle, "Resume your hand?");
    EXPECT_EQ(resumeAlertMessage(GameMode::cash), "A cash game hand was still in progress when you left.");
    EXPECT_EQ(resumeAlertMessage(GameMode::tournament),
              "A tournament hand was still in progress when you left.");
    EXPECT_EQ(resumeButtonTitle, "Resume");
    EXPECT_EQ(startFreshButtonTitle, "Start fresh");
}

TEST(ResumeOffer, AStoredHandIsOfferedOnceAndItsKeyRemoved) {
    Rig rig;
    const SessionSnapshot stored = midHandSnapshot(GameMode::tournament);
    rig.snapshots.save(stored);
    const auto offered = offerResume(false, rig.session, rig.snapshots);
    ASSERT_TRUE(offered);
    EXPECT_EQ(offered->mode, GameMode::tournament);
    EXPECT_EQ(Json(offered->table), Json(stored.table));
    EXPECT_FALSE(rig.store->string(snapshotKey));
    EXPECT_FALSE(offerResume(false, rig.session, rig.snapshots));
}

TEST(ResumeOffer, NothingIsTouchedWhileAGameRunsOrTheRootViewPlays) {
    Rig rig;
    rig.snapshots.save(midHandSnapshot(GameMode::cash));
    EXPECT_FALSE(offerResume(true, rig.session, rig.snapshots));
    EXPECT_TRUE(rig.store->string(snapshotKey));
    rig.session.startCashGame(1, 3);
    EXPECT_FALSE(offerResume(false, rig.session, rig.snapshots));
    EXPECT_TRUE(rig.store->string(snapshotKey));
}

TEST(ResumeOffer, UnreadableOtherVersionOrUnplayableDocumentsGiveNoOfferAndAreRemoved) {
    Json document = Json::parse(*SessionSnapshotStore::persisted.encode(midHandSnapshot(GameMode::cash)));
    Json otherVersion = document;
    otherVersion["version"] = 2;
    Json seatOutOfRange = document;
    seatOutOfRange["state"]["table"]["currentToActSeatIndex"] = 9;
    Json dealerOutOfRange = document;
    dealerOutOfRange["state"]["table"]["dealerSeatIndex"] = -1;
    Json repeatedCard = document;
    auto& players = repeatedCard["state"]["table"]["players"];
    players[1]["holeCards"] = players[0]["holeCards"];
    Json noSummary = document;
    noSummary["state"].erase("sessionSummary");

    {
        Rig control;
        control.store->set(document.dump(), snapshotKey);
        ASSERT_TRUE(offerResume(false, control.session, control.snapshots)) << "the untouched document reads";
    }
    for (const std::string& text : {std::string("{not json"), otherVersion.dump(), seatOutOfRange.dump(),
                                    dealerOutOfRange.dump(), repeatedCard.dump(), noSummary.dump()}) {
        Rig rig;
        rig.store->set(text, snapshotKey);
        EXPECT_FALSE(offerResume(false, rig.session, rig.snapshots)) << text.substr(0, 60);
        EXPECT_FALSE(rig.store->string(snapshotKey));
    }
}

// A file may hold a finished hand both as the newest record and as the unfinished hand (written by an older
// build that crashed between the two): played again, the hand would be recorded twice. It is removed without
// an offer.
TEST(ResumeOffer, AStoredHandThatIsTheNewestRecordIsNotOffered) {
    Rig rig;
    rig.session.startCashGame(2, 515);
    const SessionSnapshot stored = *rig.session.makeSnapshot();
    rig.finishHand();
    ASSERT_EQ(rig.stats.handHistory().front().id, stored.handId());
    rig.session.endSession();

    rig.snapshots.save(stored);
    EXPECT_FALSE(offerResume(false, rig.session, rig.snapshots));
    EXPECT_FALSE(rig.store->string(snapshotKey));

    // Once another hand is recorded, the same hand is one of a game replayed from the same seed, whose
    // hands have the same ids as the first game's: it is offered.
    rig.session.startCashGame(2, 516);
    rig.finishHand();
    rig.session.endSession();
    rig.snapshots.save(stored);
    EXPECT_TRUE(offerResume(false, rig.session, rig.snapshots));
}

// Each unreadable hand is kept under a name of its own, kept and removed in one write: a crash between the
// two would keep it twice.
TEST(ResumeOffer, ASecondUnreadableHandIsKeptBesideTheFirst) {
    Rig rig;
    rig.store->set("{first", snapshotKey);
    EXPECT_FALSE(offerResume(false, rig.session, rig.snapshots));
    rig.store->set("{second", snapshotKey);
    EXPECT_FALSE(offerResume(false, rig.session, rig.snapshots));
    EXPECT_EQ(rig.store->string(snapshotKey + ".unreadable"), "{first");
    EXPECT_EQ(rig.store->string(snapshotKey + ".unreadable-2"), "{second");
    EXPECT_FALSE(rig.store->string(snapshotKey));

    auto file = std::make_shared<test::WriteCountingStore>();
    file->values.set("{third", snapshotKey);
    SessionSnapshotStore snapshots(file);
    EXPECT_FALSE(offerResume(false, rig.session, snapshots));
    EXPECT_EQ(file->writes, 1);
    EXPECT_EQ(file->string(snapshotKey + ".unreadable"), "{third");
    EXPECT_FALSE(file->string(snapshotKey));
}

TEST(ResumeOffer, QuittingMidHandStoresTheHandAndBetweenHandsRemovesIt) {
    Rig rig;
    rig.session.startCashGame(3, 41);
    saveSnapshotOnQuit(rig.session, rig.snapshots);
    const auto stored = rig.snapshots.load();
    ASSERT_TRUE(stored);
    EXPECT_EQ(Json(stored->table), Json(*rig.session.table()));

    rig.finishHand();
    saveSnapshotOnQuit(rig.session, rig.snapshots);
    EXPECT_FALSE(rig.store->string(snapshotKey));

    rig.snapshots.save(*stored);
    rig.session.endSession();
    saveSnapshotOnQuit(rig.session, rig.snapshots);
    EXPECT_FALSE(rig.store->string(snapshotKey));
}

TEST(ResumeOffer, StartFreshThenAQuitWithoutAHandLeavesNothingForTheNextLaunch) {
    Rig rig;
    rig.snapshots.save(midHandSnapshot(GameMode::cash));
    ASSERT_TRUE(offerResume(false, rig.session, rig.snapshots));
    saveSnapshotOnQuit(rig.session, rig.snapshots);
    EXPECT_FALSE(offerResume(false, rig.session, rig.snapshots));
}

// A quit while "Resume your hand?" waits for its answer stores the offered hand back for the next launch.
TEST(ResumeOffer, AQuitBeforeTheQuestionIsAnsweredKeepsTheHand) {
    Rig rig;
    rig.snapshots.save(midHandSnapshot(GameMode::tournament));
    const auto offered = offerResume(false, rig.session, rig.snapshots);
    ASSERT_TRUE(offered);
    EXPECT_FALSE(rig.store->string(snapshotKey)) << "a crash now does not offer it again";
    saveSnapshotOnQuit(rig.session, rig.snapshots, offered);
    const auto next = offerResume(false, rig.session, rig.snapshots);
    ASSERT_TRUE(next);
    EXPECT_EQ(Json(next->table), Json(offered->table));
}

TEST(ResumeOffer, AResumedHandIsTheStoredOne) {
    Rig before;
    before.session.startCashGame(2, 1234);
    before.snapshots.save(*before.session.makeSnapshot());

    Rig after;
    after.store->storage = before.store->storage;
    const auto offered = offerResume(false, after.session, after.snapshots);
    ASSERT_TRUE(offered);
    after.session.restore(*offered);
    EXPECT_EQ(Json(*after.session.table()), Json(*before.session.table()));
    EXPECT_EQ(after.session.gameRng().s, before.session.gameRng().s);
}

}  // namespace
}  // namespace pellox::app
