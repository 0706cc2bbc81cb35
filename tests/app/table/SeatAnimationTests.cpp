#include <gtest/gtest.h>

#include "table/SeatAnimation.hpp"

namespace pellox::app {
namespace {

using Pose = FlippableCardView::Pose;

const std::vector<Card> lastHand{Card{Rank::queen, Suit::clubs}, Card{Rank::nine, Suit::diamonds}};
const std::vector<Card> nextHand{Card{Rank::ace, Suit::hearts}, Card{Rank::ace, Suit::spades}};

constexpr double flight = 0.32;
constexpr double flip = 0.35;

TEST(SeatAnimation, ABotsNewCardsNeverShowTheRevealedFace) {
    SeatAnimation seat;
    seat.update(lastHand, false, 2, flight, flip, 0);
    seat.update(lastHand, true, 2, flight, flip, 10);  // shown down at the end of the hand
    EXPECT_TRUE(seat.cardPoses(10.5)[0].flip.showingFace);
    // The next hand deals new cards face down: no flip back, the back from the first moment on.
    seat.update(nextHand, false, 0, flight, flip, 12);
    for (double t : {12.0, 12.05, 12.1, 12.2, 12.4, 13.0}) {
        for (const auto& pose : seat.cardPoses(t))
            EXPECT_EQ(pose.flip, (Pose{0, false})) << t;
    }
    seat.update(nextHand, false, 1, flight, flip, 12.1);
    for (const auto& pose : seat.cardPoses(12.2))
        EXPECT_FALSE(pose.flip.showingFace);
}

TEST(SeatAnimation, TheRevealTurnsTheCardsOver) {
    SeatAnimation seat;
    seat.update(nextHand, false, 2, flight, flip, 0);
    seat.update(nextHand, true, 2, flight, flip, 1);
    EXPECT_TRUE(seat.isAnimating(1.1));
    EXPECT_FALSE(seat.cardPoses(1.1)[0].flip.showingFace);
    EXPECT_TRUE(seat.cardPoses(1.2)[0].flip.showingFace);
    EXPECT_EQ(seat.cardPoses(1.35)[1].flip, (Pose{0, true}));
    EXPECT_FALSE(seat.isAnimating(1.35));
}

TEST(SeatAnimation, CardsGlideInAsTheyLand) {
    SeatAnimation seat;
    seat.update(nextHand, true, 0, flight, flip, 0);
    EXPECT_EQ(seat.cardPoses(0)[0].landing, 0);
    seat.update(nextHand, true, 1, flight, flip, 1);
    auto poses = seat.cardPoses(1.1);
    EXPECT_GT(poses[0].landing, 0);
    EXPECT_LT(poses[0].landing, 1);
    EXPECT_EQ(poses[1].landing, 0);
    EXPECT_TRUE(seat.isAnimating(1.1));
    EXPECT_EQ(seat.cardPoses(3)[0].landing, 1);
    // A card spring without flight time still takes its hundredth of a second.
    seat.update(nextHand, true, 2, 0, 0, 4);
    EXPECT_LT(seat.cardPoses(4)[1].landing, 1);
    EXPECT_EQ(seat.cardPoses(4.1)[1].landing, 1);
    EXPECT_FALSE(seat.isAnimating(4.1));
}

TEST(SeatAnimation, CardsAlreadyLandedWhenFirstShownDoNotMove) {
    SeatAnimation seat;
    seat.update(nextHand, true, 2, flight, flip, 0);
    auto poses = seat.cardPoses(0);
    ASSERT_EQ(poses.size(), 2u);
    EXPECT_EQ(poses[0].landing, 1);
    EXPECT_EQ(poses[1].flip, (Pose{0, true}));
    EXPECT_FALSE(seat.isAnimating(0));
    seat.update({}, true, 0, flight, flip, 1);
    EXPECT_TRUE(seat.cardPoses(1).empty());
}

TEST(SeatAnimation, FoldFlingAndSnapBack) {
    SeatAnimation seat;
    seat.update(nextHand, true, 2, flight, flip, 0);
    seat.dragChanged(-30, true);
    EXPECT_EQ(seat.dragOffset(0), -30);
    seat.dragChanged(20, true);  // turning down keeps the last upward offset
    EXPECT_EQ(seat.dragOffset(0), -30);
    EXPECT_FALSE(seat.dragEnded(-30, -40, true, 1, false));
    EXPECT_TRUE(seat.isAnimating(1.1));
    EXPECT_EQ(seat.dragOffset(5), 0);

    seat.dragChanged(-60, true);
    EXPECT_TRUE(seat.dragEnded(-60, -60, true, 6, false));
    double midway = seat.dragOffset(6.1);
    EXPECT_LT(midway, -60);
    EXPECT_GT(midway, -220);
    EXPECT_NEAR(seat.dragOffset(6.28), -220, 1e-6);
    // Once flung, the folded seat goes back to its box instead of hanging over the pot until the next deal.
    EXPECT_TRUE(seat.isAnimating(6.3));
    const double returning = seat.dragOffset(6.35);
    EXPECT_GT(returning, -220);
    EXPECT_LT(returning, 0);
    EXPECT_EQ(seat.dragOffset(8.5), 0);
    EXPECT_FALSE(seat.isAnimating(8.5));

    // The next hand keeps the seat in place.
    seat.update(lastHand, true, 0, flight, flip, 9);
    EXPECT_EQ(seat.dragOffset(9), 0);
}

TEST(SeatAnimation, ADragWithoutFoldLeavesTheSeatAlone) {
    SeatAnimation seat;
    seat.dragChanged(-100, false);
    EXPECT_EQ(seat.dragOffset(0), 0);
    EXPECT_FALSE(seat.dragEnded(-100, -100, false, 0, false));
    EXPECT_EQ(seat.dragOffset(0.05), 0);
}

TEST(SeatAnimation, ReducedMotionLandsTheDragAtOnce) {
    SeatAnimation seat;
    seat.dragChanged(-200, true);
    EXPECT_TRUE(seat.dragEnded(-200, -200, true, 3, true));
    // The fling and the return both land at once: the seat is in its box.
    EXPECT_EQ(seat.dragOffset(3), 0);
    EXPECT_FALSE(seat.isAnimating(3));
    SeatAnimation other;
    other.dragChanged(-20, true);
    EXPECT_FALSE(other.dragEnded(-20, -20, true, 3, true));
    EXPECT_EQ(other.dragOffset(3), 0);
}

}  // namespace
}  // namespace pellox::app
