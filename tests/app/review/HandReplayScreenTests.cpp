#include <gtest/gtest.h>

#include <QAccessible>
#include <QFontMetricsF>
#include <QLabel>
#include <QSlider>
#include <QTest>
#include <cmath>

#include "Gallery.hpp"
#include "TestCards.hpp"
#include "kit/Fonts.hpp"
#include "kit/HoverButton.hpp"
#include "kit/MoneyText.hpp"
#include "review/HandReplayScreen.hpp"
#include "review/ReplayBoardPanel.hpp"
#include "review/ReplayCaptionPanel.hpp"
#include "review/ReplayCursor.hpp"
#include "review/ReplayFrameLook.hpp"
#include "review/ReplayGuideCallout.hpp"
#include "review/ReplaySeatRow.hpp"
#include "review/ReviewTestSupport.hpp"
#include "session/SessionTestSupport.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"
#include "view/ReplayView.hpp"

namespace pellox::app {
namespace {

using B = TransportButton;
const Palette& palette = Palette::cardRoom();

struct ReplayRig {
    SettingsStore settings;
    AppContext context{&settings};
    std::unique_ptr<HandReplayScreen> screen;

    explicit ReplayRig(const HandRecord& record, bool midHand = false)
        : screen(std::make_unique<HandReplayScreen>(context, record, midHand)) {
        screen->resize(620, 720);
        screen->show();
        QApplication::processEvents();
    }
    void click(B button) { QTest::mouseClick(screen->transportButton(button), Qt::LeftButton); }
    QString step() const { return screen->stepLabel()->text(); }
};

TEST(HandReplayScreen, StartsAtTheFirstBlindAndStepsWithTheButtons) {
    ReplayRig rig(testing::shortHand());
    HandReplayScreen& screen = *rig.screen;
    EXPECT_EQ(screen.windowTitle(), "Hand 3");
    EXPECT_EQ(rig.step(), "Step 1 of 6");
    EXPECT_EQ(screen.captionPanel()->text(), "Ruth posts the small blind (5)");
    EXPECT_EQ(screen.boardPanel()->potText(), "$5");
    EXPECT_FALSE(screen.transportButton(B::first)->isEnabled());
    EXPECT_EQ(screen.transportButton(B::first)->textColor(), palette.textMuted);
    EXPECT_EQ(screen.transportButton(B::next)->textColor(), palette.accent);
    EXPECT_EQ(screen.slider()->maximum(), 5);
    EXPECT_EQ(screen.slider()->accessibleName(), "Replay position");

    for (int i = 0; i < 3; ++i)
        rig.click(B::next);
    EXPECT_EQ(rig.step(), "Step 4 of 6");
    EXPECT_EQ(screen.slider()->value(), 3);
    EXPECT_EQ(screen.captionPanel()->text(), "You call 20");
    ASSERT_TRUE(screen.guideCallout()->look());
    EXPECT_EQ(screen.guideCallout()->titleText(), "Guide said raise");
    EXPECT_TRUE(screen.guideCallout()->isShowing());

    rig.click(B::next);
    EXPECT_EQ(screen.captionPanel()->text(), "Ruth folds");
    EXPECT_FALSE(screen.guideCallout()->look());
    EXPECT_FALSE(screen.guideCallout()->isShowing()) << "no motion under reduce motion: gone at once";
    EXPECT_EQ(screen.seatRow(1)->look().contentOpacity, 0.5);

    rig.click(B::last);
    EXPECT_EQ(rig.step(), "Step 6 of 6");
    EXPECT_EQ(screen.captionPanel()->text(), "You win 60");
    EXPECT_EQ(screen.boardPanel()->potText(), "$0");
    EXPECT_EQ(screen.seatRow(0)->look().stackText, "$530");
    EXPECT_FALSE(screen.transportButton(B::playPause)->isEnabled());

    screen.slider()->setValue(0);
    EXPECT_EQ(rig.step(), "Step 1 of 6");
}

TEST(HandReplayScreen, AutoplayAdvancesUntilTheLastStepThenTurnsBackIntoPlay) {
    ReplayRig rig(testing::shortHand());
    HandReplayScreen& screen = *rig.screen;
    rig.click(B::playPause);
    EXPECT_EQ(screen.transportButton(B::playPause)->accessibleName(), "Pause");
    int steps = 0;
    while (screen.runAutoplayStepNow())
        ++steps;
    EXPECT_EQ(steps, 5);
    EXPECT_EQ(rig.step(), "Step 6 of 6");
    EXPECT_FALSE(screen.cursor().isPlaying());
    EXPECT_FALSE(screen.isAutoplayPending());
    EXPECT_EQ(screen.transportButton(B::playPause)->accessibleName(), "Play");
}

TEST(HandReplayScreen, AutoplayWaitsItsInterval) {
    ReplayRig rig(testing::shortHand());
    rig.click(B::playPause);
    EXPECT_TRUE(rig.screen->isAutoplayPending());
    EXPECT_TRUE(QTest::qWaitFor([&] { return rig.step() == "Step 2 of 6"; }, 3000));
    rig.click(B::playPause);
    EXPECT_FALSE(rig.screen->isAutoplayPending());
}

TEST(HandReplayScreen, SliderMovedToTheEndWhilePlaying) {
    ReplayRig rig(testing::shortHand());
    rig.click(B::playPause);
    rig.screen->slider()->setValue(5);
    EXPECT_TRUE(rig.screen->cursor().isPlaying());
    rig.screen->runAutoplayStepNow();
    EXPECT_EQ(rig.step(), "Step 6 of 6");
    EXPECT_FALSE(rig.screen->cursor().isPlaying());
    rig.click(B::previous);
    EXPECT_EQ(rig.step(), "Step 5 of 6") << "one press goes back one step";
}

TEST(HandReplayScreen, ThirdHumanActionShowsTheThirdGradeOnlyWhenThereIsOne) {
    HandRecord r = testing::shortHand();
    r.events.insert(
        r.events.end() - 1,
        {EngineEvent::ActionTaken{
             "human", {PlayerActionType::check, std::nullopt}, PlayerActionType::check, 0},
         EngineEvent::ActionTaken{"human", {PlayerActionType::bet, 40}, PlayerActionType::bet, 40}});
    r.grades = testing::grades(2, 3);
    {
        ReplayRig rig(r);
        rig.click(B::last);
        rig.click(B::previous);
        EXPECT_EQ(rig.screen->captionPanel()->text(), "You bet 40");
        ASSERT_TRUE(rig.screen->currentDecision());
        EXPECT_EQ(*rig.screen->currentDecision(), r.grades[2]);
        EXPECT_EQ(rig.screen->guideCallout()->titleText(), "Guide said call");
    }
    r.grades.resize(2);
    ReplayRig rig(r);
    rig.click(B::last);
    rig.click(B::previous);
    EXPECT_FALSE(rig.screen->currentDecision());
    EXPECT_FALSE(rig.screen->guideCallout()->isShowing());
}

TEST(HandReplayScreen, RecordWithoutEventsShowsTheEmptyFrame) {
    HandRecord r;
    r.handNumber = 9;
    r.seats = {{"human", "You", 0, 700}};
    r.humanHoleCards = test::cards("Ah Ad");
    ReplayRig rig(r, true);
    EXPECT_EQ(rig.step(), "Step 1 of 1");
    EXPECT_EQ(rig.screen->captionPanel()->text(), "");
    EXPECT_EQ(rig.screen->seatRow(0)->look().stackText, "$700");
    for (B b : {B::first, B::previous, B::playPause, B::next, B::last})
        EXPECT_FALSE(rig.screen->transportButton(b)->isEnabled());
    rig.screen->slider()->setValue(1);
    EXPECT_EQ(rig.step(), "Step 1 of 1");
}

TEST(HandReplayScreen, StartsMidHandWhenAsked) {
    ReplayRig rig(testing::shortHand(), true);
    EXPECT_EQ(rig.step(), "Step 3 of 6");
}

TEST(HandReplayScreen, ALeftReplayStopsPlaying) {
    ReplayRig rig(testing::shortHand());
    rig.click(B::playPause);
    rig.screen->hide();
    EXPECT_FALSE(rig.screen->cursor().isPlaying());
    EXPECT_FALSE(rig.screen->isAutoplayPending());
}

// A hand played by the session to its end, the human checking or calling throughout, and recorded; with the
// table as the hand left it.
struct PlayedHand {
    pellox::testing::SessionRig session;
    HandRecord record;

    explicit PlayedHand(std::int32_t seed) {
        session.session.startCashGame(3, seed);
        pellox::testing::HeadlessDriver driver{
            session.session, [](const LegalActions& legal, const GameSession&) {
                return PlayerAction{legal.canCheck ? PlayerActionType::check : PlayerActionType::call,
                                    std::nullopt};
            }};
        while (session.stats.handHistory().empty())
            if (!driver.step()) break;
        if (!session.stats.handHistory().empty()) record = session.stats.handHistory().front();
    }
    const TableState& table() const { return *session.session.table(); }
};

// The replay's last step is the table as the hand really ended.
TEST(HandReplayScreen, ReplaysARecordedHandToItsRealEnd) {
    PlayedHand played(4242);
    ASSERT_FALSE(played.record.events.empty());
    const HandRecord& record = played.record;
    const TableState& table = played.table();
    ASSERT_EQ(table.board.size(), 5u) << "the hand went to a showdown";

    ReplayRig rig(record);
    HandReplayScreen& screen = *rig.screen;
    const auto n = static_cast<int>(screen.steps().size());
    EXPECT_EQ(rig.step(), QStringLiteral("Step 1 of %1").arg(n));
    for (int i = 1; i < n; ++i) {
        rig.click(B::next);
        EXPECT_EQ(rig.step(), QStringLiteral("Step %1 of %2").arg(i + 1).arg(n));
    }
    EXPECT_FALSE(screen.transportButton(B::next)->isEnabled());
    EXPECT_EQ(screen.boardPanel()->board(), table.board);
    EXPECT_EQ(screen.boardPanel()->potText(), "$0");
    ASSERT_EQ(screen.seatRowCount(), table.players.size());
    for (std::size_t i = 0; i < table.players.size(); ++i)
        EXPECT_EQ(screen.seatRow(i)->look().stackText, moneyText(table.players[i].stack))
            << table.players[i].id;
    EXPECT_EQ(screen.seatRow(0)->look().name, "You");
}

TEST(GalleryReview, ReplayFirstMiddleAndLastStep) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    PlayedHand played(4242);
    ReplayRig rig(played.record);
    gallery::shoot("replay-first", *rig.screen, rig.settings);
    const int middle = static_cast<int>(rig.screen->steps().size()) / 2 + 2;
    rig.screen->slider()->setValue(middle);
    gallery::shoot("replay-middle", *rig.screen, rig.settings);
    rig.click(B::last);
    gallery::shoot("replay-last", *rig.screen, rig.settings);
    SUCCEED();
}

TEST(HandReplayScreen, TheSliderSpeaksItsStepAndAScreenReaderMovesIt) {
    ReplayRig rig(testing::shortHand());
    QSlider* slider = rig.screen->slider();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(slider);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Value), "Step 1 of 6");
    ASSERT_NE(iface->valueInterface(), nullptr);
    iface->valueInterface()->setCurrentValue(4);
    EXPECT_EQ(rig.step(), "Step 5 of 6");
    EXPECT_EQ(iface->text(QAccessible::Value), "Step 5 of 6");
    EXPECT_NE(slider->focusPolicy() & Qt::TabFocus, 0) << "Tab reaches the slider";
}

// The dealer's letter stays inside its circle at every text size the app offers.
TEST(ReplaySeatRow, TheDealersLetterFitsItsCircleAtEveryTextSize) {
    const double before = ScaledFont::textScale();
    for (double scale : {1.0, 1.5, 2.0, 3.0}) {
        ScaledFont::setTextScale(scale);
        const QRectF letter = QFontMetricsF(ReplaySeatRow::dealerFont()).tightBoundingRect("D");
        const qreal radius = ReplaySeatRow::dealerBadgeSize() / 2;
        EXPECT_LE(std::hypot(letter.width() / 2, letter.height() / 2), radius) << "text scale " << scale;
        EXPECT_GE(ReplaySeatRow::dealerBadgeSize(), 16);
    }
    ScaledFont::setTextScale(before);
}

}  // namespace
}  // namespace pellox::app
