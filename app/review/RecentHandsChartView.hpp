#pragma once
#include <QWidget>

#include "review/RecentHandsChartModel.hpp"

namespace pellox::app {

class AppContext;

// The recent-hands plot: per-hand accuracy as a line with a fading area and a dot per hand, the lifetime
// accuracy as a dashed rule, grid lines at 0%, 50% and 100% labelled on the trailing side.
class RecentHandsChartView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int chartHeight = 120;

    RecentHandsChartView(const AppContext& context, RecentHandsChartModel model, QWidget* parent = nullptr);

    const RecentHandsChartModel& model() const noexcept { return model_; }
    // Where the marks go inside a chart of this size; the axis labels stand to its right.
    static QRectF plotRect(const QSizeF& size);

    QSize sizeHint() const override { return {320, chartHeight}; }
    QSize minimumSizeHint() const override { return {80, chartHeight}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintAxis(QPainter& painter, const QRectF& plot) const;
    void paintSeries(QPainter& painter, const QRectF& plot) const;
    void paintLifetimeRule(QPainter& painter, const QRectF& plot) const;

    const AppContext& context_;
    RecentHandsChartModel model_;
};

}  // namespace pellox::app
