#include "view/TableLayout.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace pellox {
namespace {

void expectRect(const Rect& r, double x, double y, double w, double h) {
    EXPECT_NEAR(r.origin.x, x, 1e-9);
    EXPECT_NEAR(r.origin.y, y, 1e-9);
    EXPECT_NEAR(r.size.width, w, 1e-9);
    EXPECT_NEAR(r.size.height, h, 1e-9);
}

bool framesOverlap(const std::vector<Rect>& frames) {
    for (std::size_t i = 0; i < frames.size(); ++i)
        for (std::size_t j = i + 1; j < frames.size(); ++j)
            if (frames[i].insetBy(-3, -3).intersects(frames[j])) return true;
    return false;
}

std::vector<Rect> framesOf(const TableLayout::Result& r) {
    std::vector<Rect> out;
    for (const auto& s : r.seats)
        out.push_back(s.frame);
    return out;
}

TEST(GeometryRect, IntersectionIsClosedLikeCoreGraphics) {
    const Rect a{0, 0, 10, 10};
    EXPECT_TRUE(a.intersects(Rect{10, 0, 10, 10}));  // shared edge
    EXPECT_TRUE(a.intersects(Rect{10, 10, 5, 5}));   // shared corner
    EXPECT_FALSE(a.intersects(Rect{10.001, 0, 10, 10}));
    EXPECT_TRUE(a.intersects(Rect{5, 5, 0, 0}));                          // zero size inside
    EXPECT_TRUE((Rect{20, 0, -10, 10}.intersects(Rect{0, 0, 10.5, 1})));  // negative width standardised
    expectRect(a.insetBy(-3, -3), -3, -3, 16, 16);
    EXPECT_EQ((Rect{10, 0, -10, 5}), (Rect{0, 0, 10, 5}));
}

TEST(TableLayoutAngles, RowsBySeatCount) {
    EXPECT_EQ(TableLayout::seatAngles(1), (std::vector<double>{0}));
    EXPECT_EQ(TableLayout::seatAngles(2), (std::vector<double>{0, 180}));
    EXPECT_EQ(TableLayout::seatAngles(3), (std::vector<double>{0, 250, 110}));
    EXPECT_EQ(TableLayout::seatAngles(4), (std::vector<double>{0, 270, 180, 90}));
    EXPECT_EQ(TableLayout::seatAngles(5), (std::vector<double>{0, 288, 216, 144, 72}));
    EXPECT_EQ(TableLayout::seatAngles(6), (std::vector<double>{0, 300, 240, 180, 120, 60}));
    EXPECT_EQ(TableLayout::seatAngles(0), TableLayout::seatAngles(1));
    EXPECT_EQ(TableLayout::seatAngles(-4), TableLayout::seatAngles(1));
    EXPECT_EQ(TableLayout::seatAngles(9), TableLayout::seatAngles(6));
}

TEST(TableLayoutClamp, KeepsTheMarginOrSticksToTopLeft) {
    const Size canvas{100, 100};
    expectRect(TableLayout::clampToCanvas({50, 50, 200, 30}, canvas), 16, 50, 68, 30);
    expectRect(TableLayout::clampToCanvas({-5, 90, 20, 20}, canvas), 16, 64, 20, 20);
    expectRect(TableLayout::clampToCanvas({1, 2, 3, 4}, {0, 100}), 0, 0, 0, 0);
    expectRect(TableLayout::clampToCanvas({1, 2, 3, 4}, {100, -1}), 0, 0, 0, 0);
    // A canvas narrower than the two margins leaves no width.
    expectRect(TableLayout::clampToCanvas({0, 0, 10, 10}, {20, 100}), 16, 16, 0, 10);
}

TEST(TableLayoutScale, StartingScaleIsCappedAndFloored) {
    EXPECT_DOUBLE_EQ(TableLayout::scale({463, 476.5}), 1.0);
    EXPECT_DOUBLE_EQ(TableLayout::scale({926, 953}), 1.5);
    EXPECT_DOUBLE_EQ(TableLayout::scale({100, 100}), 0.35);
    EXPECT_DOUBLE_EQ(TableLayout::scale({0, 500}), 0.35);
    EXPECT_DOUBLE_EQ(TableLayout::scale({463, 238.25}), 0.5);
}

TEST(TableLayoutCompute, DesignCanvasWithTwoSeats) {
    const auto r = TableLayout::compute(2, {463, 476.5});
    EXPECT_DOUBLE_EQ(r.scale, 1.0);
    ASSERT_EQ(r.seats.size(), 2u);
    EXPECT_EQ(r.seats[0].index, 0);
    EXPECT_EQ(r.seats[1].index, 1);
    expectRect(r.seats[0].frame, 183.5, 304.5, 96, 156);
    EXPECT_NEAR(r.seats[0].frame.maxY(), 476.5 - 16, 1e-9);
    expectRect(r.seats[1].frame, 183.5, 16, 96, 156);
    expectRect(r.center, 231.5 - 80, 238.25 - 46, 160, 92);
}

TEST(TableLayoutCompute, DoubleCanvasWithFourSeatsAtMaximumScale) {
    const auto r = TableLayout::compute(4, {926, 953});
    EXPECT_DOUBLE_EQ(r.scale, 1.5);
    ASSERT_EQ(r.seats.size(), 4u);
    expectRect(r.seats[0].frame, 391, 703, 144, 234);    // bottom
    expectRect(r.seats[1].frame, 16, 359.5, 144, 234);   // left
    expectRect(r.seats[2].frame, 391, 16, 144, 234);     // top
    expectRect(r.seats[3].frame, 766, 359.5, 144, 234);  // right
    expectRect(r.center, 343, 407.5, 240, 138);
}

TEST(TableLayoutCompute, SmallCanvasStaysAtMinimumEvenIfCrowded) {
    const auto r = TableLayout::compute(6, {100, 100});
    EXPECT_DOUBLE_EQ(r.scale, 0.35);
    ASSERT_EQ(r.seats.size(), 6u);
    EXPECT_TRUE(framesOverlap(framesOf(r)));
    for (const auto& s : r.seats) {
        EXPECT_GE(s.frame.minX(), 16);
        EXPECT_GE(s.frame.minY(), 16);
    }
}

TEST(TableLayoutCompute, SeatCountsOutsideTheRange) {
    const auto none = TableLayout::compute(0, {463, 476.5});
    ASSERT_EQ(none.seats.size(), 1u);
    expectRect(none.seats[0].frame, 183.5, 304.5, 96, 156);
    EXPECT_EQ(TableLayout::compute(-3, {463, 476.5}).seats.size(), 1u);
    const auto nine = TableLayout::compute(9, {800, 600});
    ASSERT_EQ(nine.seats.size(), 6u);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(nine.seats[k].index, k);
}

TEST(TableLayoutCompute, WideLowCanvasShrinksInStepsUntilSeatsClear) {
    const Size canvas{1400, 420};
    const double start = TableLayout::scale(canvas);
    const auto r = TableLayout::compute(6, canvas);
    ASSERT_LT(r.scale, start);
    ASSERT_GT(r.scale, 0.35);
    const double steps = std::log(r.scale / start) / std::log(0.94);
    EXPECT_NEAR(steps, std::round(steps), 1e-9);
    EXPECT_FALSE(framesOverlap(framesOf(r)));
    EXPECT_TRUE(framesOverlap(TableLayout::seatFrames(6, canvas, r.scale / 0.94)));
}

TEST(TableLayoutCompute, FramesKeepTheMarginWhenTheyFit) {
    for (double w : {300.0, 463.0, 640.0, 1000.0, 1700.0})
        for (double h : {250.0, 476.5, 700.0, 1100.0})
            for (int n = 1; n <= 6; ++n) {
                const auto r = TableLayout::compute(n, {w, h});
                EXPECT_GE(r.scale, 0.35);
                EXPECT_LE(r.scale, 1.5);
                for (const auto& s : r.seats) {
                    if (w > s.frame.size.width + 32) {
                        EXPECT_LE(s.frame.maxX(), w - 16 + 1e-9);
                    }
                    if (h > s.frame.size.height + 32) {
                        EXPECT_LE(s.frame.maxY(), h - 16 + 1e-9);
                    }
                    EXPECT_GE(s.frame.minX(), 16);
                    EXPECT_GE(s.frame.minY(), 16);
                }
                if (r.center.size.width > 0) {
                    for (const auto& s : r.seats) {
                        EXPECT_FALSE(s.frame.insetBy(-6, -6).intersects(r.center));
                    }
                }
            }
}

TEST(TableLayoutCenter, ShrinksByStepsThenCollapsesToTheCanvasCentre) {
    const Size canvas{463, 476.5};
    // A seat whose left edge forces the centre box below factor 0.90625: 1, 0.92 fail, 0.8464 fits.
    const std::vector<Rect> right{{310, 0, 100, 476.5}};
    const double f = 0.92 * 0.92;
    expectRect(TableLayout::centerFrame(right, canvas, 1.0), 231.5 - 80 * f, 238.25 - 46 * f, 160 * f,
               92 * f);

    const std::vector<Rect> everything{{0, 0, 463, 476.5}};
    expectRect(TableLayout::centerFrame(everything, canvas, 1.5), 231.5, 238.25, 0, 0);
    expectRect(TableLayout::centerFrame({}, canvas, 0.2), 231.5, 238.25, 0, 0);
    expectRect(TableLayout::centerFrame({}, canvas, 0.21), 231.5 - 80 * 0.21, 238.25 - 46 * 0.21, 160 * 0.21,
               92 * 0.21);
}

TEST(TableLayoutCompute, EmptyCanvasGivesZeroSeatsAndAZeroSizeCentre) {
    for (Size canvas : {Size{0, 0}, Size{-10, 300}, Size{300, 0}}) {
        const auto r = TableLayout::compute(4, canvas);
        EXPECT_DOUBLE_EQ(r.scale, 0.35);
        ASSERT_EQ(r.seats.size(), 4u);
        for (const auto& s : r.seats)
            expectRect(s.frame, 0, 0, 0, 0);
        expectRect(r.center, canvas.width / 2, canvas.height / 2, 0, 0);
    }
}

}  // namespace
}  // namespace pellox
