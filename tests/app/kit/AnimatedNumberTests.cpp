#include <gtest/gtest.h>

#include <QSignalSpy>
#include <algorithm>

#include "ManualAnimationClock.hpp"
#include "kit/AnimatedNumber.hpp"
#include "kit/Spring.hpp"
#include "theme/AppContext.hpp"

namespace pellox::app {
namespace {

using testing::ManualAnimationClock;

TEST(AnimatedNumber, FollowsTheClockAlongItsCurveAndLandsOnTheTarget) {
    ManualAnimationClock clock;
    AnimatedNumber n(10);
    QSignalSpy finished(&n, &AnimatedNumber::finished);
    n.animateTo(30, 200, QEasingCurve::Linear);
    EXPECT_TRUE(n.isRunning());
    EXPECT_DOUBLE_EQ(n.value(), 10);
    clock.advance(100);
    EXPECT_NEAR(n.value(), 20, 1e-9);
    EXPECT_EQ(finished.count(), 0);
    clock.advance(100);
    EXPECT_DOUBLE_EQ(n.value(), 30);
    EXPECT_FALSE(n.isRunning());
    EXPECT_EQ(finished.count(), 1);
}

TEST(AnimatedNumber, ANewTargetStartsFromWhereItStandsAndTheSameTargetNeverRestarts) {
    ManualAnimationClock clock;
    AnimatedNumber n(0);
    n.animateTo(100, 100, QEasingCurve::Linear);
    clock.advance(50);
    n.animateTo(100, 100, QEasingCurve::Linear);  // a refresh with the same target
    clock.advance(25);
    EXPECT_NEAR(n.value(), 75, 1e-9);
    n.animateTo(0, 100, QEasingCurve::Linear);
    EXPECT_NEAR(n.value(), 75, 1e-9);
    clock.advance(50);
    EXPECT_NEAR(n.value(), 37.5, 1e-9);
    clock.advance(50);
    EXPECT_DOUBLE_EQ(n.value(), 0);
    EXPECT_FALSE(n.isRunning());
}

TEST(AnimatedNumber, ReduceMotionAndJumpsLandAtOnce) {
    ManualAnimationClock clock;
    AppContext context;
    context.setReduceMotion(true);
    AnimatedNumber n(1);
    QSignalSpy changed(&n, &AnimatedNumber::valueChanged);
    QSignalSpy finished(&n, &AnimatedNumber::finished);
    n.animateTo(0, Spring{0.3, 0.85}, context);
    EXPECT_DOUBLE_EQ(n.value(), 0);
    EXPECT_FALSE(n.isRunning());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(finished.count(), 1);

    context.setReduceMotion(false);
    n.animateTo(5, Spring{0.3, 0.85}, context);
    EXPECT_TRUE(n.isRunning());
    n.jumpTo(2);
    EXPECT_DOUBLE_EQ(n.value(), 2);
    EXPECT_FALSE(n.isRunning());
    clock.advance(1000);
    EXPECT_DOUBLE_EQ(n.value(), 2);
}

TEST(AnimatedNumber, ASpringSettlesOnItsTargetAfterItsSettleTime) {
    ManualAnimationClock clock;
    AppContext context;
    context.setReduceMotion(false);
    const Spring spring{0.3, 0.85};
    AnimatedNumber n(0);
    n.animateTo(1, spring, context);
    clock.advanceInFrames(static_cast<qint64>(spring.settleDuration() * 500));
    EXPECT_GT(n.value(), 0.5);
    EXPECT_TRUE(n.isRunning());
    clock.advanceInFrames(static_cast<qint64>(spring.settleDuration() * 500) + 20);
    EXPECT_DOUBLE_EQ(n.value(), 1);
    EXPECT_FALSE(n.isRunning());
}

TEST(AnimatedNumber, TheBoundedReadingStaysBetweenTheMovesStartAndItsTargetWhileTheSpringPassesIt) {
    ManualAnimationClock clock;
    const Spring loose{0.3, 0.5};
    AnimatedNumber n(100);
    n.animateTo(0, loose, false);
    double lowest = 100;
    for (int t = 0; t < testing::settleMs(loose); t += 16) {
        clock.advance(16);
        lowest = std::min(lowest, n.value());
        EXPECT_GE(n.boundedValue(), 0) << "at " << t << " ms";
        EXPECT_LE(n.boundedValue(), 100) << "at " << t << " ms";
    }
    ASSERT_LT(lowest, 0) << "the spring must pass its target for the bound to matter";
    EXPECT_FALSE(n.isRunning());
    EXPECT_DOUBLE_EQ(n.boundedValue(), 0);
}

TEST(AnimatedNumber, ANewMoveIsBoundedFromWhereTheLastOneWasShown) {
    ManualAnimationClock clock;
    const Spring loose{0.3, 0.5};
    AnimatedNumber n(0);
    n.animateTo(100, loose, false);
    while (n.isRunning() && n.value() <= 100)
        clock.advance(4);
    ASSERT_TRUE(n.isRunning());
    EXPECT_DOUBLE_EQ(n.boundedValue(), 100);
    // Heading back from an overshoot: the reading starts at the 100 shown, never at the overshoot.
    n.animateTo(50, loose, false);
    clock.advance(0);
    EXPECT_DOUBLE_EQ(n.boundedValue(), 100);
    for (int t = 0; t < testing::settleMs(loose); t += 16) {
        clock.advance(16);
        EXPECT_GE(n.boundedValue(), 50);
        EXPECT_LE(n.boundedValue(), 100);
    }
    EXPECT_DOUBLE_EQ(n.boundedValue(), 50);
    n.jumpTo(7);
    EXPECT_DOUBLE_EQ(n.boundedValue(), 7);
}

TEST(AnimatedNumber, ReduceMotionGivenDirectlyLandsAtOnce) {
    ManualAnimationClock clock;
    AnimatedNumber n(1);
    n.animateTo(4, Spring{0.3, 0.85}, true);
    EXPECT_DOUBLE_EQ(n.value(), 4);
    EXPECT_FALSE(n.isRunning());
    n.animateTo(0, Spring{0.3, 0.85}, false);
    EXPECT_TRUE(n.isRunning());
}

}  // namespace
}  // namespace pellox::app
