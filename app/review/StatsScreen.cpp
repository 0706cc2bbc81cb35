#include "review/StatsScreen.hpp"

namespace pellox::app {

StatsScreen::StatsScreen(AppContext&, StatsStore&, bool, QWidget* parent) : QWidget(parent) {}

}  // namespace pellox::app
