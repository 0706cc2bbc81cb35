#include "review/HistoryScreen.hpp"

namespace pellox::app {

HistoryScreen::HistoryScreen(AppContext&, StatsStore&, std::function<void(const std::string&)>,
                             QWidget* parent)
    : QWidget(parent) {}

}  // namespace pellox::app
