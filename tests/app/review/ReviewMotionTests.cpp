// The review screens' transitions: the replay's pot and stacks count, its board cards come and go, and the
// statistics' accuracy figure counts to a new value; each over its spring and at once under reduce motion.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScrollArea>

#include "ManualAnimationClock.hpp"
#include "TestCards.hpp"
#include "kit/Spring.hpp"
#include "review/ReplayBoardPanel.hpp"
#include "review/ReplaySeatRow.hpp"
#include "review/StatsFixtures.hpp"
#include "review/StatsScreen.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"
#include "strategy/StrategyAdvisor.hpp"
#include "theme/AppContext.hpp"
#include "view/ReplayView.hpp"

namespace pellox::app {
namespace {

using testing::ManualAnimationClock;
using testing::settleMs;

constexpr Spring step{0.2, 0.85};

struct MotionRig {
    ManualAnimationClock clock;
    SettingsStore settings;
    AppContext context{&settings};
    MotionRig() { context.setReduceMotion(false); }
};

std::vector<Card> board(int count) {
    const std::vector<Card> all = test::cards("Ah Kd 7c 2s 9h");
    return {all.begin(), all.begin() + count};
}

TEST(ReplayMotion, ACardThatJoinsGrowsInAndThePotCountsUp) {
    MotionRig rig;
    ReplayBoardPanel panel(rig.context);
    panel.setFrame(board(3), 100);
    panel.setFrame(board(4), 300, step);
    rig.clock.advance(0);
    EXPECT_EQ(panel.shownPotText(), "$100");
    EXPECT_DOUBLE_EQ(panel.cardPresence()[3], 0);
    EXPECT_DOUBLE_EQ(panel.cardPresence()[2], 1);
    rig.clock.advance(settleMs(step) / 4);
    const QString midway = panel.shownPotText();
    EXPECT_NE(midway, "$100");
    EXPECT_NE(midway, "$300");
    EXPECT_GT(panel.cardPresence()[3], 0);
    rig.clock.advance(settleMs(step));
    EXPECT_EQ(panel.shownPotText(), "$300");
    EXPECT_EQ(panel.potText(), "$300");
    EXPECT_EQ(panel.cardPresence(), (std::vector<double>(4, 1.0)));
}

TEST(ReplayMotion, ACardLeftBehindByAStepBackShrinksAndFadesOut) {
    MotionRig rig;
    ReplayBoardPanel panel(rig.context);
    panel.setFrame(board(4), 300);
    panel.setFrame(board(3), 100, step);
    EXPECT_EQ(panel.board(), board(3));
    ASSERT_EQ(panel.leavingCards(), std::vector<Card>{board(4)[3]});
    rig.clock.advance(0);
    EXPECT_DOUBLE_EQ(panel.cardPresence()[3], 1);
    rig.clock.advance(settleMs(step) / 4);
    EXPECT_LT(panel.cardPresence()[3], 1);
    rig.clock.advance(settleMs(step));
    EXPECT_TRUE(panel.leavingCards().empty());
    EXPECT_EQ(panel.cardPresence().size(), 3u);
}

TEST(ReplayMotion, UnderReduceMotionOrWithoutAStepTheFrameIsThereAtOnce) {
    MotionRig rig;
    ReplayBoardPanel panel(rig.context);
    panel.setFrame(board(4), 300);
    panel.setFrame(board(3), 100);  // a jump, not a step
    EXPECT_TRUE(panel.leavingCards().empty());
    EXPECT_EQ(panel.shownPotText(), "$100");
    rig.context.setReduceMotion(true);
    panel.setFrame(board(5), 900, step);
    EXPECT_EQ(panel.shownPotText(), "$900");
    EXPECT_EQ(panel.cardPresence(), (std::vector<double>(5, 1.0)));
    panel.setFrame(board(3), 100, step);
    EXPECT_TRUE(panel.leavingCards().empty());
}

ReplaySeatView botWithStack(std::int64_t stack) {
    ReplaySeatView seat;
    seat.id = "bot-1";
    seat.name = "Bot";
    seat.stack = stack;
    return seat;
}

TEST(ReplayMotion, AStackCountsToItsNewAmount) {
    MotionRig rig;
    ReplaySeatRow row(rig.context);
    ReplaySeatView seat = botWithStack(1000);
    row.setSeat(seat, step);  // the first frame shows its stack at once
    EXPECT_EQ(row.shownStackText(), "$1000");
    seat.stack = 600;
    row.setSeat(seat, step);
    EXPECT_EQ(row.look().stackText, "$600");
    rig.clock.advance(0);
    EXPECT_EQ(row.shownStackText(), "$1000");
    rig.clock.advance(settleMs(step) / 4);
    EXPECT_NE(row.shownStackText(), "$1000");
    EXPECT_NE(row.shownStackText(), "$600");
    rig.clock.advance(settleMs(step));
    EXPECT_EQ(row.shownStackText(), "$600");
}

// A spring passes its target; the amounts it counts never do (a stack going all-in never shows "$-6").
TEST(ReplayMotion, CountingAmountsNeverPassTheirTarget) {
    MotionRig rig;
    ReplaySeatRow row(rig.context);
    ReplaySeatView seat = botWithStack(1000);
    row.setSeat(seat);
    seat.stack = 0;
    row.setSeat(seat, step);
    ReplayBoardPanel panel(rig.context);
    panel.setFrame(board(3), 1000);
    panel.setFrame(board(3), 0, step);
    for (int t = 0; t < settleMs(step); t += 4) {
        rig.clock.advance(4);
        EXPECT_FALSE(row.shownStackText().contains('-')) << row.shownStackText().toStdString() << " at " << t;
        EXPECT_FALSE(panel.shownPotText().contains('-')) << panel.shownPotText().toStdString() << " at " << t;
    }
    EXPECT_EQ(row.shownStackText(), "$0");
    EXPECT_EQ(panel.shownPotText(), "$0");
}

TEST(StatsMotion, TheAccuracyFigureCountsToANewAccuracy) {
    MotionRig rig;
    StatsStore store;
    test::recordSampleHands(store, 30, 5);
    StatsScreen screen(rig.context, store, false);
    const auto figure = [&] {
        return screen.scrollArea()->widget()->findChild<QLabel*>(QStringLiteral("accuracy"))->text();
    };
    const QString before = figure();
    test::recordSampleHands(store, 60, 901);
    QApplication::processEvents();
    const double second = *store.stats().overallAccuracy();
    const QString after = QString::fromStdString(StrategyAdvisor::percentText(second));
    ASSERT_NE(before, after) << "the fixture must change the rounded accuracy";
    rig.clock.advance(0);
    EXPECT_EQ(figure(), before);
    rig.clock.advance(settleMs(Spring{}));
    EXPECT_EQ(figure(), after);
}

}  // namespace
}  // namespace pellox::app
