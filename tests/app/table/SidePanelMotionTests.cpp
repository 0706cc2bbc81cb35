// The side panel's pieces in motion: the pre-action panel's selection and header, the strategy overlay
// coming and going, the report card's net result, the ticker's strip. Time moves only when the test says.
#include <gtest/gtest.h>

#include <QAbstractAnimation>
#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "GuideFixtures.hpp"
#include "ManualAnimationClock.hpp"
#include "OnThePanel.hpp"
#include "kit/HoverButton.hpp"
#include "kit/Spring.hpp"
#include "kit/TextBlock.hpp"
#include "kit/Transition.hpp"
#include "session/PreAction.hpp"
#include "table/ActionTickerView.hpp"
#include "table/HandReportCardView.hpp"
#include "table/PreActionPanelView.hpp"
#include "table/StrategyOverlayView.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

using namespace fixtures;
using testing::ManualAnimationClock;
using testing::OnThePanel;
using testing::runningAnimations;
using testing::settleMs;

void dropLeftovers() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(PreActionPanelMotion, ANewChoiceSpringsTheColoursOverAndCrossFadesTheHeader) {
    ManualAnimationClock clock;
    OnThePanel<PreActionPanelView> h(true, [](std::optional<PreAction>) {});
    const Palette& p = h.context.palette();
    const Spring spring{0.2, 0.85};
    HoverButton* checkFold = h.view->option(PreAction::checkFold);
    EXPECT_EQ(checkFold->fill(), p.panel);
    h.view->setSelected(PreAction::checkFold);
    EXPECT_EQ(h.view->header()->text(), "WILL CHECK / FOLD");
    EXPECT_EQ(checkFold->fill(), p.panel);
    ASSERT_NE(leavingPicture(*h.view->header(), *h.view), nullptr);
    ASSERT_NE(enteringEffect(*h.view->header()), nullptr);
    clock.advance(settleMs(spring) / 5);
    EXPECT_NE(checkFold->fill(), p.panel);
    EXPECT_NE(checkFold->fill(), p.accent);
    clock.advance(settleMs(spring));
    EXPECT_EQ(checkFold->fill(), p.accent);
    EXPECT_EQ(checkFold->textColor(), p.onAccent);
    dropLeftovers();
    EXPECT_EQ(leavingPicture(*h.view->header(), *h.view), nullptr);
    EXPECT_EQ(h.view->header()->graphicsEffect(), nullptr);
    EXPECT_EQ(runningAnimations(h.column), 0);

    // Another option: one springs out as the other springs in; the header changes again.
    h.view->setSelected(PreAction::callAny);
    clock.advance(settleMs(spring) / 5);
    EXPECT_NE(checkFold->fill(), p.accent);
    EXPECT_NE(h.view->option(PreAction::callAny)->fill(), p.panel);
    clock.advance(settleMs(spring));
    EXPECT_EQ(checkFold->fill(), p.panel);
    EXPECT_EQ(h.view->option(PreAction::callAny)->fill(), p.accent);
}

TEST(PreActionPanelMotion, UnderReduceMotionTheChoiceIsThereAtOnce) {
    ManualAnimationClock clock;
    OnThePanel<PreActionPanelView> h(true, [](std::optional<PreAction>) {});
    h.context.setReduceMotion(true);
    h.view->setSelected(PreAction::check);
    EXPECT_EQ(h.view->option(PreAction::check)->fill(), h.context.palette().accent);
    EXPECT_EQ(leavingPicture(*h.view->header(), *h.view), nullptr);
    EXPECT_EQ(h.view->header()->graphicsEffect(), nullptr);
}

TEST(StrategyOverlayMotion, TheCardComesUpFromTheBottomAndGoesBackDownFading) {
    ManualAnimationClock clock;
    OnThePanel<StrategyOverlayView> h(true);
    const Spring spring{0.25, 0.85};
    ASSERT_TRUE(h.view->isHidden());
    h.view->setAdvice(facingBetAdvice());
    EXPECT_TRUE(h.view->isVisible());
    auto* effect = enteringEffect(*h.view);
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->transition().edge, Transition::Edge::bottom);
    clock.advance(0);
    EXPECT_DOUBLE_EQ(effect->opacity(), 0);
    clock.advance(settleMs(spring) / 4);
    EXPECT_GT(effect->opacity(), 0);
    EXPECT_GT(effect->offset().y(), 0);
    clock.advance(settleMs(spring));
    EXPECT_EQ(h.view->graphicsEffect(), nullptr);

    h.view->setAdvice(std::nullopt);
    EXPECT_TRUE(h.view->isHidden());
    QWidget* picture = leavingPicture(*h.view, h.column);
    ASSERT_NE(picture, nullptr);
    auto* going = qobject_cast<TransitionEffect*>(picture->graphicsEffect());
    EXPECT_EQ(going->transition().edge, Transition::Edge::bottom);
    clock.advance(settleMs(spring) / 4);
    EXPECT_GT(going->offset().y(), 0);
    EXPECT_LT(going->opacity(), 1);
    clock.advance(settleMs(spring));
    dropLeftovers();
    EXPECT_EQ(leavingPicture(*h.view, h.column), nullptr);
    EXPECT_EQ(runningAnimations(h.column), 0);
}

TEST(StrategyOverlayMotion, ANewHeadlineCrossFadesTheCardAndTheSameOneChangesNothing) {
    ManualAnimationClock clock;
    OnThePanel<StrategyOverlayView> h(true);
    h.context.setReduceMotion(true);
    h.view->setAdvice(preflopAdvice());
    h.context.setReduceMotion(false);
    h.view->setAdvice(preflopAdvice());
    EXPECT_EQ(leavingPicture(*h.view, h.column), nullptr);
    EXPECT_EQ(h.view->graphicsEffect(), nullptr);
    h.view->setAdvice(valueBetAdvice());
    ASSERT_NE(leavingPicture(*h.view, h.column), nullptr);
    ASSERT_NE(enteringEffect(*h.view), nullptr);
    EXPECT_EQ(enteringEffect(*h.view)->transition().edge, Transition::Edge::none);
    clock.advance(settleMs({0.25, 0.85}));
    dropLeftovers();
    EXPECT_EQ(leavingPicture(*h.view, h.column), nullptr);
    EXPECT_EQ(h.view->graphicsEffect(), nullptr);
}

TEST(HandReportCardMotion, TheNetResultCountsToANewReportsOnlyWhileTheCardIsOnScreen) {
    ManualAnimationClock clock;
    OnThePanel<HandReportCardView> h(true);
    const Spring spring{0.25, 0.85};
    h.view->setReport(cleanWin(), true, false);
    EXPECT_EQ(h.view->netText()->text(), "+$85");
    h.view->setReport(mixedReport(), true, false);
    EXPECT_EQ(h.view->netText()->text(), "+$85");
    clock.advance(settleMs(spring) / 5);
    const QString midway = h.view->netText()->text();
    EXPECT_NE(midway, "+$85");
    EXPECT_NE(midway, "-$120");
    clock.advance(settleMs(spring));
    EXPECT_EQ(h.view->netText()->text(), "-$120");
    EXPECT_EQ(runningAnimations(h.column), 0);

    // A card coming on screen comes with its amount.
    h.view->hide();
    h.view->setReport(cleanWin(), true, false);
    EXPECT_EQ(h.view->netText()->text(), "+$85");
    // And under reduce motion the amount is there at once.
    h.view->show();
    h.context.setReduceMotion(true);
    h.view->setReport(mixedReport(), true, false);
    EXPECT_EQ(h.view->netText()->text(), "-$120");
}

ActionLogStreet preflop(std::vector<ActionLogEntry> entries) {
    return {"preflop", "Preflop", {}, std::move(entries)};
}

TEST(ActionTickerMotion, TheStripFadesInCrossFadesToANewTextAndFadesOut) {
    ManualAnimationClock clock;
    OnThePanel<ActionTickerView> h(true);
    const Spring spring{0.2, 0.85};
    QWidget* strip = h.view->strip();
    h.view->setLog({preflop({{0, "Maniac Mo posted the small blind $5", false}})});
    ASSERT_NE(enteringEffect(*strip), nullptr);
    EXPECT_EQ(enteringEffect(*strip)->transition().edge, Transition::Edge::none);
    clock.advance(settleMs(spring) / 4);
    EXPECT_GT(enteringEffect(*strip)->opacity(), 0);
    EXPECT_LT(enteringEffect(*strip)->opacity(), 1);
    clock.advance(settleMs(spring));
    EXPECT_EQ(strip->graphicsEffect(), nullptr);

    h.view->setLog(
        {preflop({{0, "Maniac Mo posted the small blind $5", false}, {1, "You posted $10", true}})});
    EXPECT_NE(leavingPicture(*strip, h.column), nullptr);
    EXPECT_NE(enteringEffect(*strip), nullptr);
    clock.advance(settleMs(spring));
    dropLeftovers();

    h.view->setLog({});
    EXPECT_TRUE(strip->isHidden());
    QWidget* picture = leavingPicture(*strip, h.column);
    ASSERT_NE(picture, nullptr);
    clock.advance(settleMs(spring) / 4);
    EXPECT_LT(qobject_cast<TransitionEffect*>(picture->graphicsEffect())->opacity(), 1);
    clock.advance(settleMs(spring));
    dropLeftovers();
    EXPECT_EQ(leavingPicture(*strip, h.column), nullptr);
    EXPECT_EQ(runningAnimations(h.column), 0);
}

}  // namespace
}  // namespace pellox::app
