#include <gtest/gtest.h>

#include "kit/Motion.hpp"
#include "kit/Spring.hpp"
#include "theme/AppContext.hpp"

namespace pellox::app {
namespace {

TEST(Motion, DurationsVanishUnderReduceMotion) {
    EXPECT_EQ(Motion::milliseconds(0.12, false), 120);
    EXPECT_EQ(Motion::milliseconds(0.12, true), 0);
    EXPECT_EQ(Motion::milliseconds(-1, false), 0);
    EXPECT_EQ(Motion::milliseconds(std::numeric_limits<double>::quiet_NaN(), false), 0);
    AppContext context;
    context.setReduceMotion(false);
    EXPECT_EQ(Motion::milliseconds(0.35 * 0.55, context), 193);
    context.setReduceMotion(true);
    EXPECT_EQ(Motion::milliseconds(0.35, context), 0);
}

TEST(Motion, EaseOutStartsFastAndEndsSlow) {
    const QEasingCurve curve = Motion::easeOut();
    EXPECT_NEAR(curve.valueForProgress(0), 0, 1e-6);
    EXPECT_NEAR(curve.valueForProgress(1), 1, 1e-6);
    EXPECT_GT(curve.valueForProgress(0.25), 0.35);
    EXPECT_LT(Motion::easeIn().valueForProgress(0.25), 0.15);
    EXPECT_NEAR(Motion::easeInOut().valueForProgress(0.5), 0.5, 1e-3);
}

TEST(Spring, SettlesAtItsTarget) {
    for (const Spring spring : {Spring{0.28, 0.85}, Spring{0.3, 0.6}, Spring{0.32, 1.0}}) {
        const double settle = spring.settleDuration();
        EXPECT_DOUBLE_EQ(spring.position(settle), 1);
        EXPECT_NEAR(spring.position(settle * 0.999), 1, 0.0011);
        EXPECT_DOUBLE_EQ(spring.easingCurve().valueForProgress(1), 1);
        EXPECT_NEAR(spring.easingCurve().valueForProgress(0), 0, 1e-9);
    }
    // Longer responses take longer; lighter damping rings longer.
    EXPECT_LT(Spring({0.2, 0.85}).settleDuration(), Spring({0.25, 0.85}).settleDuration());
    EXPECT_GT(Spring({0.3, 0.6}).settleDuration(), Spring({0.3, 0.85}).settleDuration());
    EXPECT_NEAR(Spring({0.28, 0.85}).settleDuration(), 0.40, 0.02);
}

TEST(Spring, DampingBelowOneOvershootsAndCriticalDoesNot) {
    auto peak = [](const Spring& spring) {
        double highest = 0;
        for (int i = 0; i <= 1000; ++i)
            highest = std::max(highest, spring.easingCurve().valueForProgress(i / 1000.0));
        return highest;
    };
    EXPECT_GT(peak({0.3, 0.6}), 1.05);
    EXPECT_GT(peak({0.25, 0.85}), 1.0);
    EXPECT_LE(peak({0.32, 1.0}), 1.0);
    // The curve is the spring's own motion stretched over its settle time.
    const Spring spring{0.3, 0.6};
    EXPECT_NEAR(spring.easingCurve().valueForProgress(0.25), spring.position(0.25 * spring.settleDuration()),
                1e-9);
}

}  // namespace
}  // namespace pellox::app
