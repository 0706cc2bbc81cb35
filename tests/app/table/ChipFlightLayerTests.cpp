#include <gtest/gtest.h>

#include "table/ChipFlightLayer.hpp"
#include "table/ChipStackView.hpp"
#include "table/FlightModifier.hpp"

namespace pellox::app {
namespace {

using Flight = ChipFlightLayer::ActiveFlight;

Flight flight(std::string id, std::int64_t amount = 20) {
    return {std::move(id), amount, QPointF(100, 400), QPointF(230, 240)};
}

TEST(ChipFlightLayer, WithoutDurationAFlightEndsInTheUpdateThatShowsIt) {
    ChipFlightLayer layer;
    std::vector<Flight> flights{flight("blind-1"), flight("blind-2")};
    EXPECT_EQ(layer.update(flights, 0, 5), (std::vector<std::string>{"blind-1", "blind-2"}));
    EXPECT_FALSE(layer.isAnimating(5));
}

TEST(ChipFlightLayer, AFlightEndsOnceItsTimeIsUpAndIsReportedOnce) {
    ChipFlightLayer layer;
    std::vector<Flight> flights{flight("action-4")};
    EXPECT_TRUE(layer.update(flights, 0.5, 1).empty());
    EXPECT_TRUE(layer.isAnimating(1.2));
    EXPECT_TRUE(layer.update(flights, 0.5, 1.49).empty());
    EXPECT_EQ(layer.update(flights, 0.5, 1.5), (std::vector<std::string>{"action-4"}));
    EXPECT_TRUE(layer.update(flights, 0.5, 1.6).empty());
    EXPECT_FALSE(layer.isAnimating(1.6));
}

TEST(ChipFlightLayer, AFlightKeepsItsStartWhileOthersComeAndGo) {
    ChipFlightLayer layer;
    std::vector<Flight> flights{flight("action-1")};
    layer.update(flights, 0.4, 0);
    flights.push_back(flight("action-2"));
    layer.update(flights, 0.4, 0.3);
    flights.erase(flights.begin() + 1);
    flights.push_back(flight("award-3"));
    EXPECT_EQ(layer.update(flights, 0.4, 0.4), (std::vector<std::string>{"action-1"}));
    // A removed id that comes back is a new flight.
    flights = {flight("action-2")};
    EXPECT_TRUE(layer.update(flights, 0.4, 0.5).empty());
    EXPECT_EQ(layer.update(flights, 0.4, 0.9), (std::vector<std::string>{"action-2"}));
}

TEST(FlightModifier, TravelsShrinksAndFadesTogether) {
    FlightModifier modifier{QPointF(0, 0), QPointF(100, -50)};
    auto start = modifier.pose(0);
    EXPECT_EQ(start.centre, QPointF(0, 0));
    EXPECT_DOUBLE_EQ(start.opacity, 1);
    EXPECT_DOUBLE_EQ(start.scale, 1);
    auto middle = modifier.pose(0.5);
    EXPECT_NEAR(middle.centre.x(), 50, 1e-6);
    EXPECT_NEAR(middle.opacity, 0.5, 1e-6);
    EXPECT_NEAR(middle.scale, 0.8, 1e-6);
    auto early = modifier.pose(0.1);
    EXPECT_LT(early.centre.x(), 10);  // eases in
    auto end = modifier.pose(1);
    EXPECT_EQ(end.centre, QPointF(100, -50));
    EXPECT_DOUBLE_EQ(end.opacity, 0);
    EXPECT_DOUBLE_EQ(end.scale, 0.6);
    EXPECT_EQ(modifier.pose(3).centre, end.centre);
}

TEST(ChipStackView, TextAndACapsuleThatGrowsWithTheAmount) {
    EXPECT_EQ(ChipStackView::text(20), "$20");
    EXPECT_EQ(ChipStackView::text(1234567), "$1234567");
    QSizeF small = ChipStackView(5).size();
    QSizeF large = ChipStackView(123456789).size();
    EXPECT_GT(large.width(), small.width() + 40);
    EXPECT_DOUBLE_EQ(large.height(), small.height());
    EXPECT_GT(small.width(), 2 * ChipStackView::paddingX);
}

}  // namespace
}  // namespace pellox::app
