#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <QFontInfo>
#include <QGuiApplication>
#include <QStringList>

#include "kit/Fonts.hpp"

namespace pellox::app {
namespace {

// Restores the process-wide scale however a test ends.
struct TextScaleGuard {
    double before = ScaledFont::textScale();
    ~TextScaleGuard() { ScaledFont::setTextScale(before); }
};

TEST(Fonts, SizesArePixelsNotPoints) {
    const QFont font = scaledFont(17, FontWeight::semibold);
    EXPECT_EQ(font.pixelSize(), 17);
    EXPECT_EQ(QFontInfo(font).pixelSize(), 17);
    EXPECT_NEAR(pixelSizeOf(fixedFont(13.6)), 13.6, 1e-9);
    EXPECT_NEAR(pixelSizeOf(withPixelSize(fixedFont(30), 9.5)), 9.5, 1e-9);
}

TEST(Fonts, WeightsMapOneToOne) {
    EXPECT_EQ(scaledFont(12, FontWeight::regular).weight(), QFont::Normal);
    EXPECT_EQ(scaledFont(12, FontWeight::medium).weight(), QFont::Medium);
    EXPECT_EQ(scaledFont(12, FontWeight::semibold).weight(), QFont::DemiBold);
    EXPECT_EQ(scaledFont(12, FontWeight::bold).weight(), QFont::Bold);
    EXPECT_EQ(scaledFont(12, FontWeight::heavy).weight(), QFont::ExtraBold);
    EXPECT_EQ(scaledFont(12, FontWeight::black).weight(), QFont::Black);
}

TEST(Fonts, TextScaleGrowsScaledFontsOnly) {
    TextScaleGuard guard;
    EXPECT_EQ(scaledFont(30).pixelSize(), 30);
    ScaledFont::setTextScale(1.5);
    EXPECT_EQ(scaledFont(30).pixelSize(), 45);
    EXPECT_NEAR(pixelSizeOf(scaledFont(13)), 19.5, 1e-9);
    EXPECT_EQ(fixedFont(30).pixelSize(), 30);
    ScaledFont::setTextScale(0);  // refused: sizes would vanish
    EXPECT_DOUBLE_EQ(ScaledFont::textScale(), 1.5);
}

TEST(Fonts, FixedHeightsGrowWithLargerTextAndNeverShrink) {
    TextScaleGuard guard;
    ScaledFont::setTextScale(1);
    EXPECT_EQ(textScaledHeight(34), 34);
    ScaledFont::setTextScale(1.5);
    EXPECT_EQ(textScaledHeight(34), 51);
    ScaledFont::setTextScale(2);
    EXPECT_EQ(textScaledHeight(34), 68);
    ScaledFont::setTextScale(0.8);
    EXPECT_EQ(textScaledHeight(34), 34);
}

TEST(Fonts, DesktopTextAtOrBelowTheStandardKeepsTheDesignSizes) {
    EXPECT_DOUBLE_EQ(desktopTextFactor({12, 96}), 1);   // Qt's own 9 pt default
    EXPECT_DOUBLE_EQ(desktopTextFactor({13, 96}), 1);   // the design's body text
    EXPECT_DOUBLE_EQ(desktopTextFactor({13, 72}), 1);   // a 72 dpi platform's 13 pt
    EXPECT_DOUBLE_EQ(desktopTextFactor({9.5, 96}), 1);  // smaller desktops never shrink the design
    EXPECT_DOUBLE_EQ(desktopTextFactor({}), 1);         // no screen yet
    EXPECT_DOUBLE_EQ(desktopTextFactor({std::nan(""), 96}), 1);
    EXPECT_DOUBLE_EQ(desktopTextFactor({30, std::numeric_limits<double>::infinity()}), 1);
}

TEST(Fonts, DesktopTextGrowsInProportionCountingTheDpiOnce) {
    EXPECT_DOUBLE_EQ(desktopTextFactor({19.5, 96}), 1.5);
    EXPECT_DOUBLE_EQ(desktopTextFactor({26, 96}), 2);
    // A text scaling factor Qt did not turn into a device pixel ratio: 9 pt at 144 dpi is 18 px, all of it
    // from the DPI.
    EXPECT_DOUBLE_EQ(desktopTextFactor({18, 144}), 1.5);
    EXPECT_DOUBLE_EQ(desktopTextFactor({39, 192}), 3);  // 19.5 px at the standard DPI, then doubled
}

TEST(Fonts, TheEnvironmentMultipliesTheDesktopFactor) {
    EXPECT_DOUBLE_EQ(startingTextScale({12, 96}, QString()), 1);
    EXPECT_DOUBLE_EQ(startingTextScale({12, 96}, QStringLiteral("0.8")), 0.8);
    EXPECT_DOUBLE_EQ(startingTextScale({26, 96}, QStringLiteral("1.5")), 3);
    for (const char* refused : {"0", "-2", "nan", "inf", "large"}) {
        EXPECT_DOUBLE_EQ(startingTextScale({19.5, 96}, QString::fromLatin1(refused)), 1.5) << refused;
    }
}

TEST(Fonts, TheOffscreenPlatformIsAStandardDesktop) {
    if (QGuiApplication::platformName() != QStringLiteral("offscreen")) GTEST_SKIP() << "not offscreen";
    EXPECT_DOUBLE_EQ(desktopTextFactor(DesktopText::current()), 1);
}

TEST(Fonts, RoundedDesignFallsBackToTheStandardFamilies) {
    const QStringList rounded = fixedFont(12, FontWeight::bold, FontDesign::rounded).families();
    const QStringList standard = fixedFont(12).families();
    ASSERT_GT(rounded.size(), standard.size());
    EXPECT_EQ(rounded.mid(rounded.size() - standard.size()), standard);
    EXPECT_DOUBLE_EQ(withTracking(fixedFont(12), 1.5).letterSpacing(), 1.5);
}

}  // namespace
}  // namespace pellox::app
