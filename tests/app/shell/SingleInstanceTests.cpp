#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <QFile>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "shell/SingleInstance.hpp"

namespace pellox::app {
namespace {

TEST(SingleInstance, ASecondLaunchFindsTheLockHeldAndRaisesTheFirst) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("Pellox/Pellox Poker.conf");
    SingleInstance first(settings);
    ASSERT_EQ(first.claim(), SingleInstance::Claim::acquired);
    EXPECT_TRUE(QFile::exists(first.lockPath()));

    SingleInstance second(settings);
    EXPECT_EQ(second.claim(), SingleInstance::Claim::heldElsewhere);
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    EXPECT_TRUE(second.raiseRunning());
    EXPECT_TRUE(raised.wait(2000));
    EXPECT_EQ(raised.count(), 1);

    // Another settings file is another application.
    SingleInstance elsewhere(dir.filePath("other/Pellox Poker.conf"));
    EXPECT_EQ(elsewhere.claim(), SingleInstance::Claim::acquired);
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
}

}  // namespace
}  // namespace pellox::app
