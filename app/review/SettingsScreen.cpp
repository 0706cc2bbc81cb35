#include "review/SettingsScreen.hpp"

namespace pellox::app {

SettingsScreen::SettingsScreen(AppContext&, SettingsStore&, StatsStore&, QWidget* parent) : QWidget(parent) {}

}  // namespace pellox::app
