#include <gtest/gtest.h>

#include "table/PotChipsView.hpp"

namespace pellox::app {
namespace {

QColor denomination(std::int64_t value) {
    for (const auto& d : PotChipsView::denominations())
        if (d.value == value) return d.color;
    ADD_FAILURE() << "no denomination " << value;
    return {};
}

std::vector<QColor> colours(std::initializer_list<std::int64_t> values) {
    std::vector<QColor> out;
    for (auto v : values)
        out.push_back(denomination(v));
    return out;
}

TEST(PotChipsView, DenominationsInOrderWithTheirColours) {
    const auto& table = PotChipsView::denominations();
    std::vector<std::int64_t> values;
    for (const auto& d : table)
        values.push_back(d.value);
    EXPECT_EQ(values, (std::vector<std::int64_t>{500, 100, 25, 5, 1}));
    EXPECT_EQ(table[0].color, QColor::fromRgbF(0.45f, 0.25f, 0.62f));
    EXPECT_EQ(table[1].color, QColor::fromRgbF(0.14f, 0.14f, 0.16f));
    EXPECT_EQ(table[2].color, QColor::fromRgbF(0.13f, 0.45f, 0.25f));
    EXPECT_EQ(table[3].color, QColor::fromRgbF(0.68f, 0.17f, 0.17f));
    EXPECT_EQ(table[4].color, QColor::fromRgbF(0.92f, 0.92f, 0.90f));
}

TEST(PotChipsView, GreedyBreakdownOfAtMostFourChips) {
    EXPECT_EQ(PotChipsView::chipColors(1234), colours({500, 500, 100, 100}));
    EXPECT_EQ(PotChipsView::chipColors(30), colours({25, 5}));
    EXPECT_EQ(PotChipsView::chipColors(7), colours({5, 1, 1}));
    EXPECT_EQ(PotChipsView::chipColors(3), colours({1, 1, 1}));
    EXPECT_EQ(PotChipsView::chipColors(524), colours({500, 5, 5, 5}));
    EXPECT_EQ(PotChipsView::chipColors(2000), colours({500, 500, 500, 500}));
    EXPECT_EQ(PotChipsView::chipColors(1'000'000), colours({500, 500, 500, 500}));
    EXPECT_TRUE(PotChipsView::chipColors(0).empty());
    EXPECT_TRUE(PotChipsView::chipColors(-40).empty());
}

TEST(PotChipsView, RowWidthGrowsBySevenPerChip) {
    EXPECT_EQ(PotChipsView(0, 1).size(), QSizeF(0, 12));
    EXPECT_EQ(PotChipsView(1, 1).size(), QSizeF(12, 12));
    EXPECT_EQ(PotChipsView(1234, 1).size(), QSizeF(12 + 3 * 7, 12));
    EXPECT_EQ(PotChipsView(30, 0.5).size(), QSizeF(9.5, 6));
}

}  // namespace
}  // namespace pellox::app
