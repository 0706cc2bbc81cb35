#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "SessionTestSupport.hpp"

namespace pellox {
namespace {

using testing::HeadlessDriver;
using testing::ManualAdviceScheduler;
using testing::SessionRig;

constexpr std::uint32_t increment = 0x6D2B79F5u;

TEST(GameSessionAdvice, DecisionKeyJoinsHandStreetBetAndRaises) {
    TableState t;
    t.handNumber = 7;
    t.street = Street::flop;
    t.currentBet = 40;
    t.raisesThisStreet = 1;
    EXPECT_EQ(GameSession::decisionKey(t), "7:flop:40:1");
}

TEST(GameSessionAdvice, NewKeyForksTheAdviceStreamOnceAndRefreshingAgainDoesNothing) {
    SessionRig rig;
    rig.session.startCashGame(1, 17);
    ASSERT_TRUE(rig.session.isHumanTurn());
    EXPECT_EQ(rig.session.humanAdviceKey(), GameSession::decisionKey(*rig.session.table()));
    EXPECT_EQ(rig.session.adviceRng().s, RNGStream::seed(17, RNGStream::advice) + increment);
    ASSERT_TRUE(rig.session.humanAdvice());
    const auto advice = rig.session.humanAdvice();
    rig.session.refreshHumanAdvice();
    EXPECT_EQ(rig.session.adviceRng().s, RNGStream::seed(17, RNGStream::advice) + increment);
    EXPECT_EQ(rig.session.humanAdvice(), advice);
}

TEST(GameSessionAdvice, BackgroundAdviceEqualsTheSynchronousOne) {
    SessionRig sync;
    SessionRig manual(true);
    sync.session.startCashGame(1, 23);
    manual.session.startCashGame(1, 23);
    ASSERT_TRUE(manual.session.isHumanTurn());
    EXPECT_FALSE(manual.session.humanAdvice());
    ASSERT_EQ(manual.scheduler->pending.size(), 1u);
    manual.scheduler->drainInOrder();
    EXPECT_EQ(manual.session.humanAdvice(), sync.session.humanAdvice());
    EXPECT_EQ(manual.session.adviceRng().s, sync.session.adviceRng().s);
}

// Both paths, drained after every step, play the same game with the same advice throughout.
TEST(GameSessionAdvice, WholeGameGivesTheSameAdviceOnBothPaths) {
    SessionRig sync(false, GuideMode::gradeOnly);
    SessionRig manual(true, GuideMode::gradeOnly);
    sync.session.startCashGame(2, 77);
    manual.session.startCashGame(2, 77);
    manual.scheduler->drainInOrder();
    HeadlessDriver a{sync.session, testing::randomPolicy(std::make_shared<SeededRNG>(5))};
    HeadlessDriver b{manual.session, testing::randomPolicy(std::make_shared<SeededRNG>(5))};
    int postflopAdvice = 0;
    for (int i = 0; i < 600; ++i) {
        const bool movedA = a.step();
        const bool movedB = b.step();
        manual.scheduler->drainInOrder();
        ASSERT_EQ(movedA, movedB);
        if (!movedA) break;
        ASSERT_EQ(sync.session.humanAdvice(), manual.session.humanAdvice()) << "step " << i;
        if (sync.session.humanAdvice() && sync.session.humanAdvice()->equity) ++postflopAdvice;
        if (sync.session.table()->handNumber > 12) break;
    }
    EXPECT_GT(postflopAdvice, 0);
    EXPECT_EQ(sync.stats.handHistory(), manual.stats.handHistory());
}

TEST(GameSessionAdvice, ResultForAPassedDecisionIsDropped) {
    SessionRig rig(true);
    rig.session.startCashGame(1, 23);
    ASSERT_EQ(rig.scheduler->pending.size(), 1u);
    // Graded against an advice computed at once, since the background one is not back yet.
    const auto before = rig.session.adviceRng().s;
    rig.session.submitHumanAction(PlayerActionType::fold);
    EXPECT_EQ(rig.session.adviceRng().s, before + increment);
    EXPECT_EQ(rig.session.currentHandGrades().size() + rig.session.lastHandGrades().size(), 1u);
    EXPECT_FALSE(rig.session.humanAdviceKey());
    rig.scheduler->drainInOrder();
    EXPECT_FALSE(rig.session.humanAdvice());
}

TEST(GameSessionAdvice, OnlyTheLatestRequestPublishesWhateverTheOrder) {
    for (std::int32_t seed = 1; seed < 100; ++seed) {
        SessionRig rig(true);
        rig.session.startCashGame(1, seed);
        ASSERT_EQ(rig.scheduler->pending.size(), 1u);
        // The human calls; the bot checks or raises, and the human faces a new decision with its own request.
        rig.session.submitHumanAction(PlayerActionType::call);
        while (!rig.session.isHumanTurn() && rig.session.table()->isHandInProgress)
            rig.session.playBotTurn();
        if (!rig.session.isHumanTurn()) continue;
        ASSERT_EQ(rig.scheduler->pending.size(), 2u);
        auto latest = rig.scheduler->runWork(1);
        auto stale = rig.scheduler->runWork(0);
        latest();
        const auto published = rig.session.humanAdvice();
        EXPECT_TRUE(published);
        stale();
        EXPECT_EQ(rig.session.humanAdvice(), published);
        return;
    }
    FAIL() << "no seed gave the human a second decision";
}

// "Play again" on a session that ran a game: the old advice goes, and the old game's result never lands,
// even when the first decision of the new game has the same key.
TEST(GameSessionAdvice, NewGameClearsTheAdviceAndNeverPublishesTheOldGamesResult) {
    SessionRig rig(true);
    rig.session.startCashGame(1, 23);
    rig.scheduler->drainInOrder();
    ASSERT_TRUE(rig.session.humanAdvice());
    rig.session.startCashGame(1, 23);  // keeps the old key's task pending below
    rig.session.startCashGame(1, 24);
    ASSERT_TRUE(rig.session.isHumanTurn());
    EXPECT_FALSE(rig.session.humanAdvice());
    ASSERT_EQ(rig.scheduler->pending.size(), 2u);
    auto old = rig.scheduler->runWork(0);
    old();
    EXPECT_FALSE(rig.session.humanAdvice());
    rig.scheduler->drainInOrder();

    SessionRig fresh;
    fresh.session.startCashGame(1, 24);
    EXPECT_EQ(rig.session.humanAdvice(), fresh.session.humanAdvice());
}

// The same, the new game's result landing first: the old one, for an equal key, must not replace it.
TEST(GameSessionAdvice, OldGamesResultLandingLastDoesNotReplaceTheNewOne) {
    SessionRig rig(true);
    rig.session.startCashGame(1, 23);
    rig.session.startCashGame(1, 24);
    ASSERT_EQ(rig.scheduler->pending.size(), 2u);
    rig.scheduler->drainInReverse();

    SessionRig fresh;
    fresh.session.startCashGame(1, 24);
    SessionRig old;
    old.session.startCashGame(1, 23);
    ASSERT_EQ(old.session.humanAdviceKey(), fresh.session.humanAdviceKey());
    ASSERT_NE(old.session.humanAdvice(), fresh.session.humanAdvice());
    EXPECT_EQ(rig.session.humanAdvice(), fresh.session.humanAdvice());
}

TEST(GameSessionAdvice, PublishAfterTheSessionIsGoneDoesNothing) {
    auto store = std::make_shared<InMemoryStore>();
    SettingsStore settings;
    StatsStore stats;
    auto scheduler = std::make_shared<ManualAdviceScheduler>();
    auto session = std::make_unique<GameSession>(settings, stats, scheduler);
    session->startCashGame(1, 23);
    ASSERT_EQ(scheduler->pending.size(), 1u);
    auto publish = scheduler->runWork(0);
    session.reset();
    publish();
    SUCCEED();
}

TEST(GameSessionAdvice, EndSessionDropsThePendingResult) {
    SessionRig rig(true);
    rig.session.startCashGame(1, 23);
    rig.session.endSession();
    rig.scheduler->drainInOrder();
    EXPECT_FALSE(rig.session.humanAdvice());
    EXPECT_FALSE(rig.session.humanAdviceKey());
}

// The advice has no equality of its own, so every write of it is announced, also of none over none.
TEST(GameSessionAdvice, EveryWriteOfTheAdviceIsAnnounced) {
    SessionRig rig(true);
    rig.session.startCashGame(1, 23);
    ASSERT_TRUE(rig.session.humanAdviceKey());
    ASSERT_FALSE(rig.session.humanAdvice());
    int announced = 0;
    auto token =
        rig.session.subscribe(GameSession::Property::humanAdvice, [&](std::string_view) { ++announced; });
    // The decision passes before its advice is back: the key goes and the advice is written none again.
    rig.session.submitHumanAction(PlayerActionType::fold);
    ASSERT_FALSE(rig.session.humanAdviceKey());
    EXPECT_EQ(announced, 1);
    rig.session.endSession();
    EXPECT_EQ(announced, 2);
}

TEST(GameSessionAdvice, VisibleOnlyWhenShownAndTheStreetIsOn) {
    SessionRig rig;
    rig.session.startCashGame(1, 23);
    ASSERT_TRUE(rig.session.humanAdvice());
    EXPECT_EQ(rig.session.visibleAdvice(), rig.session.humanAdvice());
    rig.settings.setStrategyToggle(Street::preflop, false);
    EXPECT_FALSE(rig.session.visibleAdvice());
    rig.settings.setStrategyToggle(Street::preflop, true);
    rig.settings.guideMode.set(GuideMode::gradeOnly);
    EXPECT_FALSE(rig.session.visibleAdvice());
    EXPECT_TRUE(rig.session.humanAdvice());
}

TEST(GameSessionAdvice, GuideTurnedOnMidDecisionGradesAgainstAnAdviceComputedAtOnce) {
    SessionRig rig(false, GuideMode::off);
    rig.session.startCashGame(1, 23);
    EXPECT_FALSE(rig.session.humanAdviceKey());
    rig.settings.guideMode.set(GuideMode::show);
    EXPECT_FALSE(rig.session.humanAdvice());
    rig.session.submitHumanAction(PlayerActionType::call);
    ASSERT_EQ(rig.session.currentHandGrades().size(), 1u);

    SessionRig shown;
    shown.session.startCashGame(1, 23);
    EXPECT_EQ(rig.session.currentHandGrades()[0].advisedAction,
              shown.session.humanAdvice()->recommendedAction);
}

// A scheduler on a real worker thread: the work runs there on its copies, publishing waits for this thread.
class ThreadAdviceScheduler final : public AdviceScheduler {
  public:
    ~ThreadAdviceScheduler() override {
        for (auto& t : threads)
            t.join();
    }
    void post(Work work) override {
        threads.emplace_back([this, work = std::move(work)] {
            auto publish = work();
            std::lock_guard lock(mutex);
            ready.push_back(std::move(publish));
            done.notify_all();
        });
    }
    // Waits for every posted work and publishes the results here, in the order they finished.
    void publishAll() {
        std::vector<Publish> batch;
        {
            std::unique_lock lock(mutex);
            done.wait(lock, [&] { return published + ready.size() == threads.size(); });
            batch.swap(ready);
        }
        published += batch.size();
        for (auto& p : batch)
            p();
    }

    std::mutex mutex;
    std::condition_variable done;
    std::vector<Publish> ready;
    std::vector<std::thread> threads;
    std::size_t published = 0;
};

TEST(GameSessionAdvice, WorkerThreadResultsMatchTheSynchronousAdvice) {
    SettingsStore settings;
    StatsStore stats;
    auto scheduler = std::make_shared<ThreadAdviceScheduler>();
    GameSession session(settings, stats, scheduler, testing::fixedDate);
    SessionRig sync;
    HeadlessDriver a{sync.session, testing::randomPolicy(std::make_shared<SeededRNG>(8))};
    HeadlessDriver b{session, testing::randomPolicy(std::make_shared<SeededRNG>(8))};
    sync.session.startCashGame(2, 31);
    session.startCashGame(2, 31);
    int sampled = 0;
    for (int i = 0; i < 400 && sync.session.table()->handNumber <= 6; ++i) {
        scheduler->publishAll();
        ASSERT_EQ(session.humanAdvice(), sync.session.humanAdvice()) << "step " << i;
        if (sync.session.humanAdvice() && sync.session.humanAdvice()->equity) ++sampled;
        if (!a.step() || !b.step()) break;
    }
    scheduler->publishAll();
    EXPECT_GT(sampled, 0);
    EXPECT_EQ(stats.handHistory(), sync.stats.handHistory());
}

}  // namespace
}  // namespace pellox
