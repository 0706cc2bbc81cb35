#pragma once
#include <QColor>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

#include "review/RangeDetailView.hpp"
#include "review/RangeGridView.hpp"
#include "review/RangeLegendView.hpp"

namespace pellox {
enum class PositionBucket;
enum class PreflopContext;
enum class PreflopTier;
enum class RangeAction;
}  // namespace pellox

namespace pellox::app {

struct Palette;

// What the range chart screen shows for a position bucket and a situation: the grid's labels and actions,
// the legend's shares and the strength read of one class.
namespace RangeChartModel {

inline constexpr int gridSize = RangeGridView::gridSize;

struct ActionPercentages {
    int raise = 0;
    int call = 0;
    int fold = 0;
    friend bool operator==(const ActionPercentages&, const ActionPercentages&) = default;
};

// Row and column index "AKQJT98765432"; above the diagonal suited, below it offsuit.
QString handLabel(int row, int col);
// The share of the grid's combinations each action covers, each rounded by itself.
ActionPercentages actionPercentages(PositionBucket bucket, PreflopContext context);
// "A" 14 down to "T" 10, otherwise a decimal whole number from 2 to 14.
std::optional<int> rankValue(QStringView rank);
// The Chen formula tier of a class, scored with a spade first and a spade (suited) or a heart second.
std::optional<PreflopTier> chenTier(QStringView label);
QColor actionColor(RangeAction action, const Palette& palette);
// The chart's action for a class; a text the chart does not hold reads as fold.
RangeAction chartAction(const QString& label, PositionBucket bucket, PreflopContext context);
// "raise", "call" or "fold".
QString actionWord(RangeAction action);
// Every cell's action, row by row.
std::array<RangeAction, RangeGridView::cellCount> gridActions(PositionBucket bucket, PreflopContext context);
std::array<RangeLegendView::Item, 3> legendItems(const ActionPercentages& shares, const Palette& palette);
// The selected class with its action under the chart and its Chen formula tier.
RangeDetailView::Detail detail(const QString& label, PositionBucket bucket, PreflopContext context,
                               const Palette& palette);
// Muted on the faint fold fill, white on the others.
QColor badgeTextColor(const QColor& fill, const Palette& palette);

}  // namespace RangeChartModel

}  // namespace pellox::app
