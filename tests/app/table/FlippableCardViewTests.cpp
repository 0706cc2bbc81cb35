#include <gtest/gtest.h>

#include "table/FlippableCardView.hpp"

namespace pellox::app {
namespace {

using FlipState = FlippableCardView::FlipState;
using Pose = FlippableCardView::Pose;

TEST(FlippableCardView, FirstShownOnItsSideWithoutTurning) {
    FlipState up(true);
    EXPECT_EQ(up.pose(0), (Pose{0, true}));
    EXPECT_FALSE(up.isFlipping(0));
    FlipState down(false);
    EXPECT_EQ(down.pose(5), (Pose{0, false}));
}

TEST(FlippableCardView, WithoutDurationTheSideSwapsAtOnce) {
    FlipState card(false);
    card.flip(true, 10, 0);
    EXPECT_EQ(card.pose(10), (Pose{0, true}));
    EXPECT_FALSE(card.isFlipping(10));
}

TEST(FlippableCardView, HalfwayEdgeOnThenTheNewSideComesFlat) {
    FlipState card(false);
    card.flip(true, 1, 0.35);
    EXPECT_TRUE(card.isFlipping(1));
    EXPECT_EQ(card.pose(1), (Pose{0, false}));
    Pose early = card.pose(1.1);
    EXPECT_FALSE(early.showingFace);
    EXPECT_GT(early.angle, 0);
    EXPECT_LT(early.angle, 90);
    Pose edgeOn = card.pose(1.175);
    EXPECT_TRUE(edgeOn.showingFace);
    EXPECT_DOUBLE_EQ(edgeOn.angle, -90);
    Pose late = card.pose(1.3);
    EXPECT_TRUE(late.showingFace);
    EXPECT_LT(late.angle, 0);
    EXPECT_GT(late.angle, -90);
    EXPECT_EQ(card.pose(1.35), (Pose{0, true}));
    EXPECT_FALSE(card.isFlipping(1.35));
}

TEST(FlippableCardView, TheSameSideAgainStartsNoFlip) {
    FlipState card(true);
    card.flip(true, 0, 0.35);
    EXPECT_FALSE(card.isFlipping(0.1));
    EXPECT_EQ(card.pose(0.1), (Pose{0, true}));
}

TEST(FlippableCardView, AChangeDuringAFlipEndsOnTheLatestSide) {
    FlipState card(false);
    card.flip(true, 0, 0.35);
    card.flip(false, 0.1, 0.35);  // still showing the back, part turned
    Pose turning = card.pose(0.15);
    EXPECT_FALSE(turning.showingFace);
    EXPECT_GT(turning.angle, card.pose(0.1).angle);
    EXPECT_EQ(card.pose(0.45), (Pose{0, false}));
    EXPECT_FALSE(card.faceUp());

    FlipState other(false);
    other.flip(true, 0, 0.35);
    other.flip(false, 0.25, 0.35);  // face already showing: it turns away again
    EXPECT_TRUE(other.pose(0.3).showingFace);
    EXPECT_EQ(other.pose(0.6), (Pose{0, false}));
}

TEST(FlippableCardView, TurnSqueezesAcrossAndTiltsTheNearEdge) {
    QTransform flat = FlippableCardView::turn(0, 48);
    EXPECT_EQ(flat.map(QPointF(17, 24)), QPointF(17, 24));
    QTransform sixty = FlippableCardView::turn(60, 48);
    QPointF right = sixty.map(QPointF(17, 24));
    QPointF left = sixty.map(QPointF(-17, 24));
    EXPECT_LT(std::abs(right.x()), 17);
    EXPECT_NE(std::abs(right.y()), std::abs(left.y()));  // one edge nearer, so taller
}

}  // namespace
}  // namespace pellox::app
