#pragma once
#include <QWidget>
#include <functional>

namespace pellox {
class GameSession;
class SettingsStore;
}  // namespace pellox

namespace pellox::app {

class AppContext;

// The play screen (placeholder: its constructor is the one the shell calls).
class TableScreen : public QWidget {
    Q_OBJECT
  public:
    TableScreen(AppContext& context, GameSession& session, SettingsStore& settings, bool frozen,
                bool showsSummaryImmediately, std::function<void()> onExit, QWidget* parent = nullptr);
};

}  // namespace pellox::app
