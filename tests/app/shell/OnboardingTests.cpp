#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "kit/Fonts.hpp"
#include "kit/HoverButton.hpp"
#include "shell/OnboardingScreen.hpp"
#include "store/SettingsStore.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

struct OnboardingRig {
    SettingsStore settings;
    AppContext context{&settings};
    int done = 0;
    OnboardingScreen screen{context, [this] { ++done; }};
    OnboardingRig() {
        screen.resize(560, 600);
        screen.show();
    }
};

TEST(Onboarding, ThreePagesWithTheirSymbolsAndTexts) {
    const auto& pages = OnboardingScreen::pages();
    EXPECT_STREQ(pages[0].symbol, "suit.spade.fill");
    EXPECT_STREQ(pages[1].symbol, "lightbulb.max.fill");
    EXPECT_STREQ(pages[2].symbol, "chart.line.uptrend.xyaxis");
    EXPECT_EQ(pages[0].title, "Practice, not gambling");
    EXPECT_EQ(pages[1].title, "A guide you control");
    EXPECT_EQ(pages[2].title, "Graded on decisions");
    EXPECT_TRUE(pages[0].body.startsWith("No-Limit Hold'em against bots, with chips that mean nothing."));
    EXPECT_TRUE(pages[1].body.endsWith("You can also switch it on for some streets and off for others."));
    EXPECT_EQ(
        pages[2].body,
        "Your play is scored against the guide's read of the spot, not against whether you won. A good fold "
        "that would have hit is still a good fold, and the stats track where you and the guide part ways.");
    EXPECT_EQ(OnboardingScreen::primaryTitle(0), "Next");
    EXPECT_EQ(OnboardingScreen::primaryTitle(1), "Next");
    EXPECT_EQ(OnboardingScreen::primaryTitle(2), "Start playing");
}

TEST(Onboarding, DotsShowTheCurrentPageInTheAccent) {
    const Palette& p = Palette::midnight();
    EXPECT_EQ(OnboardingScreen::dotColor(1, 1, p), p.accent);
    const QColor other = OnboardingScreen::dotColor(0, 1, p);
    EXPECT_EQ(other.rgb(), p.textMuted.rgb());
    EXPECT_NEAR(other.alphaF(), 0.35, 1e-3);
}

TEST(Onboarding, NextStepsThroughThePagesAndStartPlayingFinishes) {
    OnboardingRig rig;
    EXPECT_EQ(rig.screen.page(), 0);
    EXPECT_EQ(rig.screen.primaryButton()->text(), "Next");
    EXPECT_EQ(rig.screen.titleLabel()->text(), "Practice, not gambling");
    QTest::mouseClick(rig.screen.primaryButton(), Qt::LeftButton);
    QTest::mouseClick(rig.screen.primaryButton(), Qt::LeftButton);
    EXPECT_EQ(rig.screen.page(), 2);
    EXPECT_EQ(rig.screen.primaryButton()->text(), "Start playing");
    EXPECT_EQ(rig.screen.titleLabel()->text(), "Graded on decisions");
    EXPECT_EQ(rig.done, 0);
    QTest::mouseClick(rig.screen.primaryButton(), Qt::LeftButton);
    EXPECT_EQ(rig.done, 1);
    EXPECT_EQ(rig.screen.page(), 2);
    QTest::mouseClick(rig.screen.primaryButton(), Qt::LeftButton);
    EXPECT_EQ(rig.done, 2) << "once per press";
}

TEST(Onboarding, SkipFinishesFromEveryPageWithoutMoving) {
    for (int page = 0; page < 3; ++page) {
        OnboardingRig rig;
        for (int i = 0; i < page; ++i)
            rig.screen.advance();
        EXPECT_EQ(rig.screen.skipButton()->text(), "Skip");
        QTest::mouseClick(rig.screen.skipButton(), Qt::LeftButton);
        EXPECT_EQ(rig.done, 1);
        EXPECT_EQ(rig.screen.page(), page);
    }
}

TEST(Onboarding, TheBodyWrapsAndGrowsInsteadOfBeingCut) {
    OnboardingRig rig;
    QLabel* body = rig.screen.bodyLabel();
    EXPECT_TRUE(body->wordWrap());
    EXPECT_GT(body->heightForWidth(240), body->heightForWidth(480));
    const int standard = body->heightForWidth(400);
    ScaledFont::setTextScale(1.6);
    OnboardingRig larger;
    ScaledFont::setTextScale(1);
    EXPECT_GT(larger.screen.bodyLabel()->heightForWidth(400), standard);
}

}  // namespace
}  // namespace pellox::app
