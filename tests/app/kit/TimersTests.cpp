#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <memory>

#include "kit/KeyedTimer.hpp"
#include "kit/RefreshCoalescer.hpp"

namespace pellox::app {
namespace {

TEST(KeyedTimer, NewKeyCancelsThePendingRunSameKeyLeavesIt) {
    KeyedTimer timer;
    std::vector<QString> ran;
    auto arm = [&](const QString& key) {
        return timer.setKey(
            key, [] { return 60.0; }, [&ran, key] { ran.push_back(key); });
    };
    EXPECT_TRUE(arm("1:flop"));
    EXPECT_EQ(timer.pendingMilliseconds(), 60'000);
    EXPECT_FALSE(arm("1:flop"));
    EXPECT_TRUE(timer.isPending());
    EXPECT_TRUE(arm("1:turn"));
    EXPECT_TRUE(timer.runPendingNow());
    EXPECT_EQ(ran, std::vector<QString>{"1:turn"});
    // A key's run happens once; announcing it again does not repeat it.
    EXPECT_FALSE(arm("1:turn"));
    EXPECT_FALSE(timer.runPendingNow());
}

TEST(KeyedTimer, DelayAsksOnlyOnChangeAndRunsAfterIt) {
    KeyedTimer timer;
    int asked = 0;
    int ran = 0;
    auto delay = [&] {
        ++asked;
        return 0.01;
    };
    timer.setKey("a", delay, [&] { ++ran; });
    timer.setKey("a", delay, [&] { ran += 100; });
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(ran, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ran > 0; }, 2000));
    EXPECT_EQ(ran, 1);
}

TEST(KeyedTimer, CancelForgetsTheKey) {
    KeyedTimer timer;
    int ran = 0;
    timer.setKey(
        "a", [] { return 0.0; }, [&] { ++ran; });
    timer.cancel();
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, 0);
    EXPECT_FALSE(timer.key().has_value());
    EXPECT_TRUE(timer.setKey(
        "a", [] { return 0.0; }, [&] { ++ran; }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return ran == 1; }, 2000));
}

TEST(KeyedTimer, ARunMayAnnounceTheNextKey) {
    KeyedTimer timer;
    std::vector<int> order;
    timer.setKey(
        "a", [] { return 0.0; },
        [&] {
            order.push_back(1);
            timer.setKey(
                "b", [] { return 0.0; }, [&] { order.push_back(2); });
        });
    EXPECT_TRUE(QTest::qWaitFor([&] { return order.size() == 2; }, 2000));
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST(KeyedTimer, AHeldRunWithADelayWaitsForTheTestAndOneDueNextTurnDoesNot) {
    KeyedTimer timer;
    timer.holdDelayedRuns(true);
    int ran = 0;
    timer.setKey(
        "a", [] { return 0.001; }, [&] { ++ran; });
    EXPECT_EQ(timer.pendingMilliseconds(), 1);
    QTest::qWait(20);
    EXPECT_EQ(ran, 0);
    EXPECT_TRUE(timer.runPendingNow());
    EXPECT_EQ(ran, 1);

    timer.setKey(
        "b", [] { return 0.0; }, [&] { ran += 10; });
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, 11);

    // Let go, a held run keeps its time.
    timer.setKey(
        "c", [] { return 0.001; }, [&] { ran += 100; });
    timer.holdDelayedRuns(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ran == 111; }, 2000));
}

TEST(RefreshCoalescer, ManyNotificationsInOneTurnGiveOneRefresh) {
    int refreshes = 0;
    RefreshCoalescer coalescer([&] { ++refreshes; });
    for (int i = 0; i < 5; ++i)
        coalescer.notify();
    EXPECT_EQ(refreshes, 0);
    EXPECT_TRUE(coalescer.isPending());
    QCoreApplication::processEvents();
    EXPECT_EQ(refreshes, 1);
    coalescer.notify();
    QCoreApplication::processEvents();
    EXPECT_EQ(refreshes, 2);
}

TEST(RefreshCoalescer, FlushRunsAtOnceAndTheQueuedCallThenDoesNothing) {
    int refreshes = 0;
    RefreshCoalescer coalescer([&] { ++refreshes; });
    coalescer.notify();
    coalescer.flush();
    EXPECT_EQ(refreshes, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(refreshes, 1);
    coalescer.flush();
    EXPECT_EQ(refreshes, 1);
}

TEST(RefreshCoalescer, DestroyedBeforeTheTurnDropsTheRefresh) {
    int refreshes = 0;
    auto coalescer = std::make_unique<RefreshCoalescer>([&] { ++refreshes; });
    coalescer->notify();
    coalescer.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(refreshes, 0);
}

}  // namespace
}  // namespace pellox::app
