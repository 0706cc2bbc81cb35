#include "review/HandReplayScreen.hpp"

namespace pellox::app {

HandReplayScreen::HandReplayScreen(AppContext&, const HandRecord&, bool, QWidget* parent) : QWidget(parent) {}

}  // namespace pellox::app
