// The test clock itself: an animation started under it moves only when the test moves the clock, whatever
// ran before it and however long the machine took in between.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QVariantAnimation>

#include "ManualAnimationClock.hpp"

namespace pellox::app {
namespace {

using testing::ManualAnimationClock;

// A long animation, started.
struct Running : QVariantAnimation {
    Running() {
        setDuration(10'000);
        setStartValue(0.0);
        setEndValue(1.0);
        start();
    }
};

// A driver whose time the test sets without handing it out, as a wall clock moves while no frame is drawn.
class UntakenTime final : public QAnimationDriver {
  public:
    qint64 now = 0;
    qint64 elapsed() const override { return now; }
};

TEST(ManualAnimationClock, TimeAPreviousDriverDidNotHandOutIsNotGivenToTheNextTest) {
    {
        UntakenTime before;
        before.install();
        Running earlier;
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        before.advance();
        before.now = 30;
        before.uninstall();
    }
    ManualAnimationClock clock;
    Running animation;
    clock.advance(0);
    EXPECT_EQ(animation.currentTime(), 0);
    clock.advance(40);
    EXPECT_EQ(animation.currentTime(), 40);
}

TEST(ManualAnimationClock, AnAnimationStartedOnceEverythingHasStoppedStartsAtZero) {
    ManualAnimationClock clock;
    {
        Running first;
        clock.advance(10'500);
        EXPECT_EQ(first.state(), QAbstractAnimation::Stopped);
    }
    // Qt stops its timer once it has nothing to run.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    Running animation;
    clock.advance(0);
    EXPECT_EQ(animation.currentTime(), 0);
    clock.advance(40);
    EXPECT_EQ(animation.currentTime(), 40);
}

}  // namespace
}  // namespace pellox::app
