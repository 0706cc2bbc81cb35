#include <gtest/gtest.h>

#include <QSignalSpy>

#include "ManualAnimationClock.hpp"
#include "TestCards.hpp"
#include "table/FeltMotion.hpp"

namespace pellox::app {
namespace {

using testing::ManualAnimationClock;
using testing::settleMs;

// The cluster with `cards` on the board and, when set, the banner, as the felt would arrange it.
FeltMotion::State state(std::int64_t pot, const char* cards = "", bool banner = false) {
    FeltMotion::State s;
    s.pot = pot;
    s.board = test::cards(cards);
    const auto n = static_cast<double>(s.board.size());
    double y = -(n > 0 ? 40 : 0) - (banner ? 15 : 0);
    if (n > 0) {
        s.arrangement.boardY = y;
        s.arrangement.cardWidth = 40;
        s.arrangement.cardStep = 43;
        s.arrangement.rowWidth = n * 43 - 3;
        y += 80;
    }
    if (banner) {
        s.banner = QStringLiteral("You win $40");
        s.arrangement.banner = QRectF(-60, y - 10, 120, 20);
        y += 30;
    }
    s.arrangement.potY = y;
    s.arrangement.potWidth = pot >= 1000 ? 140 : 110;
    return s;
}

TEST(FeltMotion, ThePotCountsToItsNewAmountInWholeChipsAsTheCapsuleSpringsWider) {
    ManualAnimationClock clock;
    FeltMotion motion;
    motion.update(state(15), false);
    EXPECT_EQ(motion.shownPot(), 15);
    const FeltMotion::State bigger = state(1215);
    motion.update(bigger, false);
    EXPECT_EQ(motion.shownPot(), 15);
    EXPECT_DOUBLE_EQ(motion.shown(bigger.arrangement).potWidth, 110);
    EXPECT_TRUE(motion.isRunning());

    std::int64_t last = 15;
    for (int t = 0; t < settleMs(FeltMotion::potSpring); t += 16) {
        clock.advance(16);
        const std::int64_t shown = motion.shownPot();
        EXPECT_GE(shown, 15);
        EXPECT_LE(shown, 1215);  // a spring passes its target; the digits never do
        last = shown;
    }
    EXPECT_EQ(last, 1215);
    EXPECT_DOUBLE_EQ(motion.shown(bigger.arrangement).potWidth, 140);
    EXPECT_FALSE(motion.isRunning());
}

TEST(FeltMotion, HalfwayThePotStandsBetweenItsTwoAmounts) {
    ManualAnimationClock clock;
    FeltMotion motion;
    motion.update(state(100), false);
    motion.update(state(300), false);
    clock.advance(settleMs(FeltMotion::potSpring) / 6);
    EXPECT_GT(motion.shownPot(), 100);
    EXPECT_LT(motion.shownPot(), 300);
    motion.update(state(0), false);  // a new hand: counts down from where it stands
    const std::int64_t from = motion.shownPot();
    clock.advance(settleMs(FeltMotion::potSpring) / 6);
    EXPECT_LT(motion.shownPot(), from);
    clock.advance(settleMs(FeltMotion::potSpring));
    EXPECT_EQ(motion.shownPot(), 0);
}

TEST(FeltMotion, TheFlopGrowsInWhileThePotSpringsDownOnTheBoardsSpring) {
    ManualAnimationClock clock;
    FeltMotion motion;
    const auto before = state(60), flop = state(60, "Ah Kd 7c");
    motion.update(before, false);
    motion.update(flop, false);
    EXPECT_DOUBLE_EQ(motion.shown(flop.arrangement).potY, before.arrangement.potY);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_DOUBLE_EQ(motion.cardEntrance(i), 0);
    clock.advance(settleMs(FeltMotion::boardSpring) / 6);
    EXPECT_GT(motion.cardEntrance(0), 0);
    EXPECT_GT(motion.shown(flop.arrangement).potY, before.arrangement.potY);
    // The pot's spring alone would have settled by now; the board's is longer.
    clock.advance(settleMs(FeltMotion::potSpring) - settleMs(FeltMotion::boardSpring) / 6);
    EXPECT_TRUE(motion.isRunning());
    clock.advance(settleMs(FeltMotion::boardSpring));
    EXPECT_DOUBLE_EQ(motion.cardEntrance(2), 1);
    EXPECT_DOUBLE_EQ(motion.shown(flop.arrangement).potY, flop.arrangement.potY);
    EXPECT_FALSE(motion.isRunning());

    // The turn: the row widens from where it stood, the new card grows in, the others were in already.
    const auto turn = state(60, "Ah Kd 7c 2s");
    motion.update(turn, false);
    EXPECT_DOUBLE_EQ(motion.shown(turn.arrangement).rowWidth, flop.arrangement.rowWidth);
    EXPECT_DOUBLE_EQ(motion.cardEntrance(0), 1);
    EXPECT_DOUBLE_EQ(motion.cardEntrance(3), 0);
    clock.advance(settleMs(FeltMotion::boardSpring));
    EXPECT_DOUBLE_EQ(motion.shown(turn.arrangement).rowWidth, turn.arrangement.rowWidth);
}

TEST(FeltMotion, BoardCardsThatLeaveFadeOutWhereTheyStoodAndAreThenGone) {
    ManualAnimationClock clock;
    FeltMotion motion;
    const auto river = state(400, "Ah Kd 7c 2s 9h");
    motion.update(river, true);
    motion.update(state(15), false);
    auto leaving = motion.leavingCards();
    ASSERT_EQ(leaving.size(), 5u);
    EXPECT_EQ(leaving[4].card, river.board[4]);
    EXPECT_DOUBLE_EQ(leaving[0].opacity, 1);
    EXPECT_DOUBLE_EQ(leaving[0].centre.x(), -river.arrangement.rowWidth / 2 + 20);
    EXPECT_DOUBLE_EQ(leaving[0].centre.y(), river.arrangement.boardY);
    clock.advance(settleMs(FeltMotion::boardSpring) / 4);
    leaving = motion.leavingCards();
    ASSERT_EQ(leaving.size(), 5u);
    EXPECT_GT(leaving[0].opacity, 0);
    EXPECT_LT(leaving[0].opacity, 1);
    clock.advance(settleMs(FeltMotion::boardSpring));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(motion.leavingCards().empty());
    EXPECT_FALSE(motion.isRunning());
}

TEST(FeltMotion, TheBannerScalesInAndOutWithItsTextKeptWhileItGoes) {
    ManualAnimationClock clock;
    FeltMotion motion;
    motion.update(state(0, "Ah Kd 7c 2s 9h"), false);
    const auto over = state(0, "Ah Kd 7c 2s 9h", true);
    motion.update(over, false);
    EXPECT_DOUBLE_EQ(motion.bannerPresence(), 0);
    clock.advance(settleMs(FeltMotion::bannerSpring) / 4);
    EXPECT_GT(motion.bannerPresence(), 0);
    clock.advance(settleMs(FeltMotion::bannerSpring));
    EXPECT_DOUBLE_EQ(motion.bannerPresence(), 1);

    motion.update(state(15), false);
    auto leaving = motion.leavingBanner();
    ASSERT_TRUE(leaving);
    EXPECT_EQ(leaving->text, *over.banner);
    EXPECT_EQ(leaving->rect, over.arrangement.banner);
    EXPECT_DOUBLE_EQ(leaving->presence, 1);
    clock.advance(settleMs(FeltMotion::bannerSpring) / 4);
    EXPECT_LT(motion.leavingBanner()->presence, 1);
    clock.advance(settleMs(FeltMotion::bannerSpring));
    EXPECT_FALSE(motion.leavingBanner());
    EXPECT_FALSE(motion.isRunning());
}

TEST(FeltMotion, AWinnerBadgeGrowsInAndShrinksAwayWithItsAmount) {
    ManualAnimationClock clock;
    FeltMotion motion;
    EXPECT_FALSE(motion.winnerBadge("human"));
    motion.updateWinners({{"human", 240}}, false);
    ASSERT_TRUE(motion.winnerBadge("human"));
    EXPECT_EQ(motion.winnerBadge("human")->amount, 240);
    EXPECT_DOUBLE_EQ(motion.winnerBadge("human")->presence, 0);
    clock.advance(settleMs(FeltMotion::winnerBadgeSpring) / 4);
    EXPECT_GT(motion.winnerBadge("human")->presence, 0);
    clock.advance(settleMs(FeltMotion::winnerBadgeSpring));
    EXPECT_DOUBLE_EQ(motion.winnerBadge("human")->presence, 1);

    motion.updateWinners({}, false);  // the next hand
    ASSERT_TRUE(motion.winnerBadge("human"));
    EXPECT_EQ(motion.winnerBadge("human")->amount, 240);
    clock.advance(settleMs(FeltMotion::winnerBadgeSpring) / 4);
    EXPECT_LT(motion.winnerBadge("human")->presence, 1);
    clock.advance(settleMs(FeltMotion::winnerBadgeSpring));
    EXPECT_FALSE(motion.winnerBadge("human"));
    EXPECT_FALSE(motion.isRunning());
}

// What waits for the board waits for its cards to come to rest, and is told when the last one does.
TEST(FeltMotion, TheBoardHasLandedOnceEveryCardHasComeToRest) {
    ManualAnimationClock clock;
    FeltMotion motion;
    QSignalSpy landed(&motion, &FeltMotion::landed);
    motion.update(state(60), false);
    EXPECT_EQ(motion.landedCards(), 0u);
    motion.update(state(60, "Ah Kd"), false);
    EXPECT_EQ(motion.landedCards(), 0u);
    clock.advance(settleMs(FeltMotion::boardSpring) / 2);
    motion.update(state(60, "Ah Kd 7c"), false);
    EXPECT_EQ(motion.landedCards(), 0u);
    EXPECT_EQ(landed.count(), 0);
    clock.advance(settleMs(FeltMotion::boardSpring) / 2);
    EXPECT_EQ(motion.landedCards(), 2u);
    EXPECT_GT(landed.count(), 0);
    clock.advance(settleMs(FeltMotion::boardSpring) / 2);
    EXPECT_EQ(motion.landedCards(), 3u);
    EXPECT_FALSE(motion.isRunning());

    // Under reduce motion a card lands in the update that brings it, which tells nothing of its own.
    landed.clear();
    motion.update(state(60, "Ah Kd 7c 2s"), true);
    EXPECT_EQ(motion.landedCards(), 4u);
    EXPECT_EQ(landed.count(), 0);
}

TEST(FeltMotion, TheShowdownsCardsTurnForTheirTimeAndStartOverWithTheNextHand) {
    ManualAnimationClock clock;
    FeltMotion motion;
    QSignalSpy landed(&motion, &FeltMotion::landed);
    motion.updateShowdown(false, 0.2, false);
    EXPECT_FALSE(motion.showdownTurned());
    motion.updateShowdown(true, 0.2, false);
    EXPECT_FALSE(motion.showdownTurned());
    clock.advance(190);
    motion.updateShowdown(true, 0.2, false);  // a refresh meanwhile does not start it again
    EXPECT_FALSE(motion.showdownTurned());
    clock.advance(20);
    EXPECT_TRUE(motion.showdownTurned());
    EXPECT_EQ(landed.count(), 1);
    motion.updateShowdown(false, 0.2, false);
    EXPECT_FALSE(motion.showdownTurned());
    motion.updateShowdown(true, 0.2, true);
    EXPECT_TRUE(motion.showdownTurned());
    EXPECT_EQ(landed.count(), 1);
    EXPECT_FALSE(motion.isRunning());
}

TEST(FeltMotion, MotionlessEverythingLandsAtOnce) {
    ManualAnimationClock clock;
    FeltMotion motion;
    QSignalSpy changed(&motion, &FeltMotion::changed);
    motion.update(state(15), true);
    const auto over = state(900, "Ah Kd 7c 2s 9h", true);
    motion.update(over, true);
    motion.updateWinners({{"bot-1", 900}}, true);
    EXPECT_EQ(motion.shownPot(), 900);
    EXPECT_DOUBLE_EQ(motion.shown(over.arrangement).potY, over.arrangement.potY);
    EXPECT_DOUBLE_EQ(motion.cardEntrance(4), 1);
    EXPECT_DOUBLE_EQ(motion.bannerPresence(), 1);
    EXPECT_DOUBLE_EQ(motion.winnerBadge("bot-1")->presence, 1);
    motion.update(state(15), true);
    motion.updateWinners({}, true);
    EXPECT_TRUE(motion.leavingCards().empty());
    EXPECT_FALSE(motion.leavingBanner());
    EXPECT_FALSE(motion.winnerBadge("bot-1"));
    EXPECT_FALSE(motion.isRunning());
    EXPECT_GT(changed.count(), 0);
}

}  // namespace
}  // namespace pellox::app
