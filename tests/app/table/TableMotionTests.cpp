// The play screen in motion: the side panel's springs, the felt's pot and winner badges, with time moved
// by hand. Filmstrips of the transitions (their first frame, halfway and the last) go to the gallery.
#include <gtest/gtest.h>

#include <QAbstractAnimation>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <algorithm>

#include "Filmstrip.hpp"
#include "Gallery.hpp"
#include "ManualAnimationClock.hpp"
#include "TableTestSupport.hpp"
#include "kit/HoverButton.hpp"
#include "kit/MoneyText.hpp"
#include "kit/Motion.hpp"
#include "kit/Spring.hpp"
#include "kit/Transition.hpp"
#include "session/PreAction.hpp"
#include "strategy/MadeHandAssessment.hpp"
#include "table/ActionBarView.hpp"
#include "table/ActionTickerView.hpp"
#include "table/ChipFlightLayer.hpp"
#include "table/FeltMotion.hpp"
#include "table/HandReportCardView.hpp"
#include "table/PreActionPanelView.hpp"
#include "table/StrategyOverlayView.hpp"
#include "table/TablePacing.hpp"
#include "table/TableView.hpp"
#include "table/TableViewModel.hpp"

namespace pellox::app {
namespace {

using testing::film;
using testing::Filmstrip;
using testing::ManualAnimationClock;
using testing::runningAnimations;
using testing::ScreenRig;
using testing::settleMs;
using testing::visibleButton;

constexpr Spring humanTurnSpring{0.2, 0.85};
constexpr Spring reportSpring{0.25, 0.85};
constexpr Spring tickerSpring{0.2, 0.85};

// Every animation of every window, the screen's included.
int runningAnywhere() {
    int count = 0;
    for (const QWidget* w : QApplication::topLevelWidgets())
        count += runningAnimations(*w);
    return count;
}

int leavingPictures(const QObject& root) {
    return static_cast<int>(root.findChildren<QWidget*>(leavingPictureName).size());
}

void callOrCheck(ScreenRig& r) {
    const auto legal = *r.session().humanLegalActions();
    r.screen->submit({legal.canCheck ? PlayerActionType::check : PlayerActionType::call, std::nullopt});
}

// A screen with motion on, over a seeded cash game.
struct MovingScreen : ScreenRig {
    explicit MovingScreen(std::uint64_t seed, GuideMode guide = GuideMode::gradeOnly) : ScreenRig(guide) {
        context.setReduceMotion(false);
        session().startCashGame(5, seed);
        open();
    }
    ActionBarView* bar() const { return screen->findChild<ActionBarView*>(); }
    PreActionPanelView* preActions() const { return screen->findChild<PreActionPanelView*>(); }
    // The side panel: the action area's pieces leave their pictures on it.
    QWidget* panel() const { return bar()->parentWidget()->parentWidget(); }
    // Plays the hand out, the human checking or calling, and reveals what is left of the board at once.
    bool playHandOut() {
        if (!driveUntil([&] { return !session().table()->isHandInProgress; }, [&] { callOrCheck(*this); }))
            return false;
        if (!handShownOver()) screen->advanceOrRevealAll();
        settle();
        return handShownOver();
    }
};

TEST(TableScreenMotion, TheActionBarComesUpOnTheHumansTurnAndGoesDownAsThePreActionsFadeIn) {
    ManualAnimationClock clock;
    MovingScreen r(31);
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    ActionBarView* bar = r.bar();
    clock.advance(settleMs(humanTurnSpring));
    ASSERT_EQ(bar->graphicsEffect(), nullptr);
    // Out of the human's turn with the hand going on: the bar moves down fading while the panel fades in.
    ASSERT_TRUE(r.driveUntil([&] { return !r.session().isHumanTurn() && r.preActions()->isVisible(); },
                             [&] { callOrCheck(r); }));
    QWidget* picture = leavingPicture(*bar, *r.panel());
    ASSERT_NE(picture, nullptr);
    auto* going = qobject_cast<TransitionEffect*>(picture->graphicsEffect());
    EXPECT_EQ(going->transition().edge, Transition::Edge::bottom);
    auto* coming = enteringEffect(*r.preActions());
    ASSERT_NE(coming, nullptr);
    EXPECT_EQ(coming->transition().edge, Transition::Edge::none);
    clock.advance(0);
    EXPECT_DOUBLE_EQ(coming->opacity(), 0);
    EXPECT_DOUBLE_EQ(going->opacity(), 1);
    clock.advance(settleMs(humanTurnSpring) / 2);
    EXPECT_GT(coming->opacity(), 0.5);
    EXPECT_GT(going->offset().y(), 0);
    clock.advance(settleMs(humanTurnSpring));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(r.preActions()->graphicsEffect(), nullptr);
    EXPECT_EQ(leavingPictures(*r.screen), 0);

    // The human's next turn: the bar comes up from the bottom of the area.
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    auto* rising = enteringEffect(*bar);
    ASSERT_NE(rising, nullptr);
    EXPECT_EQ(rising->transition().edge, Transition::Edge::bottom);
    clock.advance(0);
    EXPECT_DOUBLE_EQ(rising->offset().y(), bar->height());
    clock.advance(settleMs(humanTurnSpring) - 20);
    EXPECT_NE(bar->graphicsEffect(), nullptr);  // the spring's whole settle time
    clock.advance(20);
    EXPECT_EQ(bar->graphicsEffect(), nullptr);
}

TEST(TableScreenMotion, TheReportCardComesDownFromTheTopWhenTheHandIsOverAndGoesBackUp) {
    ManualAnimationClock clock;
    MovingScreen r(31);
    ASSERT_TRUE(r.playHandOut());
    ASSERT_TRUE(r.screen->pacing().reportShown());
    HandReportCardView* card = r.screen->handReportCard();
    auto* coming = enteringEffect(*card);
    ASSERT_NE(coming, nullptr);
    EXPECT_EQ(coming->transition().edge, Transition::Edge::top);
    clock.advance(0);
    EXPECT_DOUBLE_EQ(coming->offset().y(), -card->height());
    clock.advance(settleMs(reportSpring) - 20);
    EXPECT_NE(card->graphicsEffect(), nullptr);
    clock.advance(20);
    EXPECT_EQ(card->graphicsEffect(), nullptr);

    r.screen->advanceOrRevealAll();  // the next hand
    r.settle();
    ASSERT_TRUE(card->isHidden());
    QWidget* picture = leavingPicture(*card, *card->parentWidget());
    ASSERT_NE(picture, nullptr);
    auto* going = qobject_cast<TransitionEffect*>(picture->graphicsEffect());
    clock.advance(settleMs(reportSpring) / 3);
    EXPECT_LT(going->offset().y(), 0);
    EXPECT_LT(going->opacity(), 1);
    clock.advance(settleMs(reportSpring));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(leavingPicture(*card, *card->parentWidget()), nullptr);
}

TEST(TableScreenMotion, UnderReduceMotionThePanelAndTheFeltChangeAtOnce) {
    ScreenRig r;
    r.session().startCashGame(5, 31);
    r.open();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    ASSERT_TRUE(r.driveUntil([&] { return r.handShownOver(); }, [&] { callOrCheck(r); }));
    for (QWidget* w : r.screen->findChildren<QWidget*>())
        EXPECT_EQ(enteringEffect(*w), nullptr);
    EXPECT_EQ(leavingPictures(*r.screen), 0);
    const TableView& felt = r.screen->tableView();
    EXPECT_FALSE(felt.motion().isRunning());
    EXPECT_EQ(felt.motion().shownPot(), r.session().potTotal());
    EXPECT_EQ(runningAnimations(*r.screen), 0);
}

TEST(TableScreenMotion, NothingRunsOnceTheTransitionsHaveLandedNorAfterTheScreenIsGone) {
    ManualAnimationClock clock;
    MovingScreen r(31);
    ASSERT_TRUE(r.playHandOut());
    EXPECT_TRUE(r.screen->tableView().motion().isRunning() || runningAnimations(*r.screen) > 0);
    // The board lands, the hole cards turn, the award comes.
    clock.advanceInFrames(2000);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(r.screen->tableView().motion().isRunning());
    EXPECT_EQ(runningAnimations(*r.screen), 0);
    EXPECT_EQ(leavingPictures(*r.screen), 0);

    // Gone in the middle of the next hand's transitions: nothing is left to drive.
    r.screen->advanceOrRevealAll();
    r.settle();
    EXPECT_TRUE(r.screen->tableView().motion().isRunning());
    ASSERT_GT(runningAnywhere(), 0);
    clock.advance(50);
    r.screen.reset();
    clock.advance(16);
    EXPECT_EQ(runningAnywhere(), 0);
}

// --- The felt and the action area tell no more than the player has seen.

bool awardInTheAir(const TableView& felt) {
    return std::any_of(felt.flights().begin(), felt.flights().end(),
                       [](const ChipFlightLayer::ActiveFlight& f) { return f.id.starts_with("award-"); });
}

// The felt's seat of the player, found by the name its description starts with.
int seatOf(const TableView& felt, const Player& player) {
    for (int k = 0; k < felt.seatCount(); ++k)
        if (felt.seatDescription(k).startsWith(QString::fromStdString(player.name) + ", ")) return k;
    return -1;
}

// The pacing's own delays at their longest, so that only the test moves the game: its runs happen when
// the test performs them, not by themselves on a slow machine.
void holdThePace(ScreenRig& r) {
    r.rig.settings.gameSpeed.set(GameSpeed::relaxed);
    r.settle();
}

// The human shoves until a hand is settled at a showdown whose board the felt has yet to show (no card lands
// while the test holds the clock).
bool driveToRunOut(ScreenRig& r) {
    return r.driveUntil(
        [&] {
            const TableState& t = *r.session().table();
            return !t.isHandInProgress && t.street == Street::showdown &&
                   r.screen->tableView().landedBoardCount() < static_cast<std::int64_t>(t.board.size());
        },
        [&] {
            r.screen->submit({PlayerActionType::allIn, std::nullopt});
        });
}

// The felt's view of one winner: what the award shows of them.
struct WinnerSeat {
    const TableView& felt;
    std::string id;
    int seat = -1;
    QString stackBefore;
    QString stackAfter;

    WinnerSeat(const TableView& view, const TableState& table, const Winner& winner)
        : felt(view), id(winner.playerId) {
        const Player& player = *table.player(winner.playerId);
        seat = seatOf(felt, player);
        stackBefore = ", " + moneyText(player.stack - winner.amount) + ", ";
        stackAfter = ", " + moneyText(player.stack) + ", ";
    }
    // None of the award on the felt: no flight, no badge, no highlight, the stack as it was.
    void expectNoAward() const {
        const QString spoken = felt.seatDescription(seat);
        EXPECT_FALSE(awardInTheAir(felt));
        EXPECT_FALSE(felt.motion().winnerBadge(id));
        EXPECT_FALSE(spoken.contains(QStringLiteral("won $"))) << spoken.toStdString();
        EXPECT_TRUE(spoken.contains(stackBefore)) << spoken.toStdString();
    }
    void expectAward() const {
        const QString spoken = felt.seatDescription(seat);
        EXPECT_TRUE(felt.motion().winnerBadge(id));
        EXPECT_TRUE(spoken.contains(QStringLiteral("won $"))) << spoken.toStdString();
        EXPECT_TRUE(spoken.contains(stackAfter)) << spoken.toStdString();
    }
};

// The hole cards of a bot that showed down are named aloud once they have turned face up.
bool shownDown(const TableView& felt, const TableState& table) {
    for (const Player& p : table.players)
        if (p.isBot && !p.hasFolded && p.holeCards.size() == 2)
            return felt.seatDescription(seatOf(felt, p)).contains(QStringLiteral("showing "));
    return false;
}

TEST(TableScreenMotion, AfterAnAllInTheAwardWaitsForTheRunOutAndTheTurnedCards) {
    ManualAnimationClock clock;
    MovingScreen r(17);
    holdThePace(r);
    TableView& felt = r.screen->tableView();
    felt.setClock([&clock] { return static_cast<double>(clock.now()) / 1000; });
    ASSERT_TRUE(driveToRunOut(r));
    const TableState& table = *r.session().table();
    ASSERT_EQ(table.board.size(), 5u);
    ASSERT_EQ(table.winners->size(), 1u);
    const WinnerSeat winner(felt, table, table.winners->front());
    ASSERT_GE(winner.seat, 0);
    winner.expectNoAward();

    // The board comes card by card; each card lands while the next comes (the board's spring settles in
    // about 0.45 s).
    constexpr int betweenCards = 275;
    while (r.screen->pacing().revealedBoardCount() < 5) {
        r.step();
        clock.advance(betweenCards);
        r.settle();
        winner.expectNoAward();
        EXPECT_FALSE(shownDown(felt, table));
    }
    EXPECT_LT(felt.landedBoardCount(), 5);

    // The river lands: the bots' cards turn face up, and the award waits for them.
    for (int frame = 0; frame < 60 && felt.landedBoardCount() < 5; ++frame) {
        clock.advance(16);
        r.settle();
        winner.expectNoAward();
    }
    ASSERT_EQ(felt.landedBoardCount(), 5);
    EXPECT_TRUE(shownDown(felt, table));
    const int turnMs = Motion::milliseconds(r.screen->pacing().animationTimings().cardFlip, false);
    ASSERT_GT(turnMs, 20);
    clock.advance(turnMs - 10);
    r.settle();
    winner.expectNoAward();

    clock.advance(20);
    r.settle();
    winner.expectAward();
    EXPECT_TRUE(awardInTheAir(felt));
}

TEST(TableScreenMotion, AHandWonWithoutAShowdownIsAwardedAtOnce) {
    ManualAnimationClock clock;
    MovingScreen r(2);
    holdThePace(r);
    ASSERT_TRUE(r.driveUntil(
        [&] {
            const TableState& t = *r.session().table();
            return !t.isHandInProgress && t.street != Street::showdown;
        },
        [&] {
            r.screen->submit({PlayerActionType::allIn, std::nullopt});
        }));
    const TableState& table = *r.session().table();
    const WinnerSeat winner(r.screen->tableView(), table, table.winners->front());
    winner.expectAward();
    EXPECT_TRUE(awardInTheAir(r.screen->tableView()));
}

TEST(TableScreenMotion, UnderReduceMotionTheWholeEndLandsAtOnce) {
    ManualAnimationClock clock;
    ScreenRig r;
    r.session().startCashGame(5, 17);
    r.open();
    holdThePace(r);
    ASSERT_TRUE(
        r.driveUntil([&] { return r.handShownOver() && r.session().table()->street == Street::showdown; },
                     [&] {
                         r.screen->submit({PlayerActionType::allIn, std::nullopt});
                     }));
    const TableState& table = *r.session().table();
    const TableView& felt = r.screen->tableView();
    const WinnerSeat winner(felt, table, table.winners->front());
    winner.expectAward();
    EXPECT_TRUE(shownDown(felt, table));
    EXPECT_DOUBLE_EQ(felt.motion().winnerBadge(winner.id)->presence, 1);
}

TEST(TableScreenMotion, TheHumanActsOnAStreetOnlyOnceItsCardsHaveLanded) {
    ManualAnimationClock clock;
    MovingScreen r(2, GuideMode::show);
    holdThePace(r);
    ASSERT_TRUE(r.activate());
    // The flop is dealt to the human's turn; none of its cards has landed while the test holds the clock.
    ASSERT_TRUE(r.driveUntil(
        [&] {
            return r.session().table()->board.size() == 3 && r.session().isHumanTurn() &&
                   r.screen->pacing().revealedBoardCount() < 3;
        },
        [&] { callOrCheck(r); }));
    const TableState& table = *r.session().table();
    const TableView& felt = r.screen->tableView();
    const auto made = MadeHandAssessment::label(table.player("human")->holeCards, table.board);
    ASSERT_TRUE(made);
    const QString label = QString::fromStdString(*made);
    const auto nothingYet = [&] {
        EXPECT_FALSE(r.bar()->isVisible());
        EXPECT_FALSE(r.screen->strategyOverlay()->isVisible());
        EXPECT_FALSE(felt.seatDescription(0).contains(label));
        EXPECT_FALSE(felt.seatCanFold(0)) << "no fold from the seat either";
        const auto events = r.session().currentHandEvents().size();
        for (Qt::Key key : {Qt::Key_C, Qt::Key_A, Qt::Key_F})
            QTest::keyClick(r.screen.get(), key);
        r.settle();
        EXPECT_EQ(r.session().currentHandEvents().size(), events);
        EXPECT_TRUE(r.session().isHumanTurn());
    };
    nothingYet();
    // One or two of its cards on the felt, landed.
    if (r.screen->pacing().revealedBoardCount() == 0) {
        ASSERT_TRUE(r.step());
    }
    clock.advance(settleMs(FeltMotion::boardSpring));
    r.settle();
    EXPECT_GE(felt.landedBoardCount(), 1);
    ASSERT_LT(felt.landedBoardCount(), 3);
    nothingYet();
    // Space shows the rest at once; the cards then come in, and only then the bar.
    QTest::keyClick(r.screen.get(), Qt::Key_Space);
    r.settle();
    ASSERT_EQ(r.screen->pacing().revealedBoardCount(), 3);
    nothingYet();
    clock.advance(settleMs(FeltMotion::boardSpring) - 20);
    r.settle();
    nothingYet();

    clock.advance(20);
    r.settle();
    ASSERT_EQ(felt.landedBoardCount(), 3);
    EXPECT_TRUE(r.bar()->isVisible());
    EXPECT_NE(enteringEffect(*r.bar()), nullptr) << "it comes up with the turn's spring";
    EXPECT_TRUE(r.screen->strategyOverlay()->isVisible());
    EXPECT_TRUE(felt.seatDescription(0).contains(label));
    EXPECT_EQ(felt.seatCanFold(0), r.session().humanLegalActions()->canFold);
    const auto events = r.session().currentHandEvents().size();
    QTest::keyClick(r.screen.get(), Qt::Key_C);
    r.settle();
    EXPECT_GT(r.session().currentHandEvents().size(), events);
}

// A bet already stands when the screen comes to a street whose cards it has yet to show: the human's own
// seat gives no fold (by drag or by its accessible action) before those cards have landed.
TEST(TableScreenMotion, TheSeatFoldsOnlyOnAStreetWhoseCardsHaveLanded) {
    ManualAnimationClock clock;
    ScreenRig r;
    r.context.setReduceMotion(false);
    GameSession& session = r.session();
    session.startCashGame(1, 7);
    // Played without a screen until the human faces a bet on the flop.
    for (int step = 0; step < 2000; ++step) {
        const TableState& t = *session.table();
        const auto legal = session.humanLegalActions();
        if (session.isHumanTurn() && t.street == Street::flop && legal->canFold) break;
        if (!t.isHandInProgress) {
            session.startHand();
        } else if (session.isHumanTurn()) {
            session.submitHumanAction(legal->canCheck ? PlayerActionType::check : PlayerActionType::call,
                                      std::nullopt);
        } else {
            session.playBotTurn();
        }
    }
    ASSERT_TRUE(session.isHumanTurn() && session.table()->street == Street::flop &&
                session.humanLegalActions()->canFold);
    r.open();
    const TableView& felt = r.screen->tableView();
    EXPECT_FALSE(felt.seatCanFold(0));
    r.screen->advanceOrRevealAll();  // the flop at once; its cards then come in
    r.settle();
    ASSERT_EQ(r.screen->pacing().revealedBoardCount(), 3);
    EXPECT_FALSE(felt.seatCanFold(0));
    clock.advance(settleMs(FeltMotion::boardSpring));
    r.settle();
    ASSERT_EQ(felt.landedBoardCount(), 3);
    EXPECT_TRUE(felt.seatCanFold(0));
}

// A click on the bar: the press and its release at the button's centre.
void press(QWidget* button) {
    QTest::mousePress(button, Qt::LeftButton);
}
void release(QWidget* button) {
    QTest::mouseRelease(button, Qt::LeftButton);
}

TEST(TableScreenMotion, APressActsOnlyOnTheWholeBarAndOnlyWhenItCameDownThere) {
    ManualAnimationClock clock;
    MovingScreen r(31);
    holdThePace(r);
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    // The bar's check or call button, which lies where the panel's check / fold did.
    const auto middle = [&] {
        const auto legal = *r.session().humanLegalActions();
        return visibleButton<HoverButton>(*r.bar(), legal.canCheck
                                                        ? QStringLiteral("Check")
                                                        : QStringLiteral("Call $%1").arg(legal.callAmount));
    };
    // The bar is still on its way in where the pre-action panel stood: a late click lands on it.
    ASSERT_NE(enteringEffect(*r.bar()), nullptr);
    const auto events = r.session().currentHandEvents().size();
    press(middle());
    release(middle());
    r.settle();
    EXPECT_EQ(r.session().currentHandEvents().size(), events);
    EXPECT_TRUE(r.session().isHumanTurn());
    clock.advance(settleMs(humanTurnSpring));
    ASSERT_EQ(enteringEffect(*r.bar()), nullptr);
    press(middle());
    release(middle());
    r.settle();
    EXPECT_GT(r.session().currentHandEvents().size(), events);
    EXPECT_FALSE(r.session().isHumanTurn());

    // A press on the pre-action panel, the bar taking its place before the release: nothing.
    ASSERT_TRUE(r.driveUntil([&] { return r.preActions()->isVisible(); }));
    clock.advance(settleMs(humanTurnSpring));
    HoverButton* option = r.preActions()->option(PreAction::checkFold);
    ASSERT_TRUE(option->isVisible());
    press(option);
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    clock.advance(1000);
    r.settle();
    ASSERT_TRUE(r.bar()->isVisible());
    ASSERT_EQ(enteringEffect(*r.bar()), nullptr);
    const auto before = r.session().currentHandEvents().size();
    release(middle());
    r.settle();
    EXPECT_EQ(r.session().currentHandEvents().size(), before);
    EXPECT_TRUE(r.session().isHumanTurn());
    EXPECT_FALSE(r.session().preAction());
    press(middle());
    release(middle());
    r.settle();
    EXPECT_GT(r.session().currentHandEvents().size(), before);
}

// --- Filmstrips: the transition's first frame, halfway and its last, side by side.

// Saves the strip; its halfway frame shows the transition, neither its first frame nor its last.
void keep(const Filmstrip& strip, const QString& name, TableTheme theme) {
    strip.save(name, theme);
    EXPECT_GT(strip.motion(), 0.05) << name.toStdString();
}

// `piece`'s place as the window shows it, cut from `around`, which paints what stands behind it.
QImage placeOf(QWidget& around, const QWidget& piece) {
    return around.grab(QRect(piece.mapTo(&around, QPoint(0, 0)), piece.size())).toImage();
}

// The felt's seats and chips move on the animation clock too, and its hole cards are all dealt (the deal
// runs on a timer of its own).
void filmFelt(ScreenRig& r, ManualAnimationClock& clock) {
    TableView& felt = r.screen->tableView();
    const auto steps = static_cast<std::int64_t>(TableViewModel::dealSteps(r.session().table()).size());
    ASSERT_TRUE(QTest::qWaitFor([&] { return felt.dealtCount() >= steps; }, 5000));
    felt.setClock([&clock] { return static_cast<double>(clock.now()) / 1000; });
}

// The last seat the felt speaks of as having won, once the award is shown; -1 before.
int winningSeat(const TableView& felt) {
    int seat = -1;
    for (int k = 0; k < felt.seatCount(); ++k)
        if (felt.seatDescription(k).contains(QStringLiteral("won $"))) seat = k;
    return seat;
}

// Moves the clock a frame at a time until the felt shows the award.
bool untilTheAward(ScreenRig& r, ManualAnimationClock& clock) {
    for (int frame = 0; frame < 200 && winningSeat(r.screen->tableView()) < 0; ++frame) {
        clock.advance(16);
        r.settle();
    }
    return winningSeat(r.screen->tableView()) >= 0;
}

TEST(GalleryTableMotion, SidePanelAndStrategyOverlayFilmstrips) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    ManualAnimationClock clock;
    MovingScreen r(31, GuideMode::show);
    const TableTheme theme = r.rig.settings.tableTheme.get();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    clock.advance(1000);
    ASSERT_TRUE(r.driveUntil([&] { return !r.session().isHumanTurn() && r.preActions()->isVisible(); },
                             [&] { callOrCheck(r); }));
    QWidget* panel = r.panel();
    keep(film(clock, humanTurnSpring, [&] { return panel->grab().toImage(); }), "motion-side-panel-out",
         theme);

    // The header crosses from "ACT AHEAD" to the choice.
    r.preActions()->option(PreAction::checkFold)->click();
    r.settle();
    keep(film(clock, humanTurnSpring, [&] { return placeOf(*panel, *r.preActions()); }),
         "motion-pre-action-header", theme);
    r.preActions()->option(PreAction::checkFold)->click();
    r.settle();
    clock.advance(1000);

    // The human's next decision: the bar rises and the card comes up with the new advice, not the last one.
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    StrategyOverlayView* overlay = r.screen->strategyOverlay();
    ASSERT_NE(enteringEffect(*overlay), nullptr);
    keep(film(clock, reportSpring, [&] { return panel->grab().toImage(); }), "motion-side-panel-in", theme);

    ASSERT_TRUE(overlay->isVisible());
    QWidget* column = overlay->parentWidget();
    overlay->setAdvice(std::nullopt);
    keep(film(clock, reportSpring, [&] { return placeOf(*panel, *column); }), "motion-overlay-out", theme);
    overlay->setAdvice(r.session().visibleAdvice());
    keep(film(clock, reportSpring, [&] { return placeOf(*panel, *column); }), "motion-overlay-in", theme);
}

TEST(GalleryTableMotion, TickerCrossFadeFilmstrip) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    ManualAnimationClock clock;
    MovingScreen r(31);
    const TableTheme theme = r.rig.settings.tableTheme.get();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    clock.advance(1000);
    auto* ticker = r.screen->findChild<ActionTickerView*>();
    QWidget* row = ticker->parentWidget();
    callOrCheck(r);
    r.settle();
    ASSERT_NE(enteringEffect(*ticker->strip()), nullptr);
    keep(film(clock, tickerSpring, [&] { return placeOf(*r.screen, *row); }), "motion-ticker-cross-fade",
         theme);
}

TEST(GalleryTableMotion, PotDigitsAndWinnerBadgeFilmstrips) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    ManualAnimationClock clock;
    MovingScreen r(31);
    const TableTheme theme = r.rig.settings.tableTheme.get();
    TableView& felt = r.screen->tableView();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
    filmFelt(r, clock);
    clock.advance(1000);
    const std::int64_t before = r.session().potTotal();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().potTotal() > before + 20; }, [&] { callOrCheck(r); }));
    const auto potArea = [&] { return felt.potRect().adjusted(-60, -50, 60, 10).toAlignedRect(); };
    keep(film(clock, FeltMotion::potSpring, [&] { return felt.grab(potArea()).toImage(); }),
         "motion-pot-digits", theme);

    // The badge comes with the award, once the board has landed and the cards have turned.
    ASSERT_TRUE(r.playHandOut());
    ASSERT_TRUE(untilTheAward(r, clock));
    const int winner = winningSeat(felt);
    const auto seatArea = [&] { return felt.seatRect(winner).adjusted(-20, -30, 20, 10).toAlignedRect(); };
    keep(film(clock, FeltMotion::winnerBadgeSpring, [&] { return felt.grab(seatArea()).toImage(); }),
         "motion-winner-badge-in", theme);
    r.screen->advanceOrRevealAll();
    r.settle();
    keep(film(clock, FeltMotion::winnerBadgeSpring, [&] { return felt.grab(seatArea()).toImage(); }),
         "motion-winner-badge-out", theme);
}

// An all-in hand's end on the felt: the first card, the flop, the river coming in over the bots' hidden
// cards, the cards turned, and the award on its way, each at half size.
TEST(GalleryTableMotion, AllInRunOutFilmstrip) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    ManualAnimationClock clock;
    MovingScreen r(17);
    const TableTheme theme = r.rig.settings.tableTheme.get();
    TableView& felt = r.screen->tableView();
    ASSERT_TRUE(driveToRunOut(r));
    filmFelt(r, clock);
    clock.advance(1000);
    r.settle();
    Filmstrip strip;
    const auto take = [&] {
        strip.take(felt.grab().toImage().scaledToWidth(felt.width() / 2, Qt::SmoothTransformation));
    };
    const int nextCardMs =
        static_cast<int>(std::lround(r.screen->pacing().pacingTimings(0).nextBoardCardDelay * 1000));
    const auto reveal = [&](int cards) {
        while (r.screen->pacing().revealedBoardCount() < cards) {
            ASSERT_TRUE(r.step());
            clock.advance(nextCardMs);
            r.settle();
        }
    };
    reveal(1);
    take();
    reveal(3);
    clock.advance(settleMs(FeltMotion::boardSpring));
    r.settle();
    take();
    ASSERT_TRUE(r.step());
    ASSERT_TRUE(r.step());
    clock.advance(settleMs(FeltMotion::boardSpring) - 40);
    r.settle();
    take();
    const int turnMs = Motion::milliseconds(r.screen->pacing().animationTimings().cardFlip, false);
    clock.advance(40);
    r.settle();
    clock.advance(turnMs - 5);
    r.settle();
    take();
    ASSERT_TRUE(untilTheAward(r, clock));
    clock.advance(settleMs(FeltMotion::winnerBadgeSpring) / 5);
    r.settle();
    take();
    strip.save("motion-all-in-run-out", theme);
}

}  // namespace
}  // namespace pellox::app
