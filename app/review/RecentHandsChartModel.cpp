#include "review/RecentHandsChartModel.hpp"

#include "store/TrainingStats.hpp"

namespace pellox::app {

const std::array<RecentHandsChartModel::AxisMark, 3>& RecentHandsChartModel::yAxisMarks() {
    static const std::array<AxisMark, 3> marks{
        {{0, QStringLiteral("0%")}, {0.5, QStringLiteral("50%")}, {1, QStringLiteral("100%")}}};
    return marks;
}

RecentHandsChartModel::RecentHandsChartModel(const TrainingStats& stats)
    : RecentHandsChartModel(stats.recentHandAccuracy, stats.overallAccuracy()) {}

RecentHandsChartModel::RecentHandsChartModel(std::vector<double> points, std::optional<double> lifetime)
    : points(std::move(points)), lifetime(lifetime) {}

QString RecentHandsChartModel::caption() const {
    return QStringLiteral("Per-hand accuracy for your last ") + QString::number(points.size()) +
           QStringLiteral(" graded ") + QStringLiteral("hands. The dashed line is your lifetime average.");
}

QPointF RecentHandsChartModel::position(std::size_t i, const QRectF& plot) const {
    const double x = points.size() < 2 ? plot.center().x()
                                       : plot.left() + plot.width() * static_cast<double>(i) /
                                                           static_cast<double>(points.size() - 1);
    return {x, yPosition(points[i], plot)};
}

double RecentHandsChartModel::yPosition(double fraction, const QRectF& plot) {
    return plot.bottom() - plot.height() * fraction;
}

}  // namespace pellox::app
