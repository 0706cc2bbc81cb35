#pragma once
#include <QWidget>

namespace pellox {
class StatsStore;
}

namespace pellox::app {

class AppContext;

// The statistics screen (placeholder).
class StatsScreen : public QWidget {
    Q_OBJECT
  public:
    StatsScreen(AppContext& context, StatsStore& stats, bool startsAtLeaks, QWidget* parent = nullptr);
};

}  // namespace pellox::app
