// What the side panel's pieces draw halfway through their transitions, pixel by pixel: the new content from
// the first frame, the old one only as it fades out, and the panel's own colour wherever a piece draws
// nothing. Each expected frame is made by hand from pictures of the pieces' old and new looks.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>
#include <functional>
#include <utility>

#include "FramePixels.hpp"
#include "GuideFixtures.hpp"
#include "ManualAnimationClock.hpp"
#include "OnThePanel.hpp"
#include "TableTestSupport.hpp"
#include "kit/Spring.hpp"
#include "kit/Transition.hpp"
#include "session/PreAction.hpp"
#include "table/ActionTickerView.hpp"
#include "table/HandReportCardView.hpp"
#include "table/PreActionPanelView.hpp"
#include "table/StrategyOverlayView.hpp"
#include "table/TablePacing.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

using namespace fixtures;
using testing::composed;
using testing::Layer;
using testing::ManualAnimationClock;
using testing::meanDifference;
using testing::OnThePanel;
using testing::PaintedStage;
using testing::ScreenRig;
using testing::settleMs;

QImage picture(QWidget& widget) {
    return pictureOf(widget).toImage();
}

double leavingOpacity(const QWidget& widget, const QWidget& stage) {
    return qobject_cast<TransitionEffect*>(leavingPicture(widget, stage)->graphicsEffect())->opacity();
}

// A third of the way through `piece`'s cross-fade on `stage` (begun by `change`), the frame is the new look
// fading in over the old one fading out, on the panel's colour; not the old look alone. Gives the frame and
// the piece's place in it.
template <typename View>
std::pair<QImage, QRect> crossFadeThirdWay(ManualAnimationClock& clock, OnThePanel<View>& h, QWidget& piece,
                                           const QWidget& stage, const Spring& spring,
                                           const std::function<void()>& change) {
    const QImage old = picture(piece);
    h.context.setReduceMotion(false);
    change();
    clock.advance(settleMs(spring) / 3);
    const double out = leavingOpacity(piece, stage), in = enteringEffect(piece)->opacity();
    EXPECT_GT(out, 0.05);
    EXPECT_GT(in, 0.05);
    const QImage halfway = h.frame();
    clock.advance(settleMs(spring));
    const QImage fresh = picture(piece);

    const QRect area = h.placeOf(piece);
    const QPointF at = area.topLeft();
    const QImage expected = composed(halfway.size(), h.panel(), {{fresh, at, in}, {old, at, out}});
    const QImage oldAlone = composed(halfway.size(), h.panel(), {{old, at, in}, {old, at, out}});
    EXPECT_LT(meanDifference(halfway, expected, area), 1.0);
    EXPECT_GT(meanDifference(halfway, oldAlone, area), 3 * meanDifference(halfway, expected, area) + 0.5);
    return {halfway, area};
}

TEST(SidePanelPixels, TheStrategyOverlayComesUpShowingTheNewAdviceOnThePanelsColour) {
    ManualAnimationClock clock;
    OnThePanel<StrategyOverlayView> h(false);
    const Spring spring{0.25, 0.85};
    // The last decision's advice, gone since: the card still holds it while hidden.
    h.context.setReduceMotion(true);
    h.view->setAdvice(preflopAdvice());
    QCoreApplication::processEvents();
    const QImage old = picture(*h.view);
    h.view->setAdvice(std::nullopt);
    h.context.setReduceMotion(false);

    h.view->setAdvice(facingBetAdvice());
    clock.advance(settleMs(spring) / 3);
    const TransitionEffect* effect = enteringEffect(*h.view);
    ASSERT_NE(effect, nullptr);
    const QPointF at = h.placeOf(*h.view).topLeft() + effect->offset();
    const double opacity = effect->opacity();
    ASSERT_GT(opacity, 0.2);
    ASSERT_LT(opacity, 0.95);
    const QImage halfway = h.frame();
    clock.advance(settleMs(spring));
    const QImage fresh = picture(*h.view);

    const QRect area = h.placeOf(*h.view).united(QRect(at.toPoint(), h.view->size()));
    const QImage expected = composed(halfway.size(), h.panel(), {{fresh, at, opacity}});
    const QImage stale = composed(halfway.size(), h.panel(), {{old, at, opacity}});
    EXPECT_LT(meanDifference(halfway, expected, area), 1.0);
    EXPECT_GT(meanDifference(halfway, stale, area), 3 * meanDifference(halfway, expected, area) + 1);
    // Outside the card's round corner the panel shows.
    const QPoint bottomLeft = (at + QPointF(1, h.view->height() - 2)).toPoint();
    EXPECT_EQ(halfway.pixelColor(bottomLeft), h.panel());
}

TEST(SidePanelPixels, TheTickerFadesItsNewTextInAsTheOldOneFadesOut) {
    ManualAnimationClock clock;
    OnThePanel<ActionTickerView> h(false);
    const Spring spring{0.2, 0.85};
    const auto street = [](std::vector<ActionLogEntry> entries) {
        return ActionLogStreet{"preflop", "Preflop", {}, std::move(entries)};
    };
    h.context.setReduceMotion(true);
    h.view->setLog({street({{0, "Maniac Mo posted the small blind $5", false}})});
    QCoreApplication::processEvents();
    QAbstractButton* strip = h.view->strip();
    const auto [halfway, area] = crossFadeThirdWay(clock, h, *strip, h.column, spring, [&] {
        h.view->setLog(
            {street({{0, "Maniac Mo posted the small blind $5", false}, {1, "You posted $10", true}})});
    });
    EXPECT_EQ(halfway.pixelColor(area.topLeft() + QPoint(1, 1)), h.panel());
}

TEST(SidePanelPixels, ThePreActionHeaderCrossesToTheChoiceWithoutABarBehindIt) {
    ManualAnimationClock clock;
    OnThePanel<PreActionPanelView> h(false, [](std::optional<PreAction>) {});
    QLabel* header = h.view->header();
    const auto [halfway, area] = crossFadeThirdWay(clock, h, *header, *h.view, Spring{0.2, 0.85},
                                                   [&] { h.view->setSelected(PreAction::checkFold); });
    // The label draws no background: its ends show the panel.
    EXPECT_EQ(halfway.pixelColor(area.topLeft() + QPoint(1, 1)), h.panel());
    EXPECT_EQ(halfway.pixelColor(area.bottomRight() - QPoint(1, 1)), h.panel());
}

// --- On the table screen.

// The points of the guide column's scroll view, 12 apart, in the screen's coordinates.
std::vector<QPoint> guideArea(const TableScreen& screen) {
    const QWidget* viewport = screen.findChild<QScrollArea*>()->viewport();
    const QRect area(viewport->mapTo(&screen, QPoint(0, 0)), viewport->size());
    std::vector<QPoint> points;
    for (int y = area.top(); y <= area.bottom(); y += 12)
        for (int x = area.left(); x <= area.right(); x += 12)
            points.emplace_back(x, y);
    return points;
}

TEST(SidePanelPixels, BetweenTheHeaderAndTheActionAreaThePanelIsFeltDarkInEveryTheme) {
    ScreenRig r;
    r.session().startCashGame(5, 31);
    r.open();
    ASSERT_TRUE(r.screen->strategyOverlay()->isHidden());
    ASSERT_TRUE(r.screen->handReportCard()->isHidden());
    for (TableTheme theme : allCases<TableTheme>()) {
        r.rig.settings.tableTheme.set(theme);
        const QImage frame = r.screen->grab().toImage();
        const QColor feltDark = r.context.palette().feltDark;
        int other = 0;
        for (QPoint at : guideArea(*r.screen))
            other += frame.pixelColor(at) == feltDark ? 0 : 1;
        EXPECT_EQ(other, 0) << rawValue(theme);
    }
}

TEST(SidePanelPixels, TheReportCardComesDownWithThePanelOutsideItsCorners) {
    ManualAnimationClock clock;
    ScreenRig r;
    r.context.setReduceMotion(false);
    r.session().startCashGame(5, 31);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.handShownOver(); }, [&] { testing::checkOrCall(r.session()); }));
    HandReportCardView* card = r.screen->handReportCard();
    ASSERT_NE(enteringEffect(*card), nullptr);
    clock.advance(settleMs({0.25, 0.85}) / 2);
    const TransitionEffect* effect = enteringEffect(*card);
    ASSERT_NE(effect, nullptr);
    ASSERT_GT(effect->opacity(), 0.2);
    const QImage frame = r.screen->grab().toImage();
    const QPointF at = QPointF(card->mapTo(r.screen.get(), QPoint(0, 0))) + effect->offset();
    for (QPointF corner : {QPointF(1, card->height() - 2), QPointF(card->width() - 2, card->height() - 2)})
        EXPECT_EQ(frame.pixelColor((at + corner).toPoint()), r.context.palette().feltDark);
    // The card itself is there, on its way.
    EXPECT_NE(frame.pixelColor((at + QPointF(card->width() / 2.0, card->height() - 4)).toPoint()),
              r.context.palette().feltDark);
}

TEST(SidePanelPixels, ThePreActionPanelFadesInOnThePanelsColour) {
    ManualAnimationClock clock;
    ScreenRig r;
    r.context.setReduceMotion(false);
    r.session().startCashGame(5, 31);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    clock.advance(1000);
    auto* panel = r.screen->findChild<PreActionPanelView*>();
    ASSERT_TRUE(r.driveUntil([&] { return !r.session().isHumanTurn() && panel->isVisible(); },
                             [&] { testing::checkOrCall(r.session()); }));
    ASSERT_NE(enteringEffect(*panel), nullptr);
    clock.advance(settleMs({0.2, 0.85}) / 8);
    ASSERT_GT(enteringEffect(*panel)->opacity(), 0.2);
    const QImage frame = r.screen->grab().toImage();
    const QRect place(panel->mapTo(r.screen.get(), QPoint(0, 0)), panel->size());
    // The panel draws nothing around its header and buttons.
    for (QPoint at : {place.topLeft() + QPoint(2, 2), place.topRight() + QPoint(-2, 2),
                      place.bottomLeft() + QPoint(2, -2)})
        EXPECT_EQ(frame.pixelColor(at), r.context.palette().feltDark) << at.x() << "," << at.y();
}

}  // namespace
}  // namespace pellox::app
