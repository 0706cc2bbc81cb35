// The guide, the hand's close and leaving, on a live table screen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QRegularExpression>
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
#include "table/TableOverlay.hpp"
#include "table/TablePacing.hpp"
#include "table/TableView.hpp"
#include "table/TableViewModel.hpp"

namespace pellox::app {
namespace {

using testing::checkOrCall;
using testing::ScreenRig;
using testing::visibleButton;

void allIn(ScreenRig& r) {
    const auto legal = *r.session().humanLegalActions();
    r.session().submitHumanAction(legal.canAllIn ? PlayerActionType::allIn : PlayerActionType::call);
}

void clickExit(ScreenRig& r) {
    QAbstractButton* exit = visibleButton(*r.screen, "Exit");
    ASSERT_NE(exit, nullptr);
    QTest::mouseClick(exit, Qt::LeftButton);
    r.settle();
}

TEST(TableScreenGuide, OverlayFollowsTheGuideModeAndTheStreetToggles) {
    ScreenRig r(GuideMode::show);
    r.session().startCashGame(3, 611);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    StrategyOverlayView* overlay = r.screen->strategyOverlay();
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

TEST(TableScreenGuide, BackgroundAdviceForAPassedDecisionIsNeverShown) {
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
    StrategyOverlayView* overlay = screen.strategyOverlay();

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

TEST(TableScreenGuide, ReportCardAfterAHandIsTheSessionsReport) {
    ScreenRig r(GuideMode::show);
    r.session().startCashGame(2, 613);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.handShownOver(); }, [&] { checkOrCall(r.session()); }));
    HandReportCardView* card = r.screen->handReportCard();
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

TEST(TableScreenGuide, TickerFollowsTheHandAndOpensItsLog) {
    ScreenRig r(GuideMode::show);
    r.session().startCashGame(3, 614);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    ActionTickerView* ticker = r.screen->actionTicker();
    const auto log = r.session().actionLog();
    EXPECT_EQ(ticker->recentText(), QString::fromStdString(*ActionLogStreet::flattenedTexts(log, 2)));
    QTest::mouseClick(ticker->strip(), Qt::LeftButton);
    ASSERT_TRUE(ticker->sheet());
    EXPECT_EQ(ticker->sheet()->log(), log);
    // The open sheet follows the hand.
    checkOrCall(r.session());
    r.settle();
    EXPECT_EQ(ticker->sheet()->log(), ActionLogStreet::revealedUpTo(r.session().actionLog(),
                                                                    r.screen->pacing().revealedBoardCount()));
    ticker->sheet()->reject();
}

// An all-in run out card by card: the ticker and the sheet name the showdown and the winner only once the
// river is on the felt.
TEST(TableScreenGuide, TickerTellsNoMoreThanTheFeltShows) {
    ScreenRig r(GuideMode::off);
    r.context.setReduceMotion(false);
    r.session().startCashGame(1, 614);
    r.open();
    const auto runningOut = [&] {
        const auto& t = r.session().table();
        return !t->isHandInProgress && t->board.size() == 5 && r.screen->pacing().revealedBoardCount() < 5;
    };
    ASSERT_TRUE(r.driveUntil(
        runningOut, [&] { allIn(r); }, 20000));
    ActionTickerView* ticker = r.screen->actionTicker();
    QTest::mouseClick(ticker->strip(), Qt::LeftButton);
    ASSERT_TRUE(ticker->sheet());
    while (r.screen->pacing().revealedBoardCount() < 5) {
        const QString recent = ticker->recentText().value_or(QString());
        EXPECT_FALSE(recent.contains("showed") || recent.contains("won")) << recent.toStdString();
        EXPECT_EQ(
            ticker->sheet()->log(),
            ActionLogStreet::revealedUpTo(r.session().actionLog(), r.screen->pacing().revealedBoardCount()));
        ASSERT_TRUE(r.step());
    }
    EXPECT_TRUE(ticker->recentText().value_or(QString()).contains("won"));
    EXPECT_EQ(ticker->sheet()->log(), r.session().actionLog());
    ticker->sheet()->reject();
}

TEST(TableScreenGuide, ExitDuringAHandAsksAndLeaveForfeitsIntoTheSummary) {
    ScreenRig r(GuideMode::show);
    r.session().startCashGame(3, 615);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    TableScreen& screen = *r.screen;

    clickExit(r);
    ASSERT_TRUE(screen.exitConfirmation());
    EXPECT_EQ(screen.exitConfirmation()->text(), "Leave this hand?");
    visibleButton(*screen.exitConfirmation(), "Keep playing")->click();
    r.settle();
    EXPECT_FALSE(screen.confirmingExit());
    EXPECT_FALSE(screen.summarySheet());

    clickExit(r);
    ASSERT_TRUE(screen.exitConfirmation());
    visibleButton(*screen.exitConfirmation(), "Leave")->click();
    r.settle();
    ASSERT_TRUE(screen.summarySheet());
    EXPECT_TRUE(screen.summarySheet()->isVisible());
    EXPECT_TRUE(r.screen->showingSummary());
    // Left before the first decision, with the guide on: nothing to grade, and no call to turn it on.
    EXPECT_TRUE(
        screen.summarySheet()->view()->texts().contains("No decision came up for the guide to grade."));
    // Play is blocked and the hand left as it stood.
    const auto events = r.session().currentHandEvents();
    EXPECT_FALSE(r.step());
    EXPECT_EQ(r.session().currentHandEvents(), events);
    EXPECT_TRUE(r.session().table()->isHandInProgress);

    QTest::mouseClick(screen.summarySheet()->view()->mainMenuButton(), Qt::LeftButton);
    r.settle();
    EXPECT_EQ(r.exits.size(), 1u);
    EXPECT_FALSE(screen.summarySheet());
}

TEST(TableScreenGuide, ExitBetweenHandsShowsTheSummaryAtOnce) {
    ScreenRig r(GuideMode::show);
    r.session().startCashGame(2, 616);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.handShownOver(); }, [&] { checkOrCall(r.session()); }));
    TableScreen& screen = *r.screen;
    clickExit(r);
    EXPECT_FALSE(screen.confirmingExit());
    ASSERT_TRUE(screen.summarySheet());
    const QStringList texts = screen.summarySheet()->view()->texts();
    EXPECT_TRUE(texts.contains("Cash game"));
    EXPECT_TRUE(texts.contains("Hand played"));
    EXPECT_EQ(
        screen.summarySheet()->view()->model(),
        SessionSummaryModel::make(r.session().sessionSummary(), GameMode::cash, GuideMode::show, QLocale()));
}

TEST(TableScreenGuide, OutOfChipsOffersRebuyAndPlayGoesOn) {
    ScreenRig r(GuideMode::gradeOnly);
    r.session().startCashGame(1, 617);
    r.open();
    ASSERT_TRUE(r.activate());
    ASSERT_TRUE(r.driveUntil([&] { return r.session().humanBustedInCash(); }, [&] { allIn(r); }, 200000));
    TableScreen& screen = *r.screen;
    // The hand that broke the human is shown whole first: the board runs out, the opponent's cards turn up
    // and the banner names the winner; the overlay waits for the hand's pause.
    EXPECT_FALSE(screen.bustedOverlay());
    const auto boardLength = static_cast<std::int64_t>(r.session().table()->board.size());
    ASSERT_TRUE(r.driveUntil([&] { return screen.tableView().revealedBoardCount() == boardLength; }));
    EXPECT_EQ(boardLength, 5);
    EXPECT_FALSE(screen.bustedOverlay());
    EXPECT_TRUE(TableViewModel::bannerText(r.session().table(), screen.tableView().revealedBoardCount(),
                                           GameSession::humanId));
    int showing = 0;
    for (int i = 0; i < screen.tableView().seatCount(); ++i)
        showing += screen.tableView().seatDescription(i).contains("showing ") ? 1 : 0;
    EXPECT_EQ(showing, 1);
    ASSERT_TRUE(r.step());
    ASSERT_TRUE(screen.bustedOverlay());
    EXPECT_TRUE(screen.bustedOverlay()->isVisible());
    EXPECT_EQ(screen.bustedOverlay()->title()->text(), "You're out of chips");
    EXPECT_TRUE(screen.bustedOverlay()->mainButton()->hasFocus()) << "the keys start on Rebuy";
    EXPECT_FALSE(r.step());
    const auto hand = r.session().table()->handNumber;

    QTest::mouseClick(screen.bustedOverlay()->mainButton(), Qt::LeftButton);
    r.settle();
    EXPECT_FALSE(r.session().humanBustedInCash());
    EXPECT_FALSE(screen.bustedOverlay());
    EXPECT_EQ(r.session().table()->player("human")->stack, r.rig.settings.cashConfig.get().defaultBuyIn);
    ASSERT_TRUE(r.driveUntil([&] { return r.session().table()->handNumber > hand; }));
}

TEST(TableScreenGuide, EndSessionFromTheBrokeOverlayShowsTheSummary) {
    ScreenRig r(GuideMode::gradeOnly);
    r.session().startCashGame(1, 618);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().humanBustedInCash(); }, [&] { allIn(r); }, 200000));
    TableScreen& screen = *r.screen;
    // Space skips the hand's pause: the overlay comes at once, and once it is up Space does nothing more.
    EXPECT_FALSE(screen.bustedOverlay());
    screen.advanceOrRevealAll();
    r.settle();
    if (!screen.bustedOverlay()) screen.advanceOrRevealAll();
    r.settle();
    ASSERT_TRUE(screen.bustedOverlay());
    const auto hand = r.session().table()->handNumber;
    screen.advanceOrRevealAll();
    r.settle();
    EXPECT_EQ(r.session().table()->handNumber, hand);
    EXPECT_FALSE(r.step());
    QTest::mouseClick(visibleButton(*screen.bustedOverlay(), "End session"), Qt::LeftButton);
    r.settle();
    ASSERT_TRUE(screen.summarySheet());
    EXPECT_TRUE(screen.summarySheet()->isVisible());
}

TEST(TableScreenGuide, ATournamentPlayedToItsEndShowsStandingsThenTheSummary) {
    ScreenRig r(GuideMode::show);
    r.session().startTournament(2, 619);
    r.open();
    ASSERT_TRUE(r.activate());
    ASSERT_TRUE(r.driveUntil([&] { return r.session().tournamentOver(); }, [&] { allIn(r); }, 400000));
    TableScreen& screen = *r.screen;
    // The tournament is settled where the next hand would have started, after the final hand's pause: the
    // end shows there, with no second pause.
    ASSERT_TRUE(screen.tournamentCompleteOverlay());
    EXPECT_FALSE(screen.pacingTask().pacingTimer().isPending());
    EXPECT_TRUE(screen.tournamentCompleteOverlay()->mainButton()->hasFocus())
        << "the keys start on See summary";
    EXPECT_EQ(screen.tableView().revealedBoardCount(),
              static_cast<std::int64_t>(r.session().table()->board.size()));
    // The finishers go by the names their seats show, never by their ids.
    QStringList expected;
    for (const Standing& s : *r.session().standings())
        expected << QString("%1. %2").arg(s.place).arg(
            QString::fromStdString(r.session().playerName(s.playerId)));
    EXPECT_EQ(screen.tournamentCompleteOverlay()->lines(), expected);
    EXPECT_EQ(expected.size(), 3);
    EXPECT_EQ(expected.filter(QRegularExpression("^\\d\\. You$")).size(), 1);
    EXPECT_TRUE(expected.filter("bot-").isEmpty());
    QTest::mouseClick(screen.tournamentCompleteOverlay()->mainButton(), Qt::LeftButton);
    r.settle();
    ASSERT_TRUE(screen.summarySheet());
    EXPECT_TRUE(screen.summarySheet()->view()->texts().contains("Tournament"));
    EXPECT_EQ(screen.summarySheet()->view()->model(),
              SessionSummaryModel::make(r.session().sessionSummary(), GameMode::tournament, GuideMode::show,
                                        QLocale()));

    // Play again: a fresh tournament with as many bots, the overlays and the sheet gone.
    QTest::mouseClick(screen.summarySheet()->view()->playAgainButton(), Qt::LeftButton);
    r.settle();
    EXPECT_FALSE(screen.summarySheet());
    EXPECT_FALSE(r.screen->showingSummary());
    EXPECT_FALSE(r.session().tournamentOver());
    EXPECT_FALSE(screen.tournamentCompleteOverlay());
    EXPECT_EQ(r.session().mode(), GameMode::tournament);
    EXPECT_EQ(r.session().table()->players.size(), 3u);
    EXPECT_EQ(r.session().sessionSummary().handsPlayed, 0);
    EXPECT_EQ(r.session().table()->handNumber, 1);
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
}

TEST(TableScreenGuide, SummaryShownAtOnceWhenAsked) {
    ScreenRig r(GuideMode::show);
    r.session().startCashGame(3, 620);
    r.open(false, true);
    TableScreen& screen = *r.screen;
    ASSERT_TRUE(screen.summarySheet());
    EXPECT_TRUE(screen.summarySheet()->isVisible());
    QTest::keyClick(screen.summarySheet(), Qt::Key_Escape);
    r.settle();
    EXPECT_TRUE(screen.summarySheet()->isVisible());
    QTest::mouseClick(screen.summarySheet()->view()->playAgainButton(), Qt::LeftButton);
    r.settle();
    EXPECT_FALSE(screen.summarySheet());
    EXPECT_EQ(r.session().mode(), GameMode::cash);
    EXPECT_EQ(r.session().table()->players.size(), 4u);
}

TEST(TableScreenGuideGallery, TheGuideOnTheTable) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    ScreenRig r(GuideMode::show);
    r.session().startCashGame(3, 611);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn() && !r.session().table()->board.empty(); },
                             [&] { checkOrCall(r.session()); }));
    fixtures::withoutHoverEffects(*r.screen);
    gallery::shoot("table-guide-advice", *r.screen, r.rig.settings);
    ASSERT_TRUE(r.driveUntil([&] { return r.handShownOver(); }, [&] { checkOrCall(r.session()); }));
    fixtures::withoutHoverEffects(*r.screen);
    gallery::shoot("table-guide-report", *r.screen, r.rig.settings);
}

}  // namespace
}  // namespace pellox::app
