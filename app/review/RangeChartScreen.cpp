#include "review/RangeChartScreen.hpp"

namespace pellox::app {

RangeChartScreen::RangeChartScreen(AppContext&, std::optional<QString>, QWidget* parent) : QWidget(parent) {}

}  // namespace pellox::app
