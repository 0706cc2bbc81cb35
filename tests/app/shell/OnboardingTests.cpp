#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "FramePixels.hpp"
#include "ManualAnimationClock.hpp"
#include "kit/Fonts.hpp"
#include "kit/HoverButton.hpp"
#include "kit/Spring.hpp"
#include "kit/Transition.hpp"
#include "shell/OnboardingScreen.hpp"
#include "shell/OnboardingSheet.hpp"
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

TEST(Onboarding, TheSheetGrowsWithTextAndStaysWithinItsWindowAsItShrinks) {
    SettingsStore settings;
    AppContext context{&settings};
    QWidget window;
    window.resize(1280, 820);
    window.show();
    ScaledFont::setTextScale(2);
    OnboardingSheet sheet(
        context, [] {}, &window);
    ScaledFont::setTextScale(1);
    EXPECT_EQ(sheet.size(), QSize(1120, 820));
    window.resize(1000, 680);
    EXPECT_EQ(sheet.size(), QSize(1000, 680));
    EXPECT_LE(sheet.minimumWidth(), 1000);
    EXPECT_LE(sheet.minimumHeight(), 680);
    window.resize(1600, 1400);  // room again: back to the size its text asks for
    EXPECT_EQ(sheet.size(), QSize(1120, 1200));
}

TEST(Onboarding, TheOldPageFadesOutWhileTheNewOneFadesIn) {
    testing::ManualAnimationClock clock;
    OnboardingRig rig;
    rig.context.setReduceMotion(false);
    const int settle = static_cast<int>(Spring{0.25, 0.85}.settleDuration() * 1000);
    QWidget* page = rig.screen.pageBlock();
    QTest::mouseClick(rig.screen.primaryButton(), Qt::LeftButton);

    QWidget* leaving = leavingPicture(*page, rig.screen);
    ASSERT_NE(leaving, nullptr);
    EXPECT_EQ(leaving->geometry(), page->geometry());
    auto* going = qobject_cast<TransitionEffect*>(leaving->graphicsEffect());
    auto* coming = enteringEffect(*page);
    ASSERT_NE(coming, nullptr);
    clock.advance(0);
    EXPECT_DOUBLE_EQ(going->opacity(), 1);
    EXPECT_DOUBLE_EQ(coming->opacity(), 0);
    clock.advance(settle / 8);
    EXPECT_GT(going->opacity(), 0);
    EXPECT_LT(going->opacity(), 1);
    EXPECT_GT(coming->opacity(), 0);
    clock.advance(settle);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(leavingPicture(*page, rig.screen), nullptr);
    EXPECT_EQ(page->graphicsEffect(), nullptr);
    EXPECT_EQ(testing::runningAnimations(rig.screen), 0);
}

TEST(Onboarding, HalfwayBothPagesShowOnTheScreensOwnBackground) {
    testing::ManualAnimationClock clock;
    OnboardingRig rig;
    rig.context.setReduceMotion(false);
    const int settle = static_cast<int>(Spring{0.25, 0.85}.settleDuration() * 1000);
    QWidget* page = rig.screen.pageBlock();
    const QRect title = rig.screen.titleLabel()->geometry().translated(page->pos());
    const QImage before = rig.screen.grab().toImage();
    QTest::mouseClick(rig.screen.primaryButton(), Qt::LeftButton);
    clock.advance(settle / 3);
    const QImage halfway = rig.screen.grab().toImage();
    clock.advance(settle);
    const QImage after = rig.screen.grab().toImage();
    // The page block draws nothing in its corners: neither page's picture covers the screen's colour there.
    const QColor feltDark = rig.context.palette().feltDark;
    for (QPoint at :
         {page->geometry().topLeft() + QPoint(2, 2), page->geometry().bottomRight() - QPoint(2, 2)})
        EXPECT_EQ(halfway.pixelColor(at), feltDark) << at.x() << "," << at.y();
    // The titles cross: halfway is neither the old page nor the new one.
    EXPECT_GT(testing::meanDifference(halfway, before, title), 2);
    EXPECT_GT(testing::meanDifference(halfway, after, title), 2);
}

TEST(Onboarding, UnderReduceMotionTheNewPageIsThereAtOnce) {
    OnboardingRig rig;
    rig.context.setReduceMotion(true);
    QTest::mouseClick(rig.screen.primaryButton(), Qt::LeftButton);
    EXPECT_EQ(leavingPicture(*rig.screen.pageBlock(), rig.screen), nullptr);
    EXPECT_EQ(rig.screen.pageBlock()->graphicsEffect(), nullptr);
}

}  // namespace
}  // namespace pellox::app
