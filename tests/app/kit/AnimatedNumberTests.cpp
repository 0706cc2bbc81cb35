#include <gtest/gtest.h>

#include <QSignalSpy>

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

}  // namespace
}  // namespace pellox::app
