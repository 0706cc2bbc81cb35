#pragma once
#include <QWidget>

namespace pellox {
class SettingsStore;
class StatsStore;
}  // namespace pellox

namespace pellox::app {

class AppContext;

// The settings form (placeholder).
class SettingsScreen : public QWidget {
    Q_OBJECT
  public:
    SettingsScreen(AppContext& context, SettingsStore& settings, StatsStore& stats,
                   QWidget* parent = nullptr);
};

}  // namespace pellox::app
