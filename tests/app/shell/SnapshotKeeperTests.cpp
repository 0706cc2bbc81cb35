#include <gtest/gtest.h>

#include <memory>

#include "ShellTestSupport.hpp"
#include "rules/Json.hpp"
#include "session/GameSession.hpp"
#include "session/SessionSnapshotStore.hpp"
#include "shell/SnapshotKeeper.hpp"
#include "store/InMemoryStore.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"

namespace pellox::app {
namespace {

using testing::snapshotKey;

// The keeper over a store of its own; update() is called where the event loop would call it.
struct Rig : testing::SessionOnAStore {
    SnapshotKeeper keeper{session, snapshots};

    std::optional<SessionSnapshot> stored() const { return snapshots.load(); }
};

// Heads-up the human holds the button and acts first; after a call the bot acts with the hand going on.
// Nothing looks at the stored hand then, and a crash now must still find it.
TEST(SnapshotKeeper, TheStoredHandStaysWhileABotActsMidHand) {
    Rig rig;
    rig.session.startCashGame(1, 8);
    ASSERT_TRUE(rig.session.isHumanTurn());
    rig.keeper.update();
    const auto atDecision = rig.stored();
    ASSERT_TRUE(atDecision);

    rig.session.submitHumanAction(PlayerActionType::call);
    ASSERT_TRUE(rig.session.table()->isHandInProgress);
    ASSERT_FALSE(rig.session.isHumanTurn());
    rig.keeper.update();
    ASSERT_TRUE(rig.stored()) << "kept while the bot acts";
    EXPECT_EQ(Json(rig.stored()->table), Json(atDecision->table));
}

// The finished hand's stored copy goes with its record, at once; the next game's first decision, whose key
// is the same as the first game's, is stored again.
TEST(SnapshotKeeper, AFinishedHandGoesWithItsRecordAndTheNextGameIsStoredAfresh) {
    Rig rig;
    rig.session.startCashGame(1, 8);
    ASSERT_TRUE(rig.session.isHumanTurn());
    rig.keeper.update();
    const std::string firstKey = GameSession::decisionKey(*rig.session.table());
    ASSERT_TRUE(rig.stored());

    rig.session.submitHumanAction(PlayerActionType::fold);
    ASSERT_EQ(rig.stats.handHistory().size(), 1u);
    EXPECT_FALSE(rig.store->string(snapshotKey)) << "removed with the record, before any later turn";

    rig.session.endSession();
    rig.session.startCashGame(1, 9);
    ASSERT_TRUE(rig.session.isHumanTurn());
    ASSERT_EQ(GameSession::decisionKey(*rig.session.table()), firstKey);
    rig.keeper.update();
    ASSERT_TRUE(rig.stored()) << "the second game's first decision is stored";
    EXPECT_EQ(rig.stored()->sessionSeed, 9);
}

}  // namespace
}  // namespace pellox::app
