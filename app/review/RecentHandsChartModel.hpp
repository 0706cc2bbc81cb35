#pragma once
#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace pellox {
struct TrainingStats;
}

namespace pellox::app {

// The recent-hands accuracy plot: one point per recent graded hand (x its offset, y its accuracy 0...1) and
// the lifetime accuracy as a dashed rule, on a vertical scale fixed to 0...1.
struct RecentHandsChartModel {
    struct AxisMark {
        double value;
        QString label;
    };
    static const std::array<AxisMark, 3>& yAxisMarks();

    std::vector<double> points;
    std::optional<double> lifetime;

    explicit RecentHandsChartModel(const TrainingStats& stats);
    RecentHandsChartModel(std::vector<double> points, std::optional<double> lifetime);

    QString caption() const;

    // Where point i lands in the plot area; a lone point stands in the middle.
    QPointF position(std::size_t i, const QRectF& plot) const;
    // The height of a fraction in the plot area: 0 at the bottom edge, 1 at the top.
    static double yPosition(double fraction, const QRectF& plot);
};

}  // namespace pellox::app
