// The guide, the hand's close and leaving, on a live table screen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QtTest/QTest>

#include "Gallery.hpp"
#include "GuideFixtures.hpp"
#include "TableTestSupport.hpp"
#include "kit/HoverButton.hpp"
#include "kit/TextBlock.hpp"
#include "rules/GameMode.hpp"
#include "table/ActionLogSheet.hpp"
#include "table/ActionTickerView.hpp"
#include "table/HandReportCardView.hpp"
#include "table/SessionSummarySheet.hpp"
#include "table/SessionSummaryView.hpp"
#include "table/StrategyOverlayView.hpp"
#include "table/TableGuide.hpp"
#include "table/TableOverlay.hpp"
#include "table/TablePacing.hpp"

namespace pellox::app {
namespace {

using testing::ScreenRig;

TableGuide& guideOf(ScreenRig& r) {
    auto* guide = r.screen->findChild<TableGuide*>();
    EXPECT_NE(guide, nullptr);
    return *guide;
}

QAbstractButton* buttonNamed(QWidget& root, const QString& name) {
    for (auto* b : root.findChildren<QAbstractButton*>())
        if (b->isVisible() && (b->text() == name || b->accessibleName() == name)) return b;
    return nullptr;
}

void checkOrCall(ScreenRig& r) {
    const auto legal = *r.session().humanLegalActions();
    r.session().submitHumanAction(legal.canCheck ? PlayerActionType::check : PlayerActionType::call);
}

void allIn(ScreenRig& r) {
    const auto legal = *r.session().humanLegalActions();
    r.session().submitHumanAction(legal.canAllIn ? PlayerActionType::allIn : PlayerActionType::call);
}

bool handShownOver(ScreenRig& r) {
    const auto& t = r.session().table();
    return t && !t->isHandInProgress &&
           r.screen->pacing().revealedBoardCount() >= static_cast<std::int64_t>(t->board.size());
}

void clickExit(ScreenRig& r) {
    QAbstractButton* exit = buttonNamed(*r.screen, "Exit");
    ASSERT_NE(exit, nullptr);
    QTest::mouseClick(exit, Qt::LeftButton);
    r.settle();
}

TEST(TableGuide, OverlayFollowsTheGuideModeAndTheStreetToggles) {
    ScreenRig r(GuideMode::show);
    r.session().startCashGame(3, 611);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    StrategyOverlayView* overlay = guideOf(r).strategyOverlay();
    ASSERT_TRUE(r.session().visibleAdvice());
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_EQ(overlay->model(), StrategyOverlayModel::make(r.session().visibleAdvice()));

    r.rig.settings.guideMode.set(GuideMode::gradeOnly);
    r.settle();
    EXPECT_TRUE(r.session().humanAdvice());
    EXPECT_FALSE(overlay->isVisible());

    r.rig.settings.guideMode.set(GuideMode::show);
    r.rig.settings.setStrategyToggle(r.session().table()->street, false);
    r.settle();
    EXPECT_FALSE(overlay->isVisible());
    r.rig.settings.setStrategyToggle(r.session().table()->street, true);
    r.settle();
    EXPECT_TRUE(overlay->isVisible());

    r.rig.settings.guideMode.set(GuideMode::off);
    r.settle();
    EXPECT_FALSE(overlay->isVisible());
}

TEST(TableGuide, BackgroundAdviceForAPassedDecisionIsNeverShown) {
    pellox::testing::SessionRig rig(true, GuideMode::show);
    rig.settings.gameSpeed.set(GameSpeed::fast);
    testing::RecordingFeedback feedback(rig.settings, QStringLiteral("/nonexistent"));
    AppContext context(&rig.settings, &feedback);
    rig.session.startCashGame(3, 612);
    TableScreen screen(context, rig.session, rig.settings, false, false, [] {});
    screen.pacingTask().setJitter([] { return 0.0; });
    screen.resize(1280, 820);
    screen.show();
    const auto settle = [&] {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            screen.pacingTask().flush();
        }
    };
    const auto driveToHumanTurn = [&] {
        for (int i = 0; i < 2000 && !rig.session.isHumanTurn(); ++i) {
            settle();
            if (!screen.pacingTask().pacingTimer().runPendingNow()) break;
        }
        settle();
        return rig.session.isHumanTurn();
    };
    StrategyOverlayView* overlay = screen.findChild<TableGuide*>()->strategyOverlay();

    ASSERT_TRUE(driveToHumanTurn());
    ASSERT_EQ(rig.scheduler->pending.size(), 1u);
    EXPECT_FALSE(overlay->isVisible());
    // The first decision's advice is computed but held back while the human acts and play moves on.
    auto stale = rig.scheduler->runWork(0);
    const auto firstKey = rig.session.humanAdviceKey();
    const auto legal = *rig.session.humanLegalActions();
    rig.session.submitHumanAction(legal.canCheck ? PlayerActionType::check : PlayerActionType::call);
    settle();
    // Play goes on to the human's next decision, in this hand or a later one.
    ASSERT_TRUE(driveToHumanTurn());
    ASSERT_NE(rig.session.humanAdviceKey(), firstKey);
    ASSERT_EQ(rig.scheduler->pending.size(), 1u);
    ASSERT_FALSE(rig.session.humanAdvice());
    stale();
    settle();
    EXPECT_FALSE(rig.session.humanAdvice());
    EXPECT_FALSE(overlay->isVisible());
    // The current decision's own advice shows once it arrives.
    rig.scheduler->drainInOrder();
    settle();
    ASSERT_TRUE(rig.session.humanAdvice());
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_EQ(overlay->model(), StrategyOverlayModel::make(rig.session.visibleAdvice()));
}

TEST(TableGuide, ReportCardAfterAHandIsTheSessionsReport) {
    ScreenRig r(GuideMode::show);
    r.session().startCashGame(2, 613);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return handShownOver(r); }, [&] { checkOrCall(r); }));
    HandReportCardView* card = guideOf(r).handReportCard();
    ASSERT_TRUE(r.session().handReport());
    EXPECT_TRUE(card->isVisible());
    EXPECT_EQ(card->model(), HandReportCardModel::make(*r.session().handReport(), true, false));
    EXPECT_GE(r.session().handReport()->decisionCount(), 1);
    // A click on the card goes on to the next hand.
    QTest::mouseClick(card, Qt::LeftButton);
    r.settle();
    EXPECT_EQ(r.session().table()->handNumber, 2);
    EXPECT_FALSE(card->isVisible());
}

TEST(TableGuide, TickerFollowsTheHandAndOpensItsLog) {
    ScreenRig r(GuideMode::show);
    r.session().startCashGame(3, 614);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    ActionTickerView* ticker = guideOf(r).actionTicker();
    const auto log = r.session().actionLog();
    EXPECT_EQ(ticker->recentText(), QString::fromStdString(*ActionLogStreet::flattenedTexts(log, 2)));
    QTest::mouseClick(ticker->strip(), Qt::LeftButton);
    ASSERT_TRUE(ticker->sheet());
    EXPECT_EQ(ticker->sheet()->log(), log);
    // The open sheet follows the hand.
    checkOrCall(r);
    r.settle();
    EXPECT_EQ(ticker->sheet()->log(), r.session().actionLog());
    ticker->sheet()->reject();
}

TEST(TableGuide, ExitDuringAHandAsksAndLeaveForfeitsIntoTheSummary) {
    ScreenRig r(GuideMode::show);
    r.session().startCashGame(3, 615);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    TableGuide& guide = guideOf(r);

    clickExit(r);
    ASSERT_TRUE(guide.exitConfirmation());
    EXPECT_EQ(guide.exitConfirmation()->text(), "Leave this hand?");
    buttonNamed(*guide.exitConfirmation(), "Keep playing")->click();
    r.settle();
    EXPECT_FALSE(guide.confirmingExit());
    EXPECT_FALSE(guide.summarySheet());

    clickExit(r);
    ASSERT_TRUE(guide.exitConfirmation());
    buttonNamed(*guide.exitConfirmation(), "Leave")->click();
    r.settle();
    ASSERT_TRUE(guide.summarySheet());
    EXPECT_TRUE(guide.summarySheet()->isVisible());
    EXPECT_TRUE(r.screen->showingSummary());
    // Play is blocked and the hand left as it stood.
    const auto events = r.session().currentHandEvents();
    EXPECT_FALSE(r.step());
    EXPECT_EQ(r.session().currentHandEvents(), events);
    EXPECT_TRUE(r.session().table()->isHandInProgress);

    QTest::mouseClick(guide.summarySheet()->view()->mainMenuButton(), Qt::LeftButton);
    r.settle();
    EXPECT_EQ(r.exits.size(), 1u);
    EXPECT_FALSE(guide.summarySheet());
}

TEST(TableGuide, ExitBetweenHandsShowsTheSummaryAtOnce) {
    ScreenRig r(GuideMode::show);
    r.session().startCashGame(2, 616);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return handShownOver(r); }, [&] { checkOrCall(r); }));
    TableGuide& guide = guideOf(r);
    clickExit(r);
    EXPECT_FALSE(guide.confirmingExit());
    ASSERT_TRUE(guide.summarySheet());
    const QStringList texts = guide.summarySheet()->view()->texts();
    EXPECT_TRUE(texts.contains("Cash game"));
    EXPECT_TRUE(texts.contains("Hand played"));
    EXPECT_EQ(guide.summarySheet()->view()->model(),
              SessionSummaryModel::make(r.session().sessionSummary(), GameMode::cash, QLocale()));
}

TEST(TableGuide, OutOfChipsOffersRebuyAndPlayGoesOn) {
    ScreenRig r(GuideMode::gradeOnly);
    r.session().startCashGame(1, 617);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().humanBustedInCash(); }, [&] { allIn(r); }, 200000));
    TableGuide& guide = guideOf(r);
    ASSERT_TRUE(guide.bustedOverlay());
    EXPECT_TRUE(guide.bustedOverlay()->isVisible());
    EXPECT_EQ(guide.bustedOverlay()->title()->text(), "You're out of chips");
    EXPECT_FALSE(r.step());
    const auto hand = r.session().table()->handNumber;

    QTest::mouseClick(guide.bustedOverlay()->mainButton(), Qt::LeftButton);
    r.settle();
    EXPECT_FALSE(r.session().humanBustedInCash());
    EXPECT_FALSE(guide.bustedOverlay());
    EXPECT_EQ(r.session().table()->player("human")->stack, r.rig.settings.cashConfig.get().defaultBuyIn);
    ASSERT_TRUE(r.driveUntil([&] { return r.session().table()->handNumber > hand; }));
}

TEST(TableGuide, EndSessionFromTheBrokeOverlayShowsTheSummary) {
    ScreenRig r(GuideMode::gradeOnly);
    r.session().startCashGame(1, 618);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().humanBustedInCash(); }, [&] { allIn(r); }, 200000));
    TableGuide& guide = guideOf(r);
    QTest::mouseClick(buttonNamed(*guide.bustedOverlay(), "End session"), Qt::LeftButton);
    r.settle();
    ASSERT_TRUE(guide.summarySheet());
    EXPECT_TRUE(guide.summarySheet()->isVisible());
}

TEST(TableGuide, ATournamentPlayedToItsEndShowsStandingsThenTheSummary) {
    ScreenRig r(GuideMode::show);
    r.session().startTournament(2, 619);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().tournamentOver(); }, [&] { allIn(r); }, 400000));
    TableGuide& guide = guideOf(r);
    ASSERT_TRUE(guide.tournamentCompleteOverlay());
    QStringList expected;
    for (const Standing& s : *r.session().standings())
        expected << QString("%1. %2").arg(s.place).arg(QString::fromStdString(s.playerId));
    EXPECT_EQ(guide.tournamentCompleteOverlay()->lines(), expected);
    EXPECT_EQ(expected.size(), 3);
    QTest::mouseClick(guide.tournamentCompleteOverlay()->mainButton(), Qt::LeftButton);
    r.settle();
    ASSERT_TRUE(guide.summarySheet());
    EXPECT_TRUE(guide.summarySheet()->view()->texts().contains("Tournament"));
    EXPECT_EQ(guide.summarySheet()->view()->model(),
              SessionSummaryModel::make(r.session().sessionSummary(), GameMode::tournament, QLocale()));

    // Play again: a fresh tournament with as many bots, the overlays and the sheet gone.
    QTest::mouseClick(guide.summarySheet()->view()->playAgainButton(), Qt::LeftButton);
    r.settle();
    EXPECT_FALSE(guide.summarySheet());
    EXPECT_FALSE(r.screen->showingSummary());
    EXPECT_FALSE(r.session().tournamentOver());
    EXPECT_FALSE(guide.tournamentCompleteOverlay());
    EXPECT_EQ(r.session().mode(), GameMode::tournament);
    EXPECT_EQ(r.session().table()->players.size(), 3u);
    EXPECT_EQ(r.session().sessionSummary().handsPlayed, 0);
    EXPECT_EQ(r.session().table()->handNumber, 1);
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
}

TEST(TableGuide, SummaryShownAtOnceWhenAsked) {
    ScreenRig r(GuideMode::show);
    r.session().startCashGame(3, 620);
    r.open(false, true);
    TableGuide& guide = guideOf(r);
    ASSERT_TRUE(guide.summarySheet());
    EXPECT_TRUE(guide.summarySheet()->isVisible());
    QTest::keyClick(guide.summarySheet(), Qt::Key_Escape);
    r.settle();
    EXPECT_TRUE(guide.summarySheet()->isVisible());
    QTest::mouseClick(guide.summarySheet()->view()->playAgainButton(), Qt::LeftButton);
    r.settle();
    EXPECT_FALSE(guide.summarySheet());
    EXPECT_EQ(r.session().mode(), GameMode::cash);
    EXPECT_EQ(r.session().table()->players.size(), 4u);
}

TEST(TableGuideGallery, TheGuideOnTheTable) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    ScreenRig r(GuideMode::show);
    r.session().startCashGame(3, 611);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn() && !r.session().table()->board.empty(); },
                             [&] { checkOrCall(r); }));
    fixtures::withoutHoverEffects(*r.screen);
    gallery::shoot("table-guide-advice", *r.screen, r.rig.settings, r.context);
    ASSERT_TRUE(r.driveUntil([&] { return handShownOver(r); }, [&] { checkOrCall(r); }));
    fixtures::withoutHoverEffects(*r.screen);
    gallery::shoot("table-guide-report", *r.screen, r.rig.settings, r.context);
}

}  // namespace
}  // namespace pellox::app
