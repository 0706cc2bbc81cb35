#include "table/TableScreen.hpp"

namespace pellox::app {

TableScreen::TableScreen(AppContext&, GameSession&, SettingsStore&, bool, bool, std::function<void()>,
                         QWidget* parent)
    : QWidget(parent) {}

}  // namespace pellox::app
