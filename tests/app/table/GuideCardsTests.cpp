#include <gtest/gtest.h>

#include <QAccessible>
#include <QGraphicsOpacityEffect>
#include <QSignalSpy>
#include <QtTest/QTest>

#include "Gallery.hpp"
#include "GuideFixtures.hpp"
#include "kit/TextBlock.hpp"
#include "kit/Transition.hpp"
#include "table/BadgeView.hpp"
#include "table/EquityBarView.hpp"
#include "table/HandReportCardView.hpp"
#include "table/StrategyOverlayView.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

constexpr int columnWidth = 308;

template <typename View>
std::unique_ptr<QWidget> sized(std::unique_ptr<View> view) {
    view->resize(columnWidth, view->heightForWidth(columnWidth));
    return view;
}

TEST(StrategyOverlayView, AbsentAdviceHidesTheCardAndItsReading) {
    AppContext context;
    QWidget parent;
    auto* overlay = new StrategyOverlayView(context, &parent);
    parent.show();
    EXPECT_FALSE(overlay->isVisible());
    overlay->setAdvice(fixtures::facingBetAdvice());
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_EQ(overlay->accessibleName().toStdString(), accessibilitySummary(fixtures::facingBetAdvice()));
    overlay->setAdvice(std::nullopt);
    EXPECT_FALSE(overlay->isVisible());
    EXPECT_TRUE(overlay->accessibleName().isEmpty());
}

TEST(StrategyOverlayView, ShowsEachRowInItsColour) {
    AppContext context;
    const Palette& p = context.palette();
    StrategyOverlayView overlay(context);
    overlay.setAdvice(fixtures::facingBetAdvice());
    EXPECT_EQ(overlay.headlineText()->text(), "Flush Draw: FOLD");
    EXPECT_EQ(overlay.headlineText()->color(), p.accent);
    EXPECT_EQ(overlay.badge()->value(), "-EV");
    EXPECT_EQ(overlay.badge()->tint(), p.danger);
    EXPECT_TRUE(overlay.badge()->isVisibleTo(&overlay));
    EXPECT_TRUE(overlay.equityBar()->isVisibleTo(&overlay));
    EXPECT_EQ(overlay.equityText()->text(), "Eq: 24%");
    EXPECT_EQ(overlay.requiredText()->text(), "Req: 33%");
    EXPECT_EQ(overlay.reasonText()->color(), p.text);
    EXPECT_EQ(overlay.reasonText()->maximumLines(), 3);
    EXPECT_TRUE(overlay.readsText()->text().startsWith("Read: Maniac Mo raised preflop"));
    EXPECT_EQ(overlay.readsText()->lines(200).size(), 1);

    overlay.setAdvice(fixtures::preflopAdvice());
    EXPECT_EQ(overlay.badge()->caption(), "CHEN FORMULA");
    EXPECT_EQ(overlay.badge()->value(), "STRONG");
    EXPECT_EQ(overlay.badge()->tint(), p.success);
    EXPECT_FALSE(overlay.equityBar()->isVisibleTo(&overlay));
    EXPECT_FALSE(overlay.readsText()->isVisibleTo(&overlay));
    EXPECT_EQ(overlay.reasonText()->text().toStdString(), *fixtures::preflopAdvice().chartReason);

    overlay.setAdvice(fixtures::valueBetAdvice());
    EXPECT_FALSE(overlay.badge()->isVisibleTo(&overlay));
    EXPECT_FALSE(overlay.requiredText()->isVisibleTo(&overlay));
}

TEST(StrategyOverlayView, NewAdviceFadesInUnlessMotionIsReduced) {
    AppContext context;
    QWidget parent;
    auto* overlay = new StrategyOverlayView(context, &parent);
    parent.show();
    ASSERT_TRUE(context.reduceMotion());
    overlay->setAdvice(fixtures::valueBetAdvice());
    EXPECT_EQ(overlay->graphicsEffect(), nullptr);

    context.setReduceMotion(false);
    overlay->setAdvice(fixtures::facingBetAdvice());
    auto* effect = enteringEffect(*overlay);
    ASSERT_NE(effect, nullptr);
    EXPECT_LT(effect->opacity(), 1.0);
    // The same headline again does not fade.
    StrategyAdvice sameHeadline = fixtures::facingBetAdvice();
    sameHeadline.explanation = "Another reason.";
    QTRY_COMPARE(overlay->graphicsEffect(), nullptr);
    overlay->setAdvice(sameHeadline);
    EXPECT_EQ(overlay->graphicsEffect(), nullptr);
}

TEST(StrategyOverlayView, EquityBarFillAndMarker) {
    EXPECT_DOUBLE_EQ(EquityBarView::fillWidth(0, 300), 0);
    EXPECT_DOUBLE_EQ(EquityBarView::fillWidth(1, 300), 300);
    EXPECT_DOUBLE_EQ(EquityBarView::fillWidth(0.4, 300), 120);
    EXPECT_FALSE(EquityBarView::markerOffset(std::nullopt, 300));
    EXPECT_DOUBLE_EQ(*EquityBarView::markerOffset(0.25, 300), 75);
    // A price of the whole pot keeps its marker on the bar.
    EXPECT_DOUBLE_EQ(*EquityBarView::markerOffset(1.0, 300), 298);
}

TEST(StrategyOverlayView, FollowsThePalette) {
    SettingsStore settings;
    AppContext context(&settings);
    StrategyOverlayView overlay(context);
    overlay.setAdvice(fixtures::valueBetAdvice());
    settings.tableTheme.set(TableTheme::oxblood);
    EXPECT_EQ(overlay.headlineText()->color(), Palette::oxblood().accent);
}

TEST(StrategyOverlayView, ReasonKeepsToThreeLines) {
    AppContext context;
    StrategyOverlayView overlay(context);
    StrategyAdvice a = fixtures::valueBetAdvice();
    a.explanation = QString("word ").repeated(80).toStdString();
    overlay.setAdvice(a);
    const QStringList lines = overlay.reasonText()->lines(276);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines.last().endsWith(QChar(0x2026)));
}

TEST(HandReportCardView, DrawsTheSessionReport) {
    AppContext context;
    const Palette& p = context.palette();
    HandReportCardView card(context);
    card.setReport(fixtures::mixedReport(), true, false);
    EXPECT_EQ(card.resultText()->text(), "Maniac Mo won with a Flush, Ace high");
    EXPECT_EQ(card.netText()->text(), "-$120");
    EXPECT_EQ(card.netText()->color(), p.danger);
    EXPECT_EQ(card.netText()->accessibleName(), "Lost 120 chips");
    EXPECT_EQ(card.gradeBadge()->value(), "C");
    EXPECT_EQ(card.gradeBadge()->tint(), p.accent);
    EXPECT_EQ(card.gradeText()->text(), "2 of 3 decisions matched the guide");
    EXPECT_EQ(card.misstepText()->text(), "Turn: you called, guide said raise");
    EXPECT_EQ(card.misstepText()->color(), p.danger);
    EXPECT_TRUE(!card.hintText()->isVisibleTo(&card));

    card.setReport(fixtures::report({}, 0, {}), false, true);
    EXPECT_TRUE(!card.gradeText()->isVisibleTo(&card));
    EXPECT_TRUE(!card.misstepText()->isVisibleTo(&card));
    EXPECT_EQ(card.resultText()->text(), "Hand complete");
    EXPECT_EQ(card.netText()->color(), p.textMuted);
    EXPECT_FALSE(!card.hintText()->isVisibleTo(&card));
    card.setReport(fixtures::report({}, 0, {}), true, false);
    EXPECT_FALSE(!card.gradeText()->isVisibleTo(&card));
    EXPECT_TRUE(!card.gradeBadge()->isVisibleTo(&card));
    EXPECT_EQ(card.gradeText()->text(), "No decisions to grade this hand");
}

TEST(HandReportCardView, TheWholeCardTakesAClick) {
    AppContext context;
    QWidget parent;
    auto* card = new HandReportCardView(context, &parent);
    card->setReport(fixtures::cleanWin(), true, false);
    card->resize(columnWidth, card->heightForWidth(columnWidth));
    parent.show();
    QSignalSpy clicks(card, &HandReportCardView::clicked);
    QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(columnWidth - 10, 10));
    QTest::mouseClick(card->misstepText(), Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 2);
}

TEST(GuideCardsGallery, OverlayAndReportCards) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    gallery::shootEach("strategy-overlay-preflop", {}, [](AppContext& c) {
        auto v = std::make_unique<StrategyOverlayView>(c);
        v->setAdvice(fixtures::preflopAdvice());
        return sized(std::move(v));
    });
    gallery::shootEach("strategy-overlay-facing-bet", {}, [](AppContext& c) {
        auto v = std::make_unique<StrategyOverlayView>(c);
        v->setAdvice(fixtures::facingBetAdvice());
        return sized(std::move(v));
    });
    gallery::shootEach("strategy-overlay-value-bet", {}, [](AppContext& c) {
        auto v = std::make_unique<StrategyOverlayView>(c);
        v->setAdvice(fixtures::valueBetAdvice());
        return sized(std::move(v));
    });
    gallery::shootEach("hand-report-mixed", {}, [](AppContext& c) {
        auto v = std::make_unique<HandReportCardView>(c);
        v->setReport(fixtures::mixedReport(), true, false);
        return sized(std::move(v));
    });
    gallery::shootEach("hand-report-clean-win", {}, [](AppContext& c) {
        auto v = std::make_unique<HandReportCardView>(c);
        v->setReport(fixtures::cleanWin(), true, true);
        return sized(std::move(v));
    });
}

}  // namespace
}  // namespace pellox::app

namespace pellox::app {
namespace {

TEST(StrategyOverlayView, AScreenReaderMeetsTheCardAsOneElementWithItsSummary) {
    AppContext context;
    StrategyOverlayView overlay(context);
    overlay.setAdvice(fixtures::preflopAdvice());
    QAccessibleInterface* card = QAccessible::queryAccessibleInterface(&overlay);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->childCount(), 0) << "the badge is no element of its own";
    EXPECT_TRUE(card->text(QAccessible::Name).contains("Chen formula rates this Strong"));
}

}  // namespace
}  // namespace pellox::app
