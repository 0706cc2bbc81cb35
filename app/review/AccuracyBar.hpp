#pragma once
#include <QWidget>

#include "review/StatsScreenModel.hpp"

namespace pellox::app {

class AppContext;

// A breakdown row's bar: the faint track over the whole width and, once something was graded, the share
// that agreed in its accuracy colour.
class AccuracyBar : public QWidget {
    Q_OBJECT
  public:
    static constexpr int barHeight = 10;

    AccuracyBar(const AppContext& context, BreakdownRow row, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {120, barHeight}; }
    QSize minimumSizeHint() const override { return {0, barHeight}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const AppContext& context_;
    BreakdownRow row_;
};

}  // namespace pellox::app
