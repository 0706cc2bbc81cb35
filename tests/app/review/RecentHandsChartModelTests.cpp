#include <gtest/gtest.h>

#include "review/RecentHandsChartModel.hpp"
#include "review/StatsFixtures.hpp"

namespace pellox::app {
namespace {

TEST(RecentHandsChartModel, PointsOfAKnownHistory) {
    TrainingStats s;
    s = s.recording({GameMode::cash, 0, Position::btn, {test::grade(Street::flop, true)}});
    s = s.recording({GameMode::cash,
                     0,
                     Position::btn,
                     {test::grade(Street::flop, false), test::grade(Street::turn, true)}});
    s = s.recording({GameMode::cash, 0, Position::btn, {}});  // no grades: no point
    s = s.recording({GameMode::cash,
                     0,
                     Position::sb,
                     {test::grade(Street::preflop, false), test::grade(Street::flop, false),
                      test::grade(Street::river, false), test::grade(Street::river, true)}});
    const RecentHandsChartModel chart(s);
    EXPECT_EQ(chart.points, (std::vector<double>{1.0, 0.5, 0.25}));
    ASSERT_TRUE(chart.lifetime);
    EXPECT_DOUBLE_EQ(*chart.lifetime, 3.0 / 7.0);
    EXPECT_EQ(chart.caption(),
              "Per-hand accuracy for your last 3 graded hands. The dashed line is your lifetime average.");

    const QRectF plot(10, 20, 200, 100);
    EXPECT_EQ(chart.position(0, plot), QPointF(10, 20));   // left edge, top (accuracy 1)
    EXPECT_EQ(chart.position(1, plot), QPointF(110, 70));  // middle, half way
    EXPECT_EQ(chart.position(2, plot), QPointF(210, 95));  // right edge, a quarter up
}

TEST(RecentHandsChartModel, ScaleIsFixedToZeroThroughOne) {
    const QRectF plot(0, 0, 300, 120);
    EXPECT_EQ(RecentHandsChartModel::yPosition(0, plot), 120);
    EXPECT_EQ(RecentHandsChartModel::yPosition(1, plot), 0);
    const auto& marks = RecentHandsChartModel::yAxisMarks();
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[0].label, "0%");
    EXPECT_EQ(marks[1].label, "50%");
    EXPECT_EQ(marks[2].label, "100%");
    // A lifetime of one half lies on the middle grid line.
    EXPECT_EQ(RecentHandsChartModel::yPosition(0.5, plot),
              RecentHandsChartModel::yPosition(marks[1].value, plot));

    const RecentHandsChartModel two({0.0, 1.0}, std::nullopt);
    EXPECT_EQ(two.position(0, plot), QPointF(0, 120));
    EXPECT_EQ(two.position(1, plot), QPointF(300, 0));
    EXPECT_TRUE(two.caption().startsWith("Per-hand accuracy for your last 2 graded hands."));
    EXPECT_EQ(RecentHandsChartModel({0.4}, 0.4).position(0, plot), QPointF(150, 72));
}

}  // namespace
}  // namespace pellox::app
