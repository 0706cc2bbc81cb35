// The play screen in motion: the side panel's springs, the felt's pot and winner badges, with time moved
// by hand. Filmstrips of the transitions (their first frame, halfway and the last) go to the gallery.
#include <gtest/gtest.h>

#include <QAbstractAnimation>
#include <QImage>
#include <QPainter>

#include "Filmstrip.hpp"
#include "Gallery.hpp"
#include "ManualAnimationClock.hpp"
#include "TableTestSupport.hpp"
#include "kit/HoverButton.hpp"
#include "kit/Spring.hpp"
#include "kit/Transition.hpp"
#include "session/PreAction.hpp"
#include "table/ActionBarView.hpp"
#include "table/ActionTickerView.hpp"
#include "table/FeltMotion.hpp"
#include "table/HandReportCardView.hpp"
#include "table/PreActionPanelView.hpp"
#include "table/StrategyOverlayView.hpp"
#include "table/TablePacing.hpp"
#include "table/TableView.hpp"

namespace pellox::app {
namespace {

using testing::film;
using testing::Filmstrip;
using testing::ManualAnimationClock;
using testing::runningAnimations;
using testing::ScreenRig;
using testing::settleMs;

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
    clock.advanceInFrames(1000);
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
    clock.advance(1000);
    const std::int64_t before = r.session().potTotal();
    ASSERT_TRUE(r.driveUntil([&] { return r.session().potTotal() > before + 20; }, [&] { callOrCheck(r); }));
    const auto potArea = [&] { return felt.potRect().adjusted(-60, -50, 60, 10).toAlignedRect(); };
    film(clock, FeltMotion::potSpring, [&] {
        return felt.grab(potArea()).toImage();
    }).save("motion-pot-digits", theme);

    ASSERT_TRUE(r.playHandOut());
    int winner = 0;
    for (int k = 0; k < felt.seatCount(); ++k)
        if (felt.seatDescription(k).contains(QStringLiteral("won $"))) winner = k;
    const auto seatArea = [&] { return felt.seatRect(winner).adjusted(-20, -30, 20, 10).toAlignedRect(); };
    clock.advance(0);
    film(clock, FeltMotion::winnerBadgeSpring, [&] {
        return felt.grab(seatArea()).toImage();
    }).save("motion-winner-badge-in", theme);
    r.screen->advanceOrRevealAll();
    r.settle();
    film(clock, FeltMotion::winnerBadgeSpring, [&] {
        return felt.grab(seatArea()).toImage();
    }).save("motion-winner-badge-out", theme);
}

}  // namespace
}  // namespace pellox::app
