#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>
#include <memory>

#include "shell/SingleInstance.hpp"

namespace pellox::app {
namespace {

// A first launch answering later ones from a thread of its own, as another process would.
class RunningInstance {
  public:
    explicit RunningInstance(const QString& settings)
        : instance_(std::make_unique<SingleInstance>(settings)) {
        QObject::connect(
            instance_.get(), &SingleInstance::raiseRequested, instance_.get(), [this] { ++raised; },
            Qt::DirectConnection);
        instance_->moveToThread(&thread_);
        context_.moveToThread(&thread_);
        thread_.start();
        QMetaObject::invokeMethod(
            &context_, [this] { claim = instance_->claim(); }, Qt::BlockingQueuedConnection);
    }
    ~RunningInstance() {
        QMetaObject::invokeMethod(
            &context_, [this] { instance_.reset(); }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }

    SingleInstance::Claim claim{};
    std::atomic<int> raised{0};

  private:
    QThread thread_;
    QObject context_;
    std::unique_ptr<SingleInstance> instance_;
};

TEST(SingleInstance, ASecondLaunchFindsTheLockHeldAndRaisesTheFirst) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("Pellox/Pellox Poker.conf");
    RunningInstance first(settings);
    ASSERT_EQ(first.claim, SingleInstance::Claim::acquired);
    EXPECT_TRUE(QFile::exists(settings + ".lock"));

    SingleInstance second(settings);
    EXPECT_EQ(second.claim(), SingleInstance::Claim::heldElsewhere);
    int told = 0;
    EXPECT_EQ(second.handOverToRunning([&](const QString&) { ++told; }), 0);
    EXPECT_EQ(told, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return first.raised == 1; }, 2000));
}

// Two settings folders are two applications, however their files are named: each launch raises its own.
TEST(SingleInstance, EachSettingsFolderHasAnApplicationOfItsOwn) {
    QTemporaryDir dir;
    const QString one = dir.filePath("one/Pellox Poker.conf");
    const QString other = dir.filePath("other/Pellox Poker.conf");
    RunningInstance first(one);
    RunningInstance elsewhere(other);
    ASSERT_EQ(first.claim, SingleInstance::Claim::acquired);
    ASSERT_EQ(elsewhere.claim, SingleInstance::Claim::acquired);

    SingleInstance launch(one);
    ASSERT_EQ(launch.claim(), SingleInstance::Claim::heldElsewhere);
    EXPECT_TRUE(launch.raiseRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] { return first.raised == 1; }, 2000));
    EXPECT_EQ(elsewhere.raised, 0);

    SingleInstance launchElsewhere(other);
    ASSERT_EQ(launchElsewhere.claim(), SingleInstance::Claim::heldElsewhere);
    EXPECT_TRUE(launchElsewhere.raiseRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] { return elsewhere.raised == 1; }, 2000));
    EXPECT_EQ(first.raised, 1);
}

// The system accepts a connection to a stopped process: without its answer the launch tells the user and
// fails, once it has waited about 2 s for the answer.
TEST(SingleInstance, ASecondLaunchBesideAStoppedFirstOneTellsTheUserAndFails) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("Pellox Poker.conf");
    int claimed[2];
    ASSERT_EQ(::pipe(claimed), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SingleInstance first(settings);
        const char acquired = first.claim() == SingleInstance::Claim::acquired ? 'y' : 'n';
        if (::write(claimed[1], &acquired, 1) != 1) ::_exit(1);
        for (;;)
            ::pause();
    }
    ::close(claimed[1]);
    char acquired = 0;
    ASSERT_EQ(::read(claimed[0], &acquired, 1), 1);
    ::close(claimed[0]);
    ASSERT_EQ(acquired, 'y');
    ::kill(child, SIGSTOP);

    SingleInstance second(settings);
    EXPECT_EQ(second.claim(), SingleInstance::Claim::heldElsewhere);
    QStringList told;
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(second.handOverToRunning([&](const QString& text) { told << text; }), 1);
    EXPECT_GE(elapsed.elapsed(), 1500) << "it waits for the answer";
    EXPECT_LT(elapsed.elapsed(), 4000);
    EXPECT_EQ(told, QStringList{"Pellox Poker is already running but not responding."});

    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
}

TEST(SingleInstance, TheLockGoesWithTheApplication) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("Pellox Poker.conf");
    {
        SingleInstance first(settings);
        ASSERT_EQ(first.claim(), SingleInstance::Claim::acquired);
    }
    SingleInstance next(settings);
    EXPECT_EQ(next.claim(), SingleInstance::Claim::acquired);
}

// A process killed while it held the lock leaves the lock file behind; the next launch takes it over.
TEST(SingleInstance, AStaleLockIsTakenOver) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("Pellox Poker.conf");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QLockFile lock(settings + ".lock");
        ::_exit(lock.tryLock(0) ? 0 : 1);  // leaves without unlocking, as a crash would
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(settings + ".lock"));
    SingleInstance next(settings);
    EXPECT_EQ(next.claim(), SingleInstance::Claim::acquired);
}

TEST(SingleInstance, NoAnswerWhenNothingRuns) {
    QTemporaryDir dir;
    SingleInstance lone(dir.filePath("Pellox Poker.conf"));
    EXPECT_FALSE(lone.raiseRunning(200));
    int told = 0;
    EXPECT_EQ(lone.handOverToRunning([&](const QString&) { ++told; }, 200), 1);
    EXPECT_EQ(told, 1);
}

}  // namespace
}  // namespace pellox::app
