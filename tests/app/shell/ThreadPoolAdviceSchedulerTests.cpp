#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <QtTest/QTest>
#include <atomic>
#include <memory>

#include "session/SessionTestSupport.hpp"
#include "shell/ThreadPoolAdviceScheduler.hpp"

namespace pellox::app {
namespace {

using pellox::testing::SessionRig;

// The work blocks until the GUI thread, turning its event loop, releases it from a timer.
TEST(ThreadPoolAdviceScheduler, EventLoopTurnsWhileSlowWorkRuns) {
    ThreadPoolAdviceScheduler scheduler;
    std::atomic<bool> released{false};
    std::atomic<bool> workOffGuiThread{false};
    QThread* const gui = QThread::currentThread();
    bool published = false;
    bool publishedOnGui = false;
    scheduler.post([&]() -> AdviceScheduler::Publish {
        workOffGuiThread = QThread::currentThread() != gui;
        QElapsedTimer waited;
        waited.start();
        while (!released && waited.elapsed() < 10'000)
            QThread::msleep(2);
        return [&] {
            published = true;
            publishedOnGui = QThread::currentThread() == gui;
        };
    });
    EXPECT_FALSE(published);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (++ticks == 5) released = true;
    });
    ticker.start(5);
    QTRY_VERIFY_WITH_TIMEOUT(published, 10'000);
    EXPECT_GE(ticks, 5);
    EXPECT_TRUE(workOffGuiThread);
    EXPECT_TRUE(publishedOnGui);
    EXPECT_EQ(scheduler.pendingCount(), 0);
}

TEST(ThreadPoolAdviceScheduler, DestroyedSchedulerPublishesNothing) {
    auto published = std::make_shared<std::atomic<int>>(0);
    auto started = std::make_shared<std::atomic<bool>>(false);
    {
        ThreadPoolAdviceScheduler scheduler;
        for (int i = 0; i < 3; ++i) {
            scheduler.post([published, started]() -> AdviceScheduler::Publish {
                *started = true;
                QThread::msleep(50);
                return [published] { ++*published; };
            });
        }
        QTRY_VERIFY(started->load());
    }
    QCoreApplication::processEvents();
    QTest::qWait(20);
    EXPECT_EQ(published->load(), 0);
}

TEST(ThreadPoolAdviceScheduler, DrainDropsEverythingPostedSoFar) {
    ThreadPoolAdviceScheduler scheduler;
    int published = 0;
    std::atomic<bool> started{false};
    scheduler.post([&]() -> AdviceScheduler::Publish {
        started = true;
        QThread::msleep(50);
        return [&] { ++published; };
    });
    scheduler.post([&]() -> AdviceScheduler::Publish { return [&] { ++published; }; });
    // Waits without turning the event loop, so nothing is published before the drain.
    while (!started)
        QThread::yieldCurrentThread();
    scheduler.drain();
    EXPECT_EQ(scheduler.pendingCount(), 0);
    QTest::qWait(20);
    EXPECT_EQ(published, 0);
    scheduler.post([&]() -> AdviceScheduler::Publish { return [&] { published += 10; }; });
    QTRY_COMPARE(published, 10);
}

TEST(ThreadPoolAdviceScheduler, FailedWorkPublishesNothingAndKeepsRunning) {
    ThreadPoolAdviceScheduler scheduler;
    bool published = false;
    scheduler.post([]() -> AdviceScheduler::Publish { throw std::runtime_error("no advice"); });
    scheduler.post([&]() -> AdviceScheduler::Publish { return [&] { published = true; }; });
    QTRY_VERIFY(published);
    EXPECT_EQ(scheduler.pendingCount(), 0);
}

// A session whose advice runs on the pool reaches the same advice as one computing it inline.
TEST(ThreadPoolAdviceScheduler, SessionAdviceArrivesOnTheGuiThreadAsComputedInline) {
    SessionRig inline_;
    SettingsStore settings;
    StatsStore stats;
    settings.load(inline_.store);
    stats.load(inline_.store);
    GameSession threaded(settings, stats, std::make_shared<ThreadPoolAdviceScheduler>());
    inline_.session.startCashGame(2, 4242);
    threaded.startCashGame(2, 4242);
    int compared = 0;
    for (int step = 0; step < 400 && compared < 4; ++step) {
        if (threaded.isHumanTurn()) {
            QTRY_VERIFY_WITH_TIMEOUT(threaded.humanAdvice().has_value(), 20'000);
            ASSERT_TRUE(inline_.session.humanAdvice());
            EXPECT_EQ(*threaded.humanAdvice(), *inline_.session.humanAdvice());
            ++compared;
            const auto legal = *threaded.humanLegalActions();
            const auto type = legal.canCheck ? PlayerActionType::check : PlayerActionType::call;
            threaded.submitHumanAction(type);
            inline_.session.submitHumanAction(type);
        } else if (threaded.table()->isHandInProgress) {
            threaded.playBotTurn();
            inline_.session.playBotTurn();
        } else {
            threaded.startHand();
            inline_.session.startHand();
        }
        ASSERT_EQ(threaded.currentHandEvents(), inline_.session.currentHandEvents());
    }
    EXPECT_GE(compared, 1);
}

}  // namespace
}  // namespace pellox::app
