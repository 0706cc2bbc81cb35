#pragma once
#include <QWidget>
#include <functional>
#include <string>

namespace pellox {
class StatsStore;
}

namespace pellox::app {

class AppContext;

// The hand history list (placeholder). A row asks the shell to push the replay of its record's id.
class HistoryScreen : public QWidget {
    Q_OBJECT
  public:
    HistoryScreen(AppContext& context, StatsStore& stats,
                  std::function<void(const std::string& recordId)> openRecord, QWidget* parent = nullptr);
};

}  // namespace pellox::app
