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
    AccuracyBar(const AppContext& context, BreakdownRow row, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const AppContext& context_;
    BreakdownRow row_;
};

}  // namespace pellox::app
