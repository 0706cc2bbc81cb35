#pragma once
#include <QString>
#include <QWidget>
#include <optional>

namespace pellox::app {

class AppContext;

// The preflop range chart (placeholder); startsInspecting names a hand class such as "AKs".
class RangeChartScreen : public QWidget {
    Q_OBJECT
  public:
    RangeChartScreen(AppContext& context, std::optional<QString> startsInspecting, QWidget* parent = nullptr);
};

}  // namespace pellox::app
