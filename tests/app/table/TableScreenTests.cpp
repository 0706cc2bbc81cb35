// The play screen driven as a user would: clicks, keys, the accessibility actions, and whole games.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLayout>
#include <QListWidget>
#include <QTest>
#include <algorithm>
#include <set>

#include "AccessibleActions.hpp"
#include "ManualAnimationClock.hpp"
#include "TableTestSupport.hpp"
#include "kit/Fonts.hpp"
#include "kit/HoverButton.hpp"
#include "kit/TextFit.hpp"
#include "rules/PokerEngineTestSupport.hpp"
#include "table/ActionBarView.hpp"
#include "table/ActionTickerView.hpp"
#include "table/HandReportCardView.hpp"
#include "table/NextHandButton.hpp"
#include "table/PreActionPanelView.hpp"
#include "table/StrategyOverlayView.hpp"
#include "table/TablePacing.hpp"
#include "table/TableView.hpp"

namespace pellox::app {
namespace {

using Sfx = Feedback::Sfx;
using testing::ManualAnimationClock;
using testing::ScreenRig;
using testing::visibleButton;

// The human's part through the action bar: check when free, else call.
void clickCheckOrCall(ScreenRig& r) {
    const auto legal = *r.session().humanLegalActions();
    const QString text =
        legal.canCheck ? QStringLiteral("Check") : QStringLiteral("Call $%1").arg(legal.callAmount);
    HoverButton* button = visibleButton<HoverButton>(*r.screen, text);
    ASSERT_NE(button, nullptr) << text.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

void pressKey(ScreenRig& r, Qt::Key key) {
    QTest::keyClick(r.screen.get(), key);
}

std::int64_t chipsInGame(const TableState& t) {
    return t.isHandInProgress ? pellox::testing::chipsOnTable(t) : pellox::testing::stacks(t);
}

void activate(ScreenRig& r) {
    ASSERT_TRUE(r.activate());
}

TEST(TableScreen, AWholeHandPlayedByClicks) {
    ScreenRig r;
    r.session().startCashGame(3, 501);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.handShownOver(); }, [&] { clickCheckOrCall(r); }));
    EXPECT_EQ(r.rig.stats.handHistory().size(), 1u);
    EXPECT_EQ(chipsInGame(*r.session().table()), 4 * 1000);
    // The Next Hand button goes on at once.
    auto* next = r.screen->findChild<NextHandButton*>();
    ASSERT_TRUE(next->isVisible());
    QTest::mouseClick(next, Qt::LeftButton);
    r.settle();
    EXPECT_EQ(r.session().table()->handNumber, 2);
}

TEST(TableScreen, AWholeHandPlayedByKeys) {
    ScreenRig r;
    r.session().startCashGame(3, 502);
    r.open();
    activate(r);
    int keys = 0;
    ASSERT_TRUE(r.driveUntil([&] { return r.handShownOver(); },
                             [&] {
                                 ++keys;
                                 pressKey(r, Qt::Key_C);
                             }));
    EXPECT_GT(keys, 0);
    EXPECT_EQ(r.rig.stats.handHistory().size(), 1u);
    pressKey(r, Qt::Key_Space);
    r.settle();
    EXPECT_EQ(r.session().table()->handNumber, 2);

    // F folds, A goes all in; neither does anything when it is not the human's turn.
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    const auto before = r.session().currentHandEvents().size();
    ASSERT_TRUE(r.driveUntil(
        [&] {
            const Player* acting = r.session().table()->currentPlayer();
            return acting && acting->isBot;
        },
        [&] { pressKey(r, Qt::Key_A); }));
    EXPECT_GT(r.session().currentHandEvents().size(), before);
    EXPECT_TRUE(r.session().table()->player("human")->isAllIn);
    const auto events = r.session().currentHandEvents().size();
    pressKey(r, Qt::Key_F);
    r.settle();
    EXPECT_EQ(r.session().currentHandEvents().size(), events);
}

TEST(TableScreen, SpaceShowsTheRestOfTheBoardBeforeItStartsTheNextHand) {
    ScreenRig r;
    r.session().startCashGame(2, 77);
    r.open();
    activate(r);
    // Everyone checks or calls down to the river; the board is then revealed one card per run.
    ASSERT_TRUE(
        r.driveUntil([&] { return r.session().table()->board.size() >= 3; }, [&] { clickCheckOrCall(r); }));
    ASSERT_LT(r.screen->pacing().revealedBoardCount(), 3);
    pressKey(r, Qt::Key_Space);
    r.settle();
    EXPECT_EQ(r.screen->pacing().revealedBoardCount(), 3);
    EXPECT_EQ(r.screen->tableView().revealedBoardCount(), 3);
    const auto hand = r.session().table()->handNumber;
    pressKey(r, Qt::Key_Space);
    r.settle();
    EXPECT_EQ(r.session().table()->handNumber, hand);
}

TEST(TableScreen, TheActionAreaShowsOneThingAtATime) {
    ScreenRig r;
    r.session().startCashGame(5, 31);
    r.open();
    auto* bar = r.screen->findChild<ActionBarView*>();
    auto* next = r.screen->findChild<NextHandButton*>();
    auto* pre = r.screen->findChild<PreActionPanelView*>();
    auto shows = [&] { return std::tuple{bar->isVisible(), next->isVisible(), pre->isVisible()}; };
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    EXPECT_EQ(shows(), std::tuple(true, false, false));
    clickCheckOrCall(r);
    r.settle();
    if (r.session().table()->isHandInProgress && !r.session().isHumanTurn()) {
        EXPECT_EQ(shows(), std::tuple(false, false, true));
    }
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }, nullptr));
    QTest::mouseClick(visibleButton<HoverButton>(*r.screen, "Fold"), Qt::LeftButton);
    r.settle();
    if (r.session().table()->isHandInProgress) {
        EXPECT_EQ(shows(), std::tuple(false, false, false));
    }
    ASSERT_TRUE(r.driveUntil([&] { return r.handShownOver(); }));
    EXPECT_EQ(shows(), std::tuple(false, true, false));
}

TEST(TableScreen, AnArmedPreActionFiresWhenTheTurnComesAndClearingItStopsIt) {
    ScreenRig r;
    r.session().startCashGame(5, 44);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.screen->pacing().showsPreActions(); }));
    QTest::mouseClick(visibleButton<HoverButton>(*r.screen, "Call Any"), Qt::LeftButton);
    r.settle();
    EXPECT_EQ(r.session().preAction(), PreAction::callAny);
    EXPECT_EQ(r.screen->findChild<PreActionPanelView*>()->selected(), PreAction::callAny);
    // Bots play until the turn reaches the human; then the pre-action waits its delay, and only it.
    while (!r.session().isHumanTurn()) {
        ASSERT_FALSE(r.screen->pacingTask().preActionTimer().isPending());
        ASSERT_TRUE(r.screen->pacingTask().pacingTimer().runPendingNow());
        r.settle();
        ASSERT_TRUE(r.session().table()->isHandInProgress);
    }
    KeyedTimer& timer = r.screen->pacingTask().preActionTimer();
    ASSERT_TRUE(timer.isPending());
    EXPECT_EQ(timer.pendingMilliseconds(), 248);
    const auto events = r.session().currentHandEvents().size();
    ASSERT_TRUE(timer.runPendingNow());
    r.settle();
    EXPECT_GT(r.session().currentHandEvents().size(), events);
    EXPECT_FALSE(r.session().preAction());

    // Armed, then cleared before the human's turn: nothing fires.
    ASSERT_TRUE(
        r.driveUntil([&] { return r.screen->pacing().showsPreActions(); }, [&] { clickCheckOrCall(r); }));
    QTest::mouseClick(visibleButton<HoverButton>(*r.screen, "Check / Fold"), Qt::LeftButton);
    r.settle();
    QTest::mouseClick(visibleButton<HoverButton>(*r.screen, "Check / Fold"), Qt::LeftButton);
    r.settle();
    EXPECT_FALSE(r.session().preAction());
    EXPECT_FALSE(r.screen->pacingTask().preActionTimer().isPending());
}

TEST(TableScreen, TheFeltReadsSixSeatsAloudAndItsFoldActionFolds) {
    ScreenRig r;
    r.session().startCashGame(5, 8);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    QAccessibleInterface* felt = QAccessible::queryAccessibleInterface(&r.screen->tableView());
    ASSERT_NE(felt, nullptr);
    ASSERT_EQ(felt->childCount(), 8);
    const TableState& t = *r.session().table();
    for (int i = 0; i < 6; ++i) {
        const QString name = felt->child(i)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty());
        EXPECT_TRUE(felt->child(i)->actionInterface()->actionNames().contains("Fold"));
    }
    EXPECT_TRUE(felt->child(0)->text(QAccessible::Name).startsWith("You, "));
    EXPECT_TRUE(felt->child(0)->text(QAccessible::Name).contains("holding "));
    EXPECT_TRUE(felt->child(0)->text(QAccessible::Name).endsWith("acting now"));
    EXPECT_EQ(felt->child(0)->role(), QAccessible::Button);
    EXPECT_EQ(felt->child(1)->role(), QAccessible::StaticText);
    EXPECT_EQ(felt->child(6)->text(QAccessible::Name), "No cards on the board yet");
    EXPECT_EQ(felt->child(7)->text(QAccessible::Name), QStringLiteral("Pot $%1").arg(r.session().potTotal()));
    EXPECT_TRUE(felt->child(7)->actionInterface()->actionNames().contains("Continue"));

    // A bot's seat folds nothing; the human's folds the human.
    felt->child(1)->actionInterface()->doAction("Fold");
    r.settle();
    EXPECT_TRUE(r.session().isHumanTurn());
    felt->child(0)->actionInterface()->doAction("Fold");
    r.settle();
    EXPECT_TRUE(r.session().table()->player("human")->hasFolded);
    EXPECT_EQ(std::count(r.feedback.played.begin(), r.feedback.played.end(), Sfx::fold), 1);
    EXPECT_EQ(t.players.size(), 6u);
}

TEST(TableScreen, DraggingTheOwnSeatUpFolds) {
    ScreenRig r;
    r.session().startCashGame(3, 12);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    TableView& felt = r.screen->tableView();
    const QPoint start = felt.seatRect(0).center().toPoint();
    QTest::mousePress(&felt, Qt::LeftButton, {}, start);
    for (int dy = 10; dy <= 120; dy += 10)
        QTest::mouseMove(&felt, start - QPoint(0, dy), 5);
    QTest::mouseRelease(&felt, Qt::LeftButton, {}, start - QPoint(0, 120), 5);
    r.settle();
    EXPECT_TRUE(r.session().table()->player("human")->hasFolded);
}

TEST(TableScreen, DealChipAndResultSoundsPlayAtTheirMoments) {
    ScreenRig r;
    r.session().startCashGame(2, 90);
    r.open();
    EXPECT_EQ(r.feedback.played, (std::vector<Sfx>{Sfx::deal, Sfx::chip}));
    for (int hand = 0; hand < 6; ++hand) {
        r.feedback.played.clear();
        ASSERT_TRUE(r.driveUntil([&] { return !r.session().table()->isHandInProgress; },
                                 [&] { clickCheckOrCall(r); }));
        const auto board = static_cast<std::int64_t>(r.session().table()->board.size());
        const auto& heard = r.feedback.played;
        const auto results = [&] {
            return std::count(heard.begin(), heard.end(), Sfx::win) +
                   (heard.empty() ? 0 : (heard.back() == Sfx::chip ? 1 : 0));
        };
        if (r.screen->pacing().revealedBoardCount() < board) {
            EXPECT_EQ(std::count(heard.begin(), heard.end(), Sfx::win), 0);
        }
        ASSERT_TRUE(r.driveUntil([&] { return r.handShownOver(); }));
        const auto& winners = *r.session().table()->winners;
        const bool won = std::any_of(winners.begin(), winners.end(),
                                     [](const Winner& w) { return w.playerId == "human"; });
        EXPECT_EQ(heard.back(), won ? Sfx::win : Sfx::chip);
        EXPECT_GE(results(), 1);
        // Every card revealed by the pacing played "deal".
        EXPECT_GE(std::count(heard.begin(), heard.end(), Sfx::deal), board);
        r.feedback.played.clear();
        ASSERT_TRUE(r.step());  // the next hand
        ASSERT_FALSE(r.feedback.played.empty());
        EXPECT_EQ(r.feedback.played.front(), Sfx::deal);
    }
}

TEST(TableScreen, NoTimerFiresAfterTheScreenIsDestroyed) {
    ScreenRig r;
    r.holdsDelayedRuns = false;
    r.rig.settings.gameSpeed.set(GameSpeed::fast);
    r.session().startCashGame(5, 6);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.screen->pacingTask().pacingTimer().isPending(); }));
    const auto events = r.session().currentHandEvents().size();
    const auto hand = r.session().table()->handNumber;
    r.screen.reset();
    QTest::qWait(900);
    EXPECT_EQ(r.session().currentHandEvents().size(), events);
    EXPECT_EQ(r.session().table()->handNumber, hand);
}

void expectSummaryAddsUp(ScreenRig& r) {
    const auto& history = r.rig.stats.handHistory();
    const SessionSummary& summary = r.session().sessionSummary();
    std::int64_t net = 0;
    for (const HandRecord& record : history)
        net += record.humanNet;
    EXPECT_EQ(summary.handsPlayed, static_cast<std::int64_t>(history.size()));
    EXPECT_EQ(summary.netChips, net);
    EXPECT_EQ(r.rig.stats.stats().handsPlayed, summary.handsPlayed);
}

// The human plays a random legal action through the screen's own controls.
std::function<void()> randomHuman(ScreenRig& r, std::shared_ptr<SeededRNG> rng) {
    return [&r, rng] {
        const auto policy = pellox::testing::randomPolicy(rng);
        r.screen->submit(policy(*r.session().humanLegalActions(), r.session()));
    };
}

TEST(TableScreen, TwentyHandsOfASeededCashGameThroughTheScreen) {
    ScreenRig r;
    r.session().startCashGame(5, 2026);
    r.open();
    auto human = randomHuman(r, std::make_shared<SeededRNG>(5));
    // Busted bots are bought back in at the next hand, so the chips are counted hand by hand.
    std::int64_t hand = 0, chips = 0;
    while (r.session().table()->handNumber <= 20) {
        r.settle();
        const TableState& t = *r.session().table();
        if (t.handNumber != hand) {
            hand = t.handNumber;
            chips = pellox::testing::chipsOnTable(t);
        }
        ASSERT_EQ(chipsInGame(t), chips) << "hand " << t.handNumber;
        if (r.step()) continue;
        if (r.session().isHumanTurn()) {
            human();
            continue;
        }
        // What the out-of-chips overlay offers.
        ASSERT_TRUE(r.session().humanBustedInCash());
        r.session().rebuy();
        chips += 1000;
    }
    EXPECT_EQ(r.rig.stats.handHistory().size(), 20u);
    expectSummaryAddsUp(r);
    for (const HandRecord& record : r.rig.stats.handHistory()) {
        EXPECT_EQ(record.seats.size(), 6u);
        ASSERT_FALSE(record.events.empty());
        EXPECT_TRUE(record.events.front().is<EngineEvent::HandStarted>());
    }
}

TEST(TableScreen, ASeededTournamentPlayedToItsEndThroughTheScreen) {
    ScreenRig r;
    r.session().startTournament(3, 2024);
    r.open();
    auto human = randomHuman(r, std::make_shared<SeededRNG>(3));
    std::int64_t lastHand = 0;
    ASSERT_TRUE(r.driveUntil(
        [&] {
            const TableState& t = *r.session().table();
            EXPECT_EQ(chipsInGame(t), 4 * 1500) << "hand " << t.handNumber;
            lastHand = t.handNumber;
            return r.session().tournamentOver();
        },
        human, 200000));
    // The last hand plays out; then the end is shown and nothing runs any more.
    ASSERT_TRUE(r.driveUntil([&] { return r.screen->tournamentCompleteOverlay() != nullptr; }));
    EXPECT_FALSE(r.screen->pacingTask().pacingTimer().isPending());
    EXPECT_EQ(r.screen->pacing().pacingStep(0).phase, PacingPhase::blocked);
    const TableState& t = *r.session().table();
    EXPECT_EQ(std::count_if(t.players.begin(), t.players.end(), [](const Player& p) { return p.stack > 0; }),
              1);
    ASSERT_TRUE(r.session().standings());
    std::set<std::string> ids;
    for (const Standing& s : *r.session().standings())
        ids.insert(s.playerId);
    EXPECT_EQ(ids, (std::set<std::string>{"human", "bot-0", "bot-1", "bot-2"}));
    EXPECT_EQ(static_cast<std::int64_t>(r.rig.stats.handHistory().size()),
              std::min<std::int64_t>(lastHand, 200));
    expectSummaryAddsUp(r);
}

// A hand-edited snapshot may seat more players than the felt has places for.
TEST(TableScreen, ATableLargerThanTheLayoutDrawsOnlyTheSeatsItPlaces) {
    ScreenRig r;
    r.session().restore(pellox::testing::snapshotOf(pellox::testing::tableBetweenHands(
        GameMode::cash, {1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000}, 3)));
    ASSERT_EQ(r.session().table()->players.size(), 8u);
    r.open();
    EXPECT_EQ(r.screen->tableView().seatCount(), 6);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&r.screen->tableView())->childCount(), 8);
    EXPECT_FALSE(r.screen->grab().isNull());
    EXPECT_TRUE(r.screen->tableView().seatDescription(7).isEmpty());
}

// "Play again" starts hand numbers at 1 again on the same screen: the new hand 1 must be dealt and revealed
// afresh, not inherit the old hand 1's state.
TEST(TableScreen, PlayAgainDealsTheNewGamesFirstHandAfresh) {
    ManualAnimationClock clock;
    ScreenRig r;
    // Board cards then wait for their delay instead of coming on the next turn of the event loop.
    r.context.setReduceMotion(false);
    r.session().startCashGame(2, 61);
    r.open();
    // The bar comes once the street's cards have landed.
    ASSERT_TRUE(r.driveUntil([&] { return r.handShownOver() && !r.session().table()->board.empty(); },
                             [&] {
                                 clock.advance(1000);
                                 r.settle();
                                 clickCheckOrCall(r);
                             },
                             100));
    ASSERT_EQ(r.session().table()->handNumber, 1);
    const HandKey oldDeal = r.screen->tableView().dealtHand();
    r.screen->showSummary();
    r.settle();
    EXPECT_EQ(r.screen->pacing().pacingStep(0).phase, PacingPhase::blocked);
    r.feedback.played.clear();
    r.screen->playAgain();
    r.settle();
    EXPECT_FALSE(r.screen->showingSummary());
    EXPECT_EQ(r.session().table()->handNumber, 1);
    EXPECT_EQ(r.session().table()->players.size(), 3u);
    // The old game's hand 1 ended with its whole board revealed and dealt: none of it carries over. How many
    // cards have landed since depends on the machine's speed, so only the fresh start is checked.
    EXPECT_NE(r.screen->tableView().dealtHand(), oldDeal);
    EXPECT_EQ(r.screen->pacing().revealedBoardCount(), 0);
    EXPECT_EQ(r.feedback.played.front(), Sfx::deal);
}

// An amount chosen in one game never carries into the next: the same first decision of a new game with the
// same seed opens at the minimum, so one click cannot shove.
TEST(TableScreen, ANewGamesFirstDecisionOpensAtTheMinimum) {
    ScreenRig r;
    r.session().startCashGame(1, 77);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    const LegalActions legal = *r.session().humanLegalActions();
    ASSERT_TRUE(legal.canBet || legal.canRaise);
    auto* bar = r.screen->findChild<ActionBarView*>();
    ASSERT_TRUE(bar && bar->isVisible());
    HoverButton* allInPreset =
        visibleButton<HoverButton>(*r.screen, QString("Set raise to All-in, $%1").arg(legal.maxRaiseTo));
    ASSERT_TRUE(allInPreset);
    QTest::mouseClick(allInPreset, Qt::LeftButton);
    ASSERT_TRUE(visibleButton<HoverButton>(*r.screen, QString("All-in $%1").arg(legal.maxRaiseTo)));

    r.screen->showSummary();
    r.settle();
    r.screen->leaveTable();
    r.session().startCashGame(1, 77);
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    ASSERT_EQ(*r.session().humanLegalActions(), legal);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->raiseTo(), legal.minRaiseTo);
    EXPECT_FALSE(visibleButton<HoverButton>(*r.screen, QString("All-in $%1").arg(legal.maxRaiseTo)));
}

// At the smallest window the bar's texts are whole: the standard all-in and six-digit amounts.
TEST(TableScreen, TheActionBarsTextsFitAtTheSmallestWindow) {
    ScreenRig r;
    r.session().startCashGame(1, 77);
    r.open(false, false, {1000, 680});
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    auto* bar = r.screen->findChild<ActionBarView*>();
    ASSERT_TRUE(bar && bar->isVisible());
    const QFont font = fixedFont(17, FontWeight::heavy);
    const auto expectWhole = [&](const QString& third) {
        HoverButton* button = visibleButton<HoverButton>(*bar, third);
        ASSERT_TRUE(button) << third.toStdString();
        for (auto* b : bar->findChildren<HoverButton*>()) {
            if (!b->isVisible() || b->height() != ActionBarView::buttonHeight) continue;
            EXPECT_EQ(fitText(b->text(), font, b->faceRect().width(), 0.7).text, b->text())
                << b->text().toStdString() << " in " << b->faceRect().width();
        }
    };
    const std::int64_t stack = r.session().humanLegalActions()->maxRaiseTo;
    QTest::mouseClick(visibleButton<HoverButton>(*bar, QString("Set raise to All-in, $%1").arg(stack)),
                      Qt::LeftButton);
    expectWhole(QString("All-in $%1").arg(stack));

    LegalActions big = *r.session().humanLegalActions();
    big.canFold = big.canCall = big.canRaise = true;
    big.canCheck = big.canBet = false;
    big.callAmount = 999995;
    big.minRaiseTo = big.maxRaiseTo = 999999;
    bar->setLegal(big, 999999);
    QCoreApplication::processEvents();
    expectWhole("All-in $999999");
}

// The ticker runs under the felt; the guide column holds the report card, only while the report is shown,
// above the advice.
TEST(TableScreen, TheSideViewsStandInTheirPlacesAndTheCardShowsWithTheReport) {
    ScreenRig r(GuideMode::show);
    r.session().startCashGame(2, 15);
    r.open();
    HandReportCardView* card = r.screen->handReportCard();
    ActionTickerView* ticker = r.screen->actionTicker();
    StrategyOverlayView* overlay = r.screen->strategyOverlay();
    EXPECT_FALSE(card->isVisible());
    EXPECT_EQ(overlay->isVisible(), r.session().visibleAdvice().has_value());
    // Without advice the column is empty from the start.
    ScreenRig unguided(GuideMode::off);
    unguided.session().startCashGame(2, 15);
    unguided.open();
    EXPECT_FALSE(unguided.screen->strategyOverlay()->isVisible());
    EXPECT_FALSE(unguided.screen->handReportCard()->isVisible());
    ASSERT_TRUE(r.driveUntil([&] { return !r.session().isHumanTurn(); }, [&] { clickCheckOrCall(r); }));
    EXPECT_FALSE(r.session().visibleAdvice());
    EXPECT_FALSE(overlay->isVisible());
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn() && r.session().visibleAdvice(); }));
    const QRect felt = r.screen->tableView().geometry();
    const QRect strip = ticker->geometry().translated(ticker->parentWidget()->pos());
    EXPECT_TRUE(ticker->isVisible());
    EXPECT_GE(strip.top(), felt.bottom());
    EXPECT_EQ(strip.left(), felt.left() + TableView::shadowMarginX);
    EXPECT_EQ(strip.right(), felt.right() - TableView::shadowMarginX);
    EXPECT_TRUE(overlay->isVisible());

    ASSERT_TRUE(r.driveUntil([&] { return r.handShownOver(); }, [&] { clickCheckOrCall(r); }));
    ASSERT_TRUE(r.screen->pacing().reportShown());
    EXPECT_TRUE(card->isVisible());
    QLayout* column = card->parentWidget()->layout();
    ASSERT_EQ(overlay->parentWidget()->layout(), column);
    EXPECT_LT(column->indexOf(card), column->indexOf(overlay));
}

TEST(TableScreen, TheSummaryShownAtOnceStopsPlayAndLeavingEndsIt) {
    ScreenRig r;
    r.session().startCashGame(2, 4);
    r.open(false, true);
    EXPECT_TRUE(r.screen->showingSummary());
    EXPECT_EQ(r.screen->pacing().pacingStep(0).phase, PacingPhase::blocked);
    EXPECT_FALSE(r.screen->pacingTask().pacingTimer().isPending());
    r.screen->leaveTable();
    EXPECT_EQ(r.exits.size(), 1u);
    EXPECT_FALSE(r.screen->showingSummary());
    EXPECT_FALSE(r.screen->summarySheet());
}

TEST(TableScreen, AFrozenTableNeverMoves) {
    ScreenRig r;
    r.session().startCashGame(3, 70);
    ASSERT_TRUE(
        pellox::app::testing::playUntil(r.session(), [&] { return r.session().table()->board.size() >= 3; }));
    r.open(true);
    EXPECT_FALSE(r.screen->pacingTask().pacingTimer().isPending());
    EXPECT_EQ(r.screen->pacing().revealedBoardCount(), 3);
    EXPECT_EQ(r.screen->tableView().timings(), AnimationTimings{});
}

}  // namespace
}  // namespace pellox::app

namespace pellox::app {
namespace {

TEST(TableScreen, TheKeysKeepTheirMeaningWhileAButtonHasFocusAndReturnPressesIt) {
    ScreenRig r;
    r.session().startCashGame(3, 502);
    r.open();
    activate(r);
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    HoverButton* fold = visibleButton<HoverButton>(*r.screen, "Fold");
    ASSERT_NE(fold, nullptr);
    fold->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(fold->hasFocus()) << "Tab reaches the action bar";
    const auto before = r.session().currentHandEvents().size();
    QTest::keyClick(fold, Qt::Key_C);
    r.settle();
    EXPECT_GT(r.session().currentHandEvents().size(), before) << "C checks or calls, whatever has focus";
    EXPECT_FALSE(r.session().table()->player("human")->hasFolded);
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    fold = visibleButton<HoverButton>(*r.screen, "Fold");
    ASSERT_NE(fold, nullptr);
    fold->setFocus(Qt::TabFocusReason);
    QTest::keyClick(fold, Qt::Key_Return);
    r.settle();
    EXPECT_TRUE(r.session().table()->player("human")->hasFolded) << "Return presses the focused button";
}

// A piece of the action area holds the focus when the focused control stands in it.
bool focusIn(QWidget* piece) {
    QWidget* focused = QApplication::focusWidget();
    return piece && piece->isVisible() && focused && focused->isVisible() && piece->isAncestorOf(focused);
}

TEST(TableScreen, SpacePressesTheFocusedButtonAndDealsOnWithoutOne) {
    ScreenRig r;
    r.session().startCashGame(3, 502);
    r.open();
    activate(r);
    auto* preActions = r.screen->findChild<PreActionPanelView*>();
    ASSERT_TRUE(r.driveUntil([&] { return preActions->isVisible(); }, [&] { clickCheckOrCall(r); }));
    HoverButton* check = preActions->option(PreAction::check);
    check->setFocus(Qt::TabFocusReason);
    QTest::keyClick(check, Qt::Key_Space);
    r.settle();
    EXPECT_EQ(r.session().preAction(), PreAction::check) << "Space presses the button it is on";

    // With no button focused, Space deals on.
    check->clearFocus();
    ASSERT_TRUE(
        r.driveUntil([&] { return !r.session().table()->isHandInProgress; }, [&] { clickCheckOrCall(r); }));
    if (!r.handShownOver()) pressKey(r, Qt::Key_Space);
    const auto hand = r.session().table()->handNumber;
    pressKey(r, Qt::Key_Space);
    r.settle();
    EXPECT_EQ(r.session().table()->handNumber, hand + 1);
}

// A keyboard user acts from the bar; the bar goes, and focus follows to what comes in its place (the
// pre-actions, Next Hand, the next decision's bar), hand after hand, never along the window's focus chain to
// the sidebar, whose arrow keys change the section. A fold leaves nothing in the bar's place until the hand
// is over: the table holds the focus meanwhile and hands it to Next Hand, unless the user has moved it.
TEST(TableScreen, FocusMovesOnToWhatReplacesTheActionBar) {
    int sidebarFocused = 0;
    ScreenRig r;
    QListWidget* sidebar = r.besideSidebar();
    r.session().startCashGame(3, 502);
    r.open();
    activate(r);
    QObject::connect(qApp, &QApplication::focusChanged, sidebar,
                     [&](QWidget*, QWidget* now) { sidebarFocused += now == sidebar ? 1 : 0; });
    auto* bar = r.screen->findChild<ActionBarView*>();
    auto* preActions = r.screen->findChild<PreActionPanelView*>();
    QWidget* nextHand = r.screen->findChild<NextHandButton*>()->parentWidget();
    auto somethingShown = [&] {
        return bar->isVisible() || preActions->isVisible() || nextHand->isVisible();
    };
    ASSERT_TRUE(r.driveUntil([&] { return bar->isVisible(); }));
    bar->findChild<HoverButton*>()->setFocus(Qt::TabFocusReason);
    int hands = 0, decisions = 0;
    while (hands < 3) {
        ASSERT_TRUE(focusIn(bar)) << "decision " << decisions;
        // Space presses whatever Tab reached in the bar; a preset only sets the amount, so C acts then.
        const auto events = r.session().currentHandEvents().size();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        if (r.session().currentHandEvents().size() == events) QTest::keyClick(r.screen.get(), Qt::Key_C);
        ++decisions;
        ASSERT_TRUE(r.driveUntil(somethingShown));
        EXPECT_TRUE(focusIn(bar) || focusIn(preActions) || focusIn(nextHand))
            << "after decision " << decisions;
        ASSERT_TRUE(r.driveUntil([&] { return bar->isVisible() || nextHand->isVisible(); }));
        if (nextHand->isVisible()) {
            ASSERT_TRUE(focusIn(nextHand)) << "the hand's end, after decision " << decisions;
            while (nextHand->isVisible()) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
                r.settle();
            }
            ++hands;
            ASSERT_TRUE(r.driveUntil([&] { return bar->isVisible(); }));
        }
    }
    EXPECT_GT(decisions, hands);
    EXPECT_EQ(sidebarFocused, 0) << "from piece to piece";

    // Folds by F, by Return on the focused Fold, by Fold's accessible action; then by F once more, after
    // which the user Tabs on before the hand is over.
    const std::function<void(HoverButton*)> folds[] = {
        [](HoverButton* fold) { QTest::keyClick(fold, Qt::Key_F); },
        [](HoverButton* fold) { QTest::keyClick(fold, Qt::Key_Return); },
        [](HoverButton* fold) { ASSERT_TRUE(testing::operateAccessibly(fold)); },
        [](HoverButton* fold) { QTest::keyClick(fold, Qt::Key_F); },
    };
    const auto onTheTable = [&] {
        QWidget* focused = QApplication::focusWidget();
        return focused == r.screen.get() || r.screen->isAncestorOf(focused);
    };
    // Two others still in, so the hand goes on after the fold.
    const auto foldButton = [&]() -> HoverButton* {
        const auto& players = r.session().table()->players;
        const auto others = std::count_if(players.begin(), players.end(),
                                          [](const Player& p) { return p.id != "human" && !p.hasFolded; });
        return bar->isVisible() && others >= 2 ? visibleButton<HoverButton>(*bar, "Fold") : nullptr;
    };
    for (std::size_t way = 0; way < std::size(folds); ++way) {
        HoverButton* fold = nullptr;
        ASSERT_TRUE(
            r.driveUntil([&] { return (fold = foldButton()) != nullptr; }, [&] { clickCheckOrCall(r); }));
        sidebarFocused = 0;
        fold->setFocus(Qt::TabFocusReason);
        folds[way](fold);
        r.settle();
        ASSERT_TRUE(r.session().table()->player("human")->hasFolded) << "fold " << way;
        QWidget* moved = nullptr;
        if (way + 1 == std::size(folds)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            moved = QApplication::focusWidget();
            ASSERT_NE(moved, r.screen.get());
        }
        ASSERT_TRUE(r.driveUntil([&] {
            EXPECT_TRUE(onTheTable()) << "fold " << way;
            return nextHand->isVisible();
        }));
        if (moved) {
            EXPECT_EQ(QApplication::focusWidget(), moved) << "the user's move is kept";
        } else {
            EXPECT_TRUE(focusIn(nextHand)) << "fold " << way;
        }
        EXPECT_EQ(sidebarFocused, 0) << "fold " << way;
    }
}

// Tab goes round the screen's controls in the human's turn: each stop is named, none is an invisible one.
TEST(TableScreen, EveryTabStopOfTheTableIsNamed) {
    ScreenRig r;
    r.session().startCashGame(3, 502);
    r.open();
    activate(r);
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    QTest::keyClick(r.screen.get(), Qt::Key_Tab);
    QWidget* first = QApplication::focusWidget();
    ASSERT_NE(first, nullptr);
    int stops = 0;
    for (QWidget* at = first; stops < 40; ++stops) {
        EXPECT_FALSE(testing::accessibleText(at, QAccessible::Name).isEmpty())
            << at->metaObject()->className() << " is a stop without a name";
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
        if (at == first) break;
    }
    EXPECT_GT(stops, 3);
}

}  // namespace
}  // namespace pellox::app
